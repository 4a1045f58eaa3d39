#pragma once
// The arc and parabola inputs of the Input panel: three or four fields each,
// read after OK into the generator's input.
#include <string>

#include "common/result.h"
#include "geometry/generators/generator_input.h"
#include "geometry/model/parabola_input.h"
#include "platform/dialogs/dialog.h"

namespace kelmf {

namespace gen_ids {
inline constexpr plat::UINT kArc = 322;
inline constexpr plat::UINT kParabola = 321;
inline constexpr plat::UINT kRadius = 1000;
inline constexpr plat::UINT kLeftAngle = 1005;
inline constexpr plat::UINT kRightAngle = 1006;
inline constexpr plat::UINT kSegments = 1007;
inline constexpr plat::UINT kLength = 1000;
inline constexpr plat::UINT kHeight = 1005;
inline constexpr plat::UINT kElements = 1006;
}  // namespace gen_ids

// The arc's fields as shown: the floats "%.2f", the count "%i".
struct ArcFields {
  std::string radius, left_angle, right_angle, segments;
};
ArcFields FieldsOfArc(const ArcInput& arc);
// The fields read back (decimal comma allowed); a number of segments that is
// no whole number from 1 to 100 is refused before it is converted.
common::Outcome<ArcInput> ArcOfFields(const ArcFields& fields);

struct ParabolaFields {
  std::string length, height, elements;
};
// Empty fields while the stored input has no element.
ParabolaFields FieldsOfParabola(const ParabolaInput& parabola);
// The number of elements is read as a number and cut to a whole one; outside
// 1 to 100 it is refused before the conversion.
common::Outcome<ParabolaInput> ParabolaOfFields(const ParabolaFields& fields);

// "Arc": radius, angle on the left, angle on the right, number of segments.
class CDiaBogen : public plat::Dialog {
 public:
  explicit CDiaBogen(plat::Window* owner = nullptr);
  ArcFields fields;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnInitDialog() override;
};

// "Parabola": length of the base line, height, number of elements.
class DiaParabola : public plat::Dialog {
 public:
  explicit DiaParabola(plat::Window* owner = nullptr);
  ParabolaFields fields;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
};

}  // namespace kelmf
