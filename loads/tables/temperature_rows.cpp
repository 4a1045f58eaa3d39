#include "loads/tables/temperature_rows.h"

#include <algorithm>

#include "common/text_to_float.h"

namespace pundf::tables {

CellTexts TemperatureCells(const LoadCase& load_case, int rows) {
  CellTexts cells = EmptyTable(rows, {"Element", "T", "Delta T"});
  if (load_case.params.temperature_flag() == 0) return cells;
  const int count = std::min(load_case.temperatures.count(), rows - 1);
  for (int e = 1; e <= count; ++e) {
    auto& row = cells[static_cast<std::size_t>(e)];
    row[1] = FormatNumber("%.2f", load_case.temperatures[e].uniform_t());
    row[2] = FormatNumber("%.2f", load_case.temperatures[e].delta_t());
  }
  return cells;
}

std::optional<Refusal> ReadTemperatures(const CellTexts& cells, LoadCase& load_case) {
  load_case.params.set_temperature_flag(0);
  const float alpha = static_cast<float>(load_case.params.alpha_t());
  const int count = std::min(load_case.temperatures.count(), static_cast<int>(cells.size()) - 1);
  for (int e = 1; e <= load_case.temperatures.count(); ++e) {
    auto& t = load_case.temperatures[e];
    t.set_loaded(0);
    t.set_uniform_t(0.0f);
    t.set_delta_t(0.0f);
    if (e > count) continue;
    const std::string uniform = CellText(cells, e, 1), delta = CellText(cells, e, 2);
    if (uniform.empty() && delta.empty()) continue;
    t.set_uniform_t(common::TextToFloat(uniform));
    t.set_delta_t(common::TextToFloat(delta));
    t.set_alpha_t(alpha);
    t.set_loaded(1);
    load_case.params.set_temperature_flag(1);
  }
  return std::nullopt;
}

}  // namespace pundf::tables
