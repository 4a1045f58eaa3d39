#include "graphics/fem/element_matrices.h"

#include "mechanics/model/element_own_loads.h"

namespace revuzavi {

mechanics::ElementMatrix ElementStiffness(const ViewerState& state, int e) {
  return mechanics::ElementStiffnessOf(state.elements[e], state.materials, state.sections);
}

mechanics::ElementMatrix ElementStiffnessPart(const ViewerState& state, int e, int type, float a) {
  const common::ElementRecord& element = state.elements[e];
  mechanics::ElementDirection direction = mechanics::DirectionOfElement(element);
  const double whole = direction.length;
  if (type == static_cast<int>(ElementPart::kStart)) {
    direction.length = a;
  } else if (type == static_cast<int>(ElementPart::kRest)) {
    direction.length = whole - a;
  }
  return mechanics::ElementStiffness(mechanics::ElementRigidityOf(element, state.materials, state.sections),
                                     direction);
}

}  // namespace revuzavi
