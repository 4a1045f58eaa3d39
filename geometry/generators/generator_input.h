#pragma once
// The inputs of the structure generators as the editor keeps them: the spans of
// a continuous beam (DLT), the storeys of a storey frame (RAHMENDAT) and the arc
// (BOGEN). The parabola's input is kept in the frame model (parabola_input.h).
#include <cstdint>

#include "common/records/byte_record.h"
#include "common/records/table.h"

namespace kelmf {

// The limits of the generated frames.
inline constexpr int kMaxSpans = 30;
inline constexpr int kMaxStoreys = 20;
inline constexpr int kMaxPiers = 50;  // piers of one storey
// Rows of the span and storey tables (their input grids have 100 rows), so
// that an input beyond a limit reaches the generator, which refuses it.
inline constexpr int kGeneratorTableRows = 100;

// SpanRecord (DLT), 8 bytes: a span of the continuous beam.
class SpanRecord : public common::ByteRecord<8> {
 public:
  std::int32_t number() const { return At<std::int32_t, 0>(); }
  void set_number(std::int32_t v) { SetAt<std::int32_t, 0>(v); }
  // x of the span's right end [m], from the left end of the beam.
  float x_end() const { return At<float, 4>(); }
  void set_x_end(float v) { SetAt<float, 4>(v); }
};
static_assert(sizeof(SpanRecord) == 8);

// StoreyRecord (RAHMENDAT), 16 bytes: a storey of the storey frame.
class StoreyRecord : public common::ByteRecord<16> {
 public:
  float height() const { return At<float, 0>(); }  // [m]
  void set_height(float v) { SetAt<float, 0>(v); }
  float spacing() const { return At<float, 4>(); }  // of the piers [m]
  void set_spacing(float v) { SetAt<float, 4>(v); }
  std::int32_t piers() const { return At<std::int32_t, 8>(); }
  void set_piers(std::int32_t v) { SetAt<std::int32_t, 8>(v); }
  // The storey's number (its row in the input).
  std::int32_t number() const { return At<std::int32_t, 12>(); }
  void set_number(std::int32_t v) { SetAt<std::int32_t, 12>(v); }
};
static_assert(sizeof(StoreyRecord) == 16);

// ArcInput (BOGEN), 16 bytes: radius [m], the angles on the left and on the
// right [degrees], the number of segments.
class ArcInput : public common::ByteRecord<16> {
 public:
  // What the arc input shows the first time: 10 m, 180 and 0 degrees, 48 segments.
  static ArcInput Default() {
    ArcInput a;
    a.set_radius(10.0f);
    a.set_left_angle(180.0f);
    a.set_right_angle(0.0f);
    a.set_segments(48);
    return a;
  }

  float radius() const { return At<float, 0>(); }
  void set_radius(float v) { SetAt<float, 0>(v); }
  float left_angle() const { return At<float, 4>(); }
  void set_left_angle(float v) { SetAt<float, 4>(v); }
  float right_angle() const { return At<float, 8>(); }
  void set_right_angle(float v) { SetAt<float, 8>(v); }
  std::int32_t segments() const { return At<std::int32_t, 12>(); }
  void set_segments(std::int32_t v) { SetAt<std::int32_t, 12>(v); }
};
static_assert(sizeof(ArcInput) == 16);

using SpanTable = common::Table<SpanRecord, kGeneratorTableRows>;
using StoreyTable = common::Table<StoreyRecord, kGeneratorTableRows>;

}  // namespace kelmf
