#pragma once
// DrawingExtents (EXTENSIOR, EXTENSIOPOLESR): xmin, zmin, xmax, zmax in metres.
#include "common/records/byte_record.h"

namespace common {

class DrawingExtents : public ByteRecord<16> {
 public:
  // What a position without EXTENSIOR is drawn in: 0..50 by 0..30.
  static DrawingExtents Default() { return Box(0.0f, 0.0f, 50.0f, 30.0f); }
  static DrawingExtents Box(float xmin, float zmin, float xmax, float zmax) {
    DrawingExtents e;
    e.set_xmin(xmin);
    e.set_zmin(zmin);
    e.set_xmax(xmax);
    e.set_zmax(zmax);
    return e;
  }

  float xmin() const { return At<float, 0>(); }
  void set_xmin(float v) { SetAt<float, 0>(v); }
  float zmin() const { return At<float, 4>(); }
  void set_zmin(float v) { SetAt<float, 4>(v); }
  float xmax() const { return At<float, 8>(); }
  void set_xmax(float v) { SetAt<float, 8>(v); }
  float zmax() const { return At<float, 12>(); }
  void set_zmax(float v) { SetAt<float, 12>(v); }
};
static_assert(sizeof(DrawingExtents) == 16);

}  // namespace common
