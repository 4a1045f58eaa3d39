#pragma once
// PainterDc: a Dc that draws with Qt's raster painter into a plat::Bitmap (an
// offscreen picture or a window's backing image) or onto any Qt paint device
// with caps given by the caller (the printer backend). Lines and shapes are
// drawn without smoothing, so that raster operations such as R2_NOT are exact:
// drawing the same rubber band twice restores the image.
//
// One PainterDc at a time per bitmap; it draws until it is destroyed.
#include <memory>

#include "platform/dc/bitmap.h"
#include "platform/dc/dc.h"

class QPaintDevice;
class QPainter;

namespace plat {

class PainterDc : public Dc {
 public:
  // A screen surface of the bitmap's size at 96 pixels per inch.
  explicit PainterDc(Bitmap& bitmap);
  PainterDc(Bitmap& bitmap, const DeviceCaps& caps);
  // Draws on a Qt paint device (platform/ only).
  PainterDc(QPaintDevice& device, const DeviceCaps& caps);
  ~PainterDc() override;

  // The device pixels that drawing may have changed since the Dc was made
  // (within the surface and the clip); empty when nothing was drawn.
  Rect TouchedRect() const;
  // The painter that draws (platform/ only: for what Qt draws itself, such
  // as a text document's pages); its state is the caller's to restore.
  QPainter& painter();

 protected:
  void Render(const DeviceOp& op) override;
  TextMetrics MeasureFont(const DeviceFont& font) override;
  int MeasureText(const DeviceFont& font, std::string_view text) override;

 private:
  friend class PrinterDc;  // draws its resolved calls through a PainterDc

  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace plat
