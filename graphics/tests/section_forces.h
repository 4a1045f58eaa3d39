#pragma once
// N, M and V of an element at a station, composed as the pictures compose the element's curves.
#include "graphics/picture/element_values.h"
#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"
#include "mechanics/model/element_curves_of.h"

namespace revuzavi::testing {

// At `fraction` of element e's length: 0 its start, 1 its end, 0.5 its middle.
inline mechanics::SectionForces ForcesAt(const ViewerState& state, const ViewState& view, int e, double fraction,
                                         const PictureCurveSwitches& switches = {}) {
  return mechanics::ComposeElementForcesAt(CurveModelOf(state), e, CurveSwitchesOf(view, e, switches),
                                           fraction * state.elements[e].length());
}

}  // namespace revuzavi::testing
