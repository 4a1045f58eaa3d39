#include "platform/dialogs/font_dialog.h"

#include <QFontDialog>

#include <cmath>
#include <cstdlib>

#include "platform/dc/qt_fonts.h"
#include "platform/message_box.h"
#include "platform/text_codec.h"
#include "platform/dialogs/dialog_frame.h"

namespace plat {

FontDialog::FontDialog(const Font* initial, Window* owner) : CommonDialog("Font", owner) {
  if (initial) {
    font_ = *initial;
  } else {
    font_.face = "ARIAL";
    font_.height = -13;  // 10 points
  }
}

int FontDialog::GetSize() const {
  // Character height in pixels at 96 per inch, as tenths of a point.
  return static_cast<int>(std::lround(std::abs(font_.height) * 720.0 / 96.0));
}

int FontDialog::DoModal() { return Ask([this] { return AskPerson(); }); }

int FontDialog::AskPerson() {
  QWidget* parent = owner() ? detail::WidgetOfWindow(*owner()) : nullptr;
  QFont start(FontFamilyFor(font_.face));
  start.setPixelSize(std::max(1, std::abs(font_.height == 0 ? 12 : font_.height)));
  start.setBold(font_.weight >= FW_BOLD);
  start.setItalic(font_.italic);
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, start, parent, QString::fromStdString(Cp1252ToUtf8(title())),
                                            QFontDialog::DontUseNativeDialog);
  if (!ok) return IDCANCEL;
  font_.face = Utf8ToCp1252(chosen.family().toStdString());
  const double points = chosen.pointSizeF() > 0 ? chosen.pointSizeF() : chosen.pixelSize() * 72.0 / 96.0;
  font_.height = -static_cast<int>(std::lround(points * 96.0 / 72.0));
  font_.weight = chosen.bold() ? FW_BOLD : FW_NORMAL;
  font_.italic = chosen.italic();
  font_.underline = chosen.underline();
  font_.strike_out = chosen.strikeOut();
  return IDOK;
}

}  // namespace plat
