#pragma once
// PrintScales: the 100-byte PSCALA block of the settings folder, shared by the
// shell, the results viewer and the page printer. Byte 80 is the text factor of
// every picture; the rest is carried as it stands.
#include <cstdint>

#include "common/records/byte_record.h"

namespace common {

class PrintScales : public ByteRecord<100> {
 public:
  // What a missing file is written with.
  static PrintScales Default();

  // Text scale of all picture texts.
  double text_scale() const { return At<double, 80>(); }
  void set_text_scale(double v) { SetAt<double, 80>(v); }
  // Pen factor of the plotter output.
  float pen_factor() const { return At<float, 92>(); }
  void set_pen_factor(float v) { SetAt<float, 92>(v); }
};
static_assert(sizeof(PrintScales) == 100);

}  // namespace common
