#include "loads/manage/reset_load_case.h"

#include <algorithm>

namespace pundf {

void ResetLoadCase(LoadModel& model) {
  LoadCase& lc = model.load_case;
  common::LoadCaseParams& p = lc.params;
  for (std::size_t offset : {4, 10, 14, 22, 30, 36}) p.Clear(offset, 2);
  p.Clear(292, 8);   // uniform-load value
  p.Clear(316, 16);  // gamma and covering
  p.Clear(336, 5);   // generator flags, byte 340
  p.Clear(342, 1);   // temperature flag
  p.Clear(347, 5);   // settlement and gravity flags, 349..351
  p.Clear(210, 1);   // the title
  for (int k = 1; k <= common::PointLoadTable::kCapacity; ++k) {
    auto& load = lc.point_loads[k];
    load.set_force_x(0.0f);
    load.set_force_y(0.0f);
    load.set_kind_value(0.0f);
  }
  lc.point_loads.SetCount(0);
  lc.point_notes.SetCount(0);
  lc.line_loads.SetCount(0);
  lc.line_notes.SetCount(0);
  lc.prestress.SetCount(0);
  // The element count of the frame, never more than the marks held.
  const int elements = std::min(model.geometry.element_count(), common::kMaxElements);
  for (int e = 1; e <= elements; ++e) model.editor.element_marks[e] = 0;
}

}  // namespace pundf
