#include "loads/tables/line_load_rows.h"

#include <cctype>
#include <utility>

#include "loads/model/whole_element_load.h"

namespace pundf::tables {
namespace {
const std::vector<std::string> kHeadings{"Nr.",     "Element", "Start [m]", "End [m]",
                                         "Value A", "Value B", "Direction", "Notes"};
}  // namespace

CellTexts LineLoadCells(const LoadCase& load_case, int rows) {
  CellTexts cells = EmptyTable(rows, kHeadings);
  const int count = std::min(load_case.line_loads.count(), rows - 1);
  for (int k = 1; k <= count; ++k) {
    const common::LineLoadRecord& load = load_case.line_loads[k];
    auto& row = cells[static_cast<std::size_t>(k)];
    row[1] = std::to_string(load.element());
    if (load.whole_element() != 1) {
      row[2] = FormatNumber("%.2f", load.xa());
      row[3] = FormatNumber("%.2f", load.xb());
    }
    row[4] = FormatNumber("%.2f", load.value_a());
    row[5] = FormatNumber("%.2f", load.value_b());
    row[6] = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(load.direction()))));
    row[7] = load_case.line_notes[k].text();
  }
  return cells;
}

std::optional<Refusal> ReadLineLoads(const CellTexts& cells, const Geometry& geometry, LoadCase& load_case) {
  common::LineLoadTable loads;
  common::LineLoadNotes notes;
  const int rows = static_cast<int>(cells.size());
  for (int r = 1; r < rows; ++r) {
    const std::string element_text = CellText(cells, r, 1);
    if (element_text.empty()) continue;
    const std::string a = CellText(cells, r, 4);
    const std::string b = CellText(cells, r, 5);
    const std::string direction_text = CellText(cells, r, 6);
    if (a.empty() || b.empty() || direction_text.empty()) continue;
    const std::optional<int> e = CellInteger(element_text);
    if (!e || *e < 1 || *e > geometry.element_count()) {
      return RefuseCell(r, 1, "element", element_text, "is not an element of the frame.");
    }
    const char direction = static_cast<char>(std::toupper(static_cast<unsigned char>(direction_text.front())));
    if (direction != 'X' && direction != 'Y' && direction != 'N' && direction != 'T') {
      return RefuseCell(r, 6, "direction", direction_text, "is not X, Y, N or T.");
    }
    const common::ElementRecord& element = geometry.elements[*e];
    const std::string start_text = CellText(cells, r, 2);
    const std::string end_text = CellText(cells, r, 3);
    float start = 0.0f, end = 0.0f, va = 0.0f, vb = 0.0f;
    for (auto [col, value] : {std::pair{2, &start}, {3, &end}, {4, &va}, {5, &vb}}) {
      if (auto refusal = CellFloat(cells, r, col, kHeadings[static_cast<std::size_t>(col)], *value)) return refusal;
    }
    common::LineLoadRecord load;
    if (end_text.empty()) {
      load = WholeElementLoad(element, *e, direction, va, vb);
    } else {
      // An empty Start with a filled End starts at the element's start.
      const std::optional<float> xa = DistanceOnElement(start, element.length());
      if (!xa) return RefuseCell(r, 2, "start", start_text, "lies outside the element.");
      const std::optional<float> xb = DistanceOnElement(end, element.length());
      if (!xb) return RefuseCell(r, 3, "end", end_text, "lies outside the element.");
      load = StretchLoad(element, *e, direction, *xa, *xb, va, vb);
    }
    common::NoteRecord note;
    note.set_text(CellRaw(cells, r, 7));
    if (!loads.Append(load) || !notes.Append(note)) break;
  }
  load_case.line_loads = loads;
  load_case.line_notes = notes;
  return std::nullopt;
}

}  // namespace pundf::tables
