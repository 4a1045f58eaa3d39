#include "loads/integration/line_load_integration.h"

#include <cctype>
#include <cmath>

#include "mechanics/loads/line_load_end_forces.h"

namespace pundf {
namespace {

constexpr float kShortestLength = 0.01f;
constexpr double kNodeRadius = 0.05;

struct Components {
  double along_start, normal_start, along_end, normal_end;
};

// The components at the stretch's start and end; false for an unknown direction.
bool ComponentsOf(const common::LineLoadRecord& load, double c, double s, Components& out) {
  const double a = load.value_a();
  const double b = load.value_b();
  switch (std::toupper(static_cast<unsigned char>(load.direction()))) {
    case 'T':
      out = {a, 0.0, b, 0.0};
      return true;
    case 'N':
      out = {0.0, a, 0.0, b};
      return true;
    case 'X':  // qx = a, b: along = qx c, across = -qx s
      out = {a * c, -a * s, b * c, -b * s};
      return true;
    case 'Y':  // qy = a, b: along = qy s, across = qy c
      out = {a * s, a * c, b * s, b * c};
      return true;
    default:
      return false;
  }
}

// A stretch given from its end to its start (xb < xa) turned round: its ends
// with their values and points change places, so that the load stays the same
// and every reader finds xa <= xb.
void OrderStretch(common::LineLoadRecord& load) {
  if (load.whole_element() != 0 || load.xb() >= load.xa()) return;
  const common::LineLoadRecord given = load;
  load.set_xa(given.xb());
  load.set_xb(given.xa());
  load.set_value_a(given.value_b());
  load.set_value_b(given.value_a());
  load.set_along_a(given.along_b());
  load.set_along_b(given.along_a());
  load.set_normal_a(given.normal_b());
  load.set_normal_b(given.normal_a());
  load.set_x1(given.x2());
  load.set_y1(given.y2());
  load.set_z1(given.z2());
  load.set_x2(given.x1());
  load.set_y2(given.y1());
  load.set_z2(given.z1());
}

}  // namespace

int NodeAtPoint(const common::NodeTable& nodes, float x, float y) {
  int found = 0;
  for (int k = 1; k <= nodes.count(); ++k) {
    const double dx = static_cast<double>(nodes[k].x()) - x;
    const double dy = static_cast<double>(nodes[k].y()) - y;
    if (std::sqrt(dx * dx + dy * dy) < kNodeRadius) found = k;
  }
  return found;
}

void IntegrateLineLoad(common::LineLoadRecord& load, const common::ElementRecord& element,
                       const common::NodeTable& nodes) {
  const double l = element.length() < kShortestLength ? 1.0 : element.length();
  const double c = element.cosine();
  const double s = element.sine();
  OrderStretch(load);

  Components q;
  if (ComponentsOf(load, c, s, q)) {
    load.set_along_a(static_cast<float>(q.along_start));
    load.set_normal_a(static_cast<float>(q.normal_start));
    load.set_along_b(static_cast<float>(q.along_end));
    load.set_normal_b(static_cast<float>(q.normal_end));
  }
  // The components as stored (an unknown direction keeps the old ones).
  const double ts = load.along_a(), ns = load.normal_a(), te = load.along_b(), ne = load.normal_b();

  const bool whole = load.whole_element() != 0;
  const double s0 = whole ? 0.0 : load.xa();
  const double s1 = whole ? l : load.xb();
  const double stretch = s1 - s0;
  const auto along = mechanics::LoadThrough(s0, ts, s1, te);
  const auto across = mechanics::LoadThrough(s0, ns, s1, ne);
  const auto f = mechanics::ClampedLineLoadEndForces(l, s0, s1, along, across);

  const double element_axes[6] = {-f.ma, f.mb, f.va, -f.vb, f.na, -f.nb};
  const double global[6] = {f.na * c - f.va * s, f.na * s + f.va * c, -f.ma,
                            f.nb * c - f.vb * s, f.nb * s + f.vb * c, -f.mb};
  for (int k = 1; k <= 6; ++k) {
    const float g = static_cast<float>(global[k - 1]);
    load.set_global_force(k, g);
    load.set_global_force_copy(k, g);
    load.set_negated_force(k, -g);
    load.set_element_force(k, static_cast<float>(element_axes[k - 1]));
  }

  load.set_start_node(static_cast<std::int16_t>(NodeAtPoint(nodes, element.xa(), element.ya())));
  load.set_end_node(static_cast<std::int16_t>(NodeAtPoint(nodes, element.xb(), element.yb())));

  const auto normal = mechanics::TrapezoidResultant(ns, ne, stretch);
  const auto axial = mechanics::TrapezoidResultant(ts, te, stretch);
  load.set_normal_resultant(static_cast<float>(normal.value));
  load.set_axial_resultant(static_cast<float>(axial.value));
  load.set_normal_at_start(static_cast<float>(across.at_start));
  load.set_normal_slope(static_cast<float>(across.slope));
  load.set_axial_at_start(static_cast<float>(along.at_start));
  load.set_axial_slope(static_cast<float>(along.slope));
  load.set_normal_resultant_position(static_cast<float>(normal.value != 0.0 ? s0 + normal.offset : 0.0));
  load.set_axial_resultant_position(static_cast<float>(axial.value != 0.0 ? s0 + axial.offset : 0.0));
}

void IntegrateLineLoads(common::LineLoadTable& loads, const common::ElementTable& elements,
                        const common::NodeTable& nodes) {
  for (auto& load : loads.used()) IntegrateLineLoad(load, elements[load.element()], nodes);
}

}  // namespace pundf
