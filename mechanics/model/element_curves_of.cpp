#include "mechanics/model/element_curves_of.h"

#include "mechanics/curves/state_lines.h"
#include "mechanics/model/element_load_inputs.h"

namespace mechanics {
namespace {

// Calls point(load), line(load) and temperature(alpha, t, dt, h) for each load between the ends of
// element e, in this order.
template <class Point, class Line, class Temperature>
void ForEachLoad(const ElementCurveModel& model, int e, Point point, Line line, Temperature temperature) {
  for (const common::PointLoadRecord& load : model.tables.point_loads.used()) {
    if (IsElementPointLoad(load) && load.element() == e) point(PointLoadOnElementOf(load));
  }
  for (const common::LineLoadRecord& load : model.line_loads.used()) {
    if (load.element() == e) line(LineLoadOnElementOf(model.tables.elements, load));
  }
  if (model.tables.load_case.temperature_flag() == 0 || e > model.tables.temperatures.count()) return;
  const common::TemperatureLoadRecord& load = model.tables.temperatures[e];
  if (load.loaded() == 0) return;
  const float h = TemperatureHeight(model.tables.sections[model.tables.elements[e].cross_section()].height());
  temperature(model.tables.load_case.alpha_t(), load.uniform_t(), load.delta_t(), h);
}

}  // namespace

bool GreenDislocation(int kind, double position, PointLoadOnElement& dislocation) {
  PointLoadOnElement d;
  d.a = position;
  switch (kind) {
    case 1: d.kind = static_cast<int>(PointLoadKind::kForce), d.along = 1.0; break;
    case 2: d.kind = static_cast<int>(PointLoadKind::kForce), d.across = 1.0; break;
    case 3: d.kind = static_cast<int>(PointLoadKind::kMoment), d.moment = 1.0; break;
    case 4: d.kind = static_cast<int>(PointLoadKind::kAxialDislocation), d.value = 1.0; break;
    case 5: d.kind = static_cast<int>(PointLoadKind::kTransverseDislocation), d.value = 1.0; break;
    case 6: d.kind = static_cast<int>(PointLoadKind::kKink), d.value = 1.0; break;
    default: return false;
  }
  dislocation = d;
  return true;
}

EndValues EndValuesOf(const ElementCurveModel& model, int e) {
  const common::ElementRecord& element = model.tables.elements[e];
  const std::array<int, 6> q = ElementEquationsOf(element, model.tables.nodes);
  auto u = [&](int k) { return model.displacements[static_cast<std::size_t>(q[static_cast<std::size_t>(k)])]; };
  const double c = element.cosine(), s = element.sine();
  return EndValues{c * u(0) + s * u(1), c * u(1) - s * u(0), u(2), c * u(3) + s * u(4), c * u(4) - s * u(3), u(5)};
}

Rigidity CurveRigidity(const ElementCurveModel& model, int e, bool modified_stiffness) {
  const common::ElementRecord& element = model.tables.elements[e];
  Rigidity rigidity = ElementRigidityOf(element, model.tables.materials, model.tables.sections);
  if (modified_stiffness && element.modified_flag() != 0) {
    if (element.own_stiffness_flag() != 0) {
      rigidity = Rigidity{element.ea(), element.ei()};
    } else {
      rigidity.ea *= element.stiffness_factor();
      rigidity.ei *= element.stiffness_factor();
    }
  }
  return rigidity;
}

ElementCurves ComposeElementCurves(const ElementCurveModel& model, int e, const CurveSwitches& switches) {
  const Rigidity rigidity = CurveRigidity(model, e, switches.modified_stiffness);
  const double length = model.tables.elements[e].length();
  ElementCurves c = EndDisplacementCurves(EndValuesOf(model, e), length, rigidity);
  if (switches.loads) {
    ForEachLoad(
        model, e,
        [&](const PointLoadOnElement& load) { c += PointLoadCurves(load, length, rigidity); },
        [&](const LineLoadOnElement& load) { c += LineLoadCurves(load, rigidity); },
        [&](double alpha, double t, double dt, double h) { c += TemperatureCurves(alpha, t, dt, h, rigidity); });
  }
  if (switches.dislocation) c += PointLoadCurves(switches.unit_dislocation, length, rigidity);
  return c;
}

SectionForces ComposeElementForcesAt(const ElementCurveModel& model, int e, const CurveSwitches& switches, double x) {
  const Rigidity rigidity = CurveRigidity(model, e, switches.modified_stiffness);
  const double length = model.tables.elements[e].length();
  SectionForces f = EndDisplacementForcesAt(EndValuesOf(model, e), length, rigidity, x);
  if (switches.loads) {
    ForEachLoad(
        model, e,
        [&](const PointLoadOnElement& load) { f += PointLoadForcesAt(load, length, rigidity, x); },
        [&](const LineLoadOnElement& load) { f += FixedEndForcesAt(load, x); },
        [&](double alpha, double t, double dt, double h) { f += TemperatureSectionForces(alpha, t, dt, h, rigidity); });
  }
  if (switches.dislocation) f += PointLoadForcesAt(switches.unit_dislocation, length, rigidity, x);
  return f;
}

}  // namespace mechanics
