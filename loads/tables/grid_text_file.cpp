#include "loads/tables/grid_text_file.h"

namespace pundf::tables {
namespace {

std::vector<std::string> SplitLine(std::string_view line, int cols) {
  std::vector<std::string> cells(static_cast<std::size_t>(cols));
  int col = 0;
  std::size_t start = 0;
  while (col < cols) {
    const std::size_t comma = col == cols - 1 ? std::string_view::npos : line.find(',', start);
    const std::size_t length = comma == std::string_view::npos ? line.size() - start : comma - start;
    cells[static_cast<std::size_t>(col)] = std::string(line.substr(start, length));
    if (comma == std::string_view::npos) break;
    start = comma + 1;
    ++col;
  }
  return cells;
}

}  // namespace

CellTexts ReadGridText(std::string_view text, int rows, int cols) {
  CellTexts cells;
  if (rows <= 0 || cols <= 0) return cells;
  std::size_t pos = 0;
  bool first = true;
  while (pos < text.size() && static_cast<int>(cells.size()) < rows) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      first = false;
      continue;
    }
    cells.push_back(SplitLine(line, cols));
  }
  return cells;
}

}  // namespace pundf::tables
