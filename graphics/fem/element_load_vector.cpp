#include "graphics/fem/element_load_vector.h"

#include "mechanics/model/element_own_loads.h"

namespace revuzavi {

mechanics::Vector ElementLoadVector(const ViewerState& state, int e) {
  mechanics::Vector f(state.equation_count());
  const common::ElementRecord& element = state.elements[e];
  if (element.stiffness_factor() > 1e-5f || element.own_stiffness_flag() != 0) return f;
  const mechanics::ElementLoadModel model{state.elements,         state.nodes,        state.materials,
                                          state.sections,         state.load_case_params, state.temperatures,
                                          state.point_loads};
  mechanics::AddElementOwnLoads(model, state.line_loads, state.prestress, e, f);
  return f;
}

bool IsRemovedElement(const common::ElementRecord& element) {
  const float k = element.stiffness_factor();
  return k >= 0.0f && k <= 1e-5f && element.own_stiffness_flag() == 0;
}

}  // namespace revuzavi
