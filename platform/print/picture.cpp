#include "platform/print/picture.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/dc/painter_dc.h"
#include "platform/dc/qt_bitmap.h"

namespace plat {

Bitmap RenderPicture(int width, int height, const std::function<void(Dc&)>& draw) {
  Bitmap picture(width, height);
  if (!picture.IsEmpty()) {
    PainterDc dc(picture);
    draw(dc);
  }
  return picture;
}

void SetClipboardImage(const Bitmap& image) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setImage(QtImage(image));
}

Bitmap GetClipboardImage() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return Bitmap();
  const QImage image = clipboard->image();
  return image.isNull() ? Bitmap() : BitmapFromQImage(image);
}

}  // namespace plat
