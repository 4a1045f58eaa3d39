#include "graphics/reanalysis/release_records.h"

#include <algorithm>

#include "graphics/picture/element_values.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "mechanics/model/element_own_loads.h"

namespace revuzavi {

const common::PointLoadRecord& ReleaseRecord(const ViewerState& state, const ReleaseSet& releases, int r) {
  return state.point_loads[releases.own_point_loads + 1 + r];
}

common::PointLoadRecord& ReleaseRecord(ViewerState& state, const ReleaseSet& releases, int r) {
  return state.point_loads[releases.own_point_loads + 1 + r];
}

bool IsKinkRecord(const common::PointLoadRecord& record) { return record.kind() == common::PointLoadRecord::kKink; }

bool IsCutRecord(const ViewerState& state, const ReleaseSet& releases, int r) {
  const int number = ReleaseRecord(state, releases, r).release_number();
  for (int other : {r - 1, r + 1}) {
    if (other >= 0 && other < releases.records() &&
        ReleaseRecord(state, releases, other).release_number() == number) {
      return true;
    }
  }
  return false;
}

float ReleaseStation(const common::ElementRecord& element, int type) {
  const float length = element.length();
  if (type == 0) return std::min(0.1f, 0.5f * length);
  return type == 1 ? length : 0.5f * length;
}

common::PointLoadRecord MakeReleaseRecord(const ViewerState& state, int e, int type, int number, std::uint8_t kind) {
  const common::ElementRecord& element = state.elements[e];
  const float xi = ReleaseStation(element, type);
  common::PointLoadRecord r;
  r.set_kind(kind);
  r.set_placement(common::PointLoadRecord::kOnElement);
  r.set_element(static_cast<std::int16_t>(e));
  r.set_release_position_type(static_cast<std::int16_t>(type));
  r.set_release_number(static_cast<std::int16_t>(number));
  r.set_distance(xi);
  // The point as the load input stores one: x, the records' y (down) and the user's z (up), each
  // taken along the element between its ends.
  const float t = element.length() > 0.0f ? xi / element.length() : 0.0f;
  r.set_x(element.xa() + t * (element.xb() - element.xa()));
  r.set_y(element.ya() + t * (element.yb() - element.ya()));
  r.set_z(element.za() + t * (element.zb() - element.za()));
  r.set_value(1.0f);
  return r;
}

std::string AuxForcesFile(const ViewerState& state, const common::PointLoadRecord& record) {
  return StepFile(state.position, IsKinkRecord(record) ? "FAUXF" : "FAUXV", record.release_number());
}

UnitForces UnitDislocationForces(const ViewerState& state, const common::PointLoadRecord& record) {
  const common::ElementRecord& element = state.elements[record.element()];
  const double ei = mechanics::ElementRigidityOf(element, state.materials, state.sections).ei;
  const mechanics::LoadAxes axes = mechanics::LoadAxesOf(element);
  UnitForces u;
  u.dofs = mechanics::ElementEquationsOf(element, state.nodes);
  u.forces = IsKinkRecord(record) ? mechanics::KinkForces(axes, record.distance(), 1.0, ei)
                                  : mechanics::TransverseDislocationForces(axes, 1.0, ei);
  return u;
}

double ReleasedForce(const ViewerState& state, const mechanics::CurveSwitches& switches,
                     const common::PointLoadRecord& record) {
  const mechanics::SectionForces f =
      mechanics::ComposeElementForcesAt(CurveModelOf(state), record.element(), switches, record.distance());
  return IsKinkRecord(record) ? f.m : f.v;
}

}  // namespace revuzavi
