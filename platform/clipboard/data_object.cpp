#include "platform/clipboard/data_object.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "platform/clipboard/clipboard.h"
#include "platform/clipboard/drag_events.h"
#include "platform/hooks.h"
#include "platform/text_codec.h"

namespace plat {

struct DataObject::Impl {
  enum class Kind { kText, kClipboard, kMime } kind = Kind::kText;
  std::string text;                // kText
  const QMimeData* mime = nullptr; // kMime: not ours
};

DataObject::DataObject(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

DataObject::~DataObject() = default;

std::shared_ptr<DataObject> DataObject::FromText(std::string_view text) {
  auto impl = std::make_unique<Impl>();
  impl->text = std::string(text);
  return std::shared_ptr<DataObject>(new DataObject(std::move(impl)));
}

std::shared_ptr<DataObject> DataObject::FromClipboard() {
  auto impl = std::make_unique<Impl>();
  impl->kind = Impl::Kind::kClipboard;
  return std::shared_ptr<DataObject>(new DataObject(std::move(impl)));
}

std::unique_ptr<DataObject> DataObject::ViewOf(const QMimeData* mime) {
  auto impl = std::make_unique<Impl>();
  impl->kind = Impl::Kind::kMime;
  impl->mime = mime;
  return std::unique_ptr<DataObject>(new DataObject(std::move(impl)));
}

bool DataObject::HasText() const {
  switch (impl_->kind) {
    case Impl::Kind::kText: return true;
    case Impl::Kind::kClipboard: return ClipboardHasText();
    case Impl::Kind::kMime: return impl_->mime && impl_->mime->hasText();
  }
  return false;
}

std::optional<std::string> DataObject::GetText() const {
  for (int failing = hooks::failing_text_reads.load(); failing > 0;) {
    if (hooks::failing_text_reads.compare_exchange_weak(failing, failing - 1)) return std::nullopt;
  }
  return ReadText();
}

std::optional<std::string> DataObject::ReadText() const {
  switch (impl_->kind) {
    case Impl::Kind::kText: return impl_->text;
    case Impl::Kind::kClipboard: return GetClipboardText();
    case Impl::Kind::kMime:
      if (!HasText()) return std::nullopt;
      return Utf8ToCp1252(impl_->mime->text().toStdString());
  }
  return std::nullopt;
}

QMimeData* DataObject::ToMimeData() const {
  auto* mime = new QMimeData;
  if (const std::optional<std::string> text = ReadText()) mime->setText(QString::fromStdString(Cp1252ToUtf8(*text)));
  return mime;
}

bool DataObject::SetClipboard() const {
  if (!QGuiApplication::instance()) return false;
  QGuiApplication::clipboard()->setMimeData(ToMimeData());
  return true;
}

}  // namespace plat
