#pragma once
// RecordingDc: a Dc for tests that draws nothing and keeps every drawing call
// with its resolved pen, brush, font and device points. Its device and its font
// metrics are fixed, so a recording is the same on every machine:
//   - 1000 x 700 pixels, 96 pixels per inch, 264 x 185 mm, a display;
//   - a font of |h| device pixels (12 when its height is 0): ascent h - h/5,
//     descent h/5, no internal leading, external leading h/10, every character
//     as wide as the average character width, which is (h + 1) / 2 (half the
//     height, rounded) or the font's own width when it has one.
#include <string>
#include <vector>

#include "platform/dc/dc.h"

namespace plat {

class RecordingDc final : public Dc {
 public:
  static DeviceCaps FixedCaps();
  // Other caps (a printer, say) keep the fixed font metrics.
  explicit RecordingDc(const DeviceCaps& caps = FixedCaps());

  const std::vector<DeviceOp>& ops() const { return ops_; }
  // The recording, one line per call (see Describe), each line ending in "\n".
  std::string Text() const;
  void Clear() { ops_.clear(); }

 protected:
  void Render(const DeviceOp& op) override;
  TextMetrics MeasureFont(const DeviceFont& font) override;
  int MeasureText(const DeviceFont& font, std::string_view text) override;

 private:
  std::vector<DeviceOp> ops_;
};

// One call as a line of text, for example
//   LineTo pen(solid,1,#000000) [10,20 30,40]
//   LineTo pen(solid,20,#000000,flat,miter) [10,20 30,40]   (a geometric pen)
//   TextOut font("ARIAL",-11,w0,esc-300,400) color #000000 transparent at 100,200 "Hello"
// The raster operation is named when it is not R2_COPYPEN, the clip when set.
std::string Describe(const DeviceOp& op);

}  // namespace plat
