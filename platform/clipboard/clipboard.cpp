#include "platform/clipboard/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/text_codec.h"

namespace plat {

bool SetClipboardText(std::string_view text) {
  if (!QGuiApplication::instance()) return false;
  QGuiApplication::clipboard()->setText(QString::fromStdString(Cp1252ToUtf8(text)));
  return true;
}

std::optional<std::string> GetClipboardText() {
  if (!ClipboardHasText()) return std::nullopt;
  return Utf8ToCp1252(QGuiApplication::clipboard()->text().toStdString());
}

bool ClipboardHasText() {
  if (!QGuiApplication::instance()) return false;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

}  // namespace plat
