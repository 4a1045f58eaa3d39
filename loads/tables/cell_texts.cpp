#include "loads/tables/cell_texts.h"

#include <charconv>
#include <cstdio>

#include "common/table_number.h"

namespace pundf::tables {

std::string CellRaw(const CellTexts& cells, int row, int col) {
  if (row < 0 || col < 0 || static_cast<std::size_t>(row) >= cells.size()) return std::string();
  const auto& line = cells[static_cast<std::size_t>(row)];
  if (static_cast<std::size_t>(col) >= line.size()) return std::string();
  return line[static_cast<std::size_t>(col)];
}

std::string CellText(const CellTexts& cells, int row, int col) {
  std::string text = CellRaw(cells, row, col);
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::optional<int> CellInteger(std::string_view text) {
  if (text.empty() || text.size() > 6) return std::nullopt;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.front() == '-') return std::nullopt;
  return value;
}

CellTexts EmptyTable(int rows, std::vector<std::string> heading) {
  CellTexts cells(static_cast<std::size_t>(std::max(rows, 1)), std::vector<std::string>(heading.size()));
  cells[0] = std::move(heading);
  for (int r = 1; r < rows; ++r) cells[static_cast<std::size_t>(r)][0] = std::to_string(r);
  return cells;
}

std::string FormatNumber(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

Refusal RefuseCell(int row, int col, const std::string& what, const std::string& value, const std::string& why) {
  Refusal r;
  r.message = "Row " + std::to_string(row) + ": " + what + " \"" + value + "\" " + why;
  r.caption = "Input error";
  r.row = row;
  r.col = col;
  return r;
}

std::optional<Refusal> CellFloat(const CellTexts& cells, int row, int col, std::string_view column, float& value) {
  const auto number = common::ReadCellNumber(CellRaw(cells, row, col), common::CellType::kFloat, row, column);
  if (!number) {
    Refusal r;
    r.message = number.failure().text();
    r.caption = number.failure().caption();
    r.row = row;
    r.col = col;
    return r;
  }
  value = static_cast<float>(*number);
  return std::nullopt;
}

}  // namespace pundf::tables
