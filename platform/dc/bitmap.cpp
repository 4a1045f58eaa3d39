#include "platform/dc/bitmap.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageWriter>
#include <algorithm>
#include <cctype>
#include <fstream>

#include "platform/dc/image_memory.h"
#include "platform/dc/qt_bitmap.h"

namespace plat {
namespace {

QColor ToQColor(ColorRef c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

QImage MakeImage(int width, int height, ColorRef fill) {
  if (width <= 0 || height <= 0) return QImage();
  QImage image = detail::NewRgb32Image(width, height);
  image.fill(ToQColor(fill));
  return image;
}

}  // namespace

Bitmap::Bitmap() : impl_(std::make_unique<Impl>()) {}

Bitmap::Bitmap(int width, int height, ColorRef fill) : impl_(std::make_unique<Impl>()) {
  impl_->image = MakeImage(width, height, fill);
}

Bitmap::Bitmap(const Bitmap& other) : impl_(std::make_unique<Impl>(*other.impl_)) {}

Bitmap& Bitmap::operator=(const Bitmap& other) {
  if (this != &other) *impl_ = *other.impl_;
  return *this;
}

Bitmap::Bitmap(Bitmap&& other) noexcept : impl_(std::make_unique<Impl>()) {
  std::swap(impl_->image, other.impl_->image);
}

Bitmap& Bitmap::operator=(Bitmap&& other) noexcept {
  std::swap(impl_->image, other.impl_->image);
  return *this;
}

Bitmap::~Bitmap() = default;

int Bitmap::width() const { return impl_->image.width(); }
int Bitmap::height() const { return impl_->image.height(); }

ColorRef Bitmap::Pixel(int x, int y) const {
  const QImage& image = impl_->image;
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return Rgb(0, 0, 0);
  const QRgb p = image.pixel(x, y);
  return Rgb(qRed(p), qGreen(p), qBlue(p));
}

void Bitmap::Fill(ColorRef color) {
  if (!impl_->image.isNull()) impl_->image.fill(ToQColor(color));
}

void Bitmap::Resize(int width, int height, ColorRef fill) {
  if (width == this->width() && height == this->height()) return;
  QImage resized = MakeImage(width, height, fill);
  if (!resized.isNull() && !impl_->image.isNull()) {
    QPainter painter(&resized);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, impl_->image);
  }
  impl_->image = resized;
}

bool Bitmap::SamePixels(const Bitmap& other) const { return impl_->image == other.impl_->image; }

common::Result Bitmap::Save(const std::string& path) const {
  const std::size_t dot = path.rfind('.');
  std::string extension = dot == std::string::npos ? "" : path.substr(dot + 1);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  const char* format = extension == "bmp"                         ? "BMP"
                       : extension == "jpg" || extension == "jpeg" ? "JPG"
                       : extension == "png"                        ? "PNG"
                                                                   : nullptr;
  if (format == nullptr) return common::Result::Fail("Unknown picture format: " + path);
  if (impl_->image.isNull()) return common::Result::Fail("Empty picture: " + path);

  // Encoded in memory and written as bytes, so the path is used as it is.
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (std::string(format) == "JPG") writer.setQuality(90);
  if (!writer.write(impl_->image)) {
    return common::Result::Fail("Cannot encode picture " + path + ": " +
                                writer.errorString().toStdString());
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.constData(), bytes.size());
  out.close();
  if (!out) return common::Result::Fail("Cannot write file " + path);
  return common::Result::Ok();
}

Bitmap BitmapFromQImage(const QImage& image) {
  Bitmap bitmap;
  QtImage(bitmap) = image.convertToFormat(QImage::Format_RGB32);
  return bitmap;
}

}  // namespace plat
