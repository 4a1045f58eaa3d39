#include "loads/dialogs/info_text.h"

#include "common/records/capacities.h"
#include "loads/tables/cell_texts.h"

namespace pundf {

std::string InfoText(const LoadModel& model) {
  const common::LoadCaseParams& p = model.load_case.params;
  const auto number = [](double v) { return tables::FormatNumber("%.2f", v); };
  const std::string end = "\r\n";
  std::string text = "Position: " + model.position.name() + end;
  text += "Title: " + p.title() + end;
  text += "LC " + std::to_string(model.load_case.number()) + end;
  if (p.gravity_flag() != 0) {
    text += "LC Gravity load  gamma = " + number(p.gamma()) + " kN/m3, floor covering = " + number(p.covering()) +
            " kN/m" + end;
  } else {
    text += "Uniform load = " + number(p.uniform_load()) + " kN/m" + end;
  }
  // The loads of the load case in memory, as a store would write them: the user's line loads and
  // one gravity load per element.
  const int line_loads =
      model.load_case.line_loads.count() + (p.gravity_flag() != 0 ? model.geometry.element_count() : 0);
  text += "Line loads = " + std::to_string(line_loads) + ", max = " + std::to_string(common::kMaxLineLoads) +
          " per LC" + end;
  text += "Point loads = " + std::to_string(model.load_case.point_loads.count()) +
          ", max = " + std::to_string(common::kMaxPointLoads) + " per LC" + end;
  if (p.settlement_flag() != 0) text += "LC Settlements" + end;
  if (p.temperature_flag() != 0) text += "LC Temperature" + end;
  return text;
}

}  // namespace pundf
