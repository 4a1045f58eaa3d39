#include "graphics/diagrams/unit_dislocation_lines.h"

#include "mechanics/curves/element_curves.h"
#include "mechanics/model/element_curves_of.h"

namespace revuzavi {
namespace {

// The curves of the unit dislocation of Green kind `kind` on the held element.
mechanics::ElementCurves UnitCurves(int kind, double length, double ei, double position) {
  mechanics::PointLoadOnElement d;
  mechanics::GreenDislocation(kind, position, d);
  return mechanics::PointLoadCurves(d, length, mechanics::Rigidity{1.0, ei});
}

constexpr int kUnitMoment = 3, kUnitJump = 5, kUnitKink = 6;

}  // namespace

mechanics::CurveLine MomentLineUnitMoment(double length, double position) {
  return UnitCurves(kUnitMoment, length, 1.0, position).m;
}
mechanics::CurveLine ShearLineUnitMoment(double length, double position) {
  return UnitCurves(kUnitMoment, length, 1.0, position).v;
}
mechanics::CurveLine MomentLineUnitJump(double length, double ei, double position) {
  return UnitCurves(kUnitJump, length, ei, position).m;
}
mechanics::CurveLine ShearLineUnitJump(double length, double ei, double position) {
  return UnitCurves(kUnitJump, length, ei, position).v;
}
mechanics::CurveLine MomentLineUnitKink(double length, double ei, double position) {
  return UnitCurves(kUnitKink, length, ei, position).m;
}
mechanics::CurveLine ShearLineUnitKink(double length, double ei, double position) {
  return UnitCurves(kUnitKink, length, ei, position).v;
}

}  // namespace revuzavi
