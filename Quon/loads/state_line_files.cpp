#include "Quon/loads/state_line_files.h"

#include <vector>

#include "Quon/elements/element_data.h"
#include "Quon/loads/element_load_inputs.h"
#include "Quon/results/result_files.h"
#include "mechanics/curves/element_curves.h"
#include "mechanics/curves/state_lines.h"

namespace zedir {

common::Result WriteStateLines(const Run& run) {
  std::vector<SampleLineFile> files;
  for (int i = 1; i <= run.line_loads.count(); ++i) {
    const mechanics::StateLines lines = mechanics::FixedEndStateLines(LineLoadOnElementOf(run, run.line_loads[i]));
    files.push_back({StateLineFile(run, kNormalStateLine, i), lines.n.Rounded()});
    files.push_back({StateLineFile(run, kMomentStateLine, i), lines.m.Rounded()});
    files.push_back({StateLineFile(run, kShearStateLine, i), lines.v.Rounded()});
  }
  for (int k = 1; k <= run.point_loads.count(); ++k) {
    const common::PointLoadRecord& load = run.point_loads[k];
    if (!IsElementPointLoad(load)) continue;
    const int e = load.element();
    const mechanics::ElementCurves lines = mechanics::PointLoadCurves(
        PointLoadOnElementOf(load), run.elements[e].length(), ElementRigidity(run, e));
    files.push_back({SourceLineFile(run, kNormalSourceLine, k, e), lines.n.Rounded()});
    files.push_back({SourceLineFile(run, kShearSourceLine, k, e), lines.v.Rounded()});
  }
  return FirstUnwritten(files, WriteSampleLines(files));
}

}  // namespace zedir
