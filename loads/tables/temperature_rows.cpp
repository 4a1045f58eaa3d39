#include "loads/tables/temperature_rows.h"

#include <algorithm>
#include <array>
#include <vector>

namespace pundf::tables {
namespace {
const std::vector<std::string> kHeadings{"Element", "T", "Delta T"};
}  // namespace

CellTexts TemperatureCells(const LoadCase& load_case, int rows) {
  CellTexts cells = EmptyTable(rows, kHeadings);
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
  const int count = std::min(load_case.temperatures.count(), static_cast<int>(cells.size()) - 1);
  // Every cell is read before anything changes.
  std::vector<std::array<float, 2>> values(static_cast<std::size_t>(std::max(count, 0)) + 1);
  for (int e = 1; e <= count; ++e) {
    for (int c = 1; c <= 2; ++c) {
      const std::string& column = kHeadings[static_cast<std::size_t>(c)];
      if (auto refusal = CellFloat(cells, e, c, column, values[static_cast<std::size_t>(e)][c - 1])) return refusal;
    }
  }
  load_case.params.set_temperature_flag(0);
  const float alpha = static_cast<float>(load_case.params.alpha_t());
  for (int e = 1; e <= load_case.temperatures.count(); ++e) {
    auto& t = load_case.temperatures[e];
    t.set_loaded(0);
    t.set_uniform_t(0.0f);
    t.set_delta_t(0.0f);
    if (e > count) continue;
    if (CellText(cells, e, 1).empty() && CellText(cells, e, 2).empty()) continue;
    t.set_uniform_t(values[static_cast<std::size_t>(e)][0]);
    t.set_delta_t(values[static_cast<std::size_t>(e)][1]);
    t.set_alpha_t(alpha);
    t.set_loaded(1);
    load_case.params.set_temperature_flag(1);
  }
  return std::nullopt;
}

}  // namespace pundf::tables
