#pragma once
// plat::Bitmap: an image of device pixels (24-bit colour) that a PainterDc
// draws into: an offscreen picture, or the backing image of a window, which
// persists between paints so that drawing outside a paint (rubber bands in
// R2_NOT) works as on a window DC. Copies share pixels until one changes.
#include <memory>
#include <string>

#include "common/result.h"
#include "platform/dc/gdi_types.h"

namespace plat {

class Bitmap {
 public:
  Bitmap();  // empty, 0 x 0
  Bitmap(int width, int height, ColorRef fill = Rgb(255, 255, 255));
  Bitmap(const Bitmap& other);
  Bitmap& operator=(const Bitmap& other);
  Bitmap(Bitmap&& other) noexcept;
  Bitmap& operator=(Bitmap&& other) noexcept;
  ~Bitmap();

  int width() const;
  int height() const;
  bool IsEmpty() const { return width() <= 0 || height() <= 0; }

  // The colour of a pixel; black outside the image.
  ColorRef Pixel(int x, int y) const;
  void Fill(ColorRef color);
  // Changes the size; the pixels that remain keep their place (top left
  // anchored, as a window's client area), new ones get the fill colour.
  void Resize(int width, int height, ColorRef fill = Rgb(255, 255, 255));
  // True when both have the same size and the same pixels.
  bool SamePixels(const Bitmap& other) const;

  // Stores the image; the format follows the file's extension (".bmp", ".jpg",
  // ".jpeg", ".png", any case). A failure names the file.
  common::Result Save(const std::string& path) const;

  struct Impl;
  Impl& impl() { return *impl_; }
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace plat
