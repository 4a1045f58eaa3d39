#include "loads/model/load_model.h"

namespace pundf {

LoadCase EmptyLoadCase(const Geometry& geometry, int number) {
  LoadCase lc;
  lc.params.set_load_case(static_cast<std::int16_t>(number));
  lc.params.set_load_case_text(common::CurrentLoadCaseText(number));
  lc.temperatures.SetCount(geometry.element_count());
  lc.settlements = geometry.supports;
  return lc;
}

}  // namespace pundf
