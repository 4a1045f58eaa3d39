#include "loads/tables/point_load_rows.h"

#include <cctype>
#include <cmath>

#include "loads/model/point_load_values.h"
#include "loads/model/whole_element_load.h"

namespace pundf::tables {
namespace {

using PL = common::PointLoadRecord;

const std::vector<std::string> kHeadings{"Nr.",  "Type",      "Node",  "Element", "Left Distance",
                                         "Size", "Direction", "Notes"};

char TypeLetter(int kind) {
  switch (kind) {
    case PL::kMoment: return 'M';
    case PL::kKink: return 'H';
    case PL::kVerticalDislocation: return 'V';
    case PL::kHorizontalDislocation: return 'N';
    default: return 'F';
  }
}

std::uint8_t KindOf(char letter) {
  switch (letter) {
    case 'H': return PL::kKink;
    case 'M': return PL::kMoment;
    case 'N': return PL::kHorizontalDislocation;
    case 'V': return PL::kVerticalDislocation;
    default: return PL::kForce;
  }
}

char Upper(char ch) { return static_cast<char>(std::toupper(static_cast<unsigned char>(ch))); }

}  // namespace

CellTexts PointLoadCells(const LoadCase& load_case, int rows) {
  CellTexts cells = EmptyTable(rows, kHeadings);
  const int count = std::min(load_case.point_loads.count(), rows - 1);
  for (int k = 1; k <= count; ++k) {
    const PL& load = load_case.point_loads[k];
    auto& row = cells[static_cast<std::size_t>(k)];
    row[1] = std::string(1, TypeLetter(load.kind()));
    if (load.node() >= 1) row[2] = std::to_string(load.node());
    if (load.element() >= 1) {
      row[3] = std::to_string(load.element());
      row[4] = FormatNumber("%.2f", load.distance());
    }
    row[5] = FormatNumber("%.2f", load.value());
    row[6] = std::string(1, load.direction());
    row[7] = load_case.point_notes[k].text();
  }
  return cells;
}

std::optional<Refusal> ReadPointLoads(const CellTexts& cells, const Geometry& geometry, LoadCase& load_case) {
  common::PointLoadTable loads;
  common::PointLoadNotes notes;
  const int rows = static_cast<int>(cells.size());
  for (int r = 1; r < rows; ++r) {
    const std::string type = CellText(cells, r, 1);
    if (type.empty()) continue;
    PL load;
    load.set_kind(KindOf(Upper(type.front())));
    const bool force = load.kind() == PL::kForce;
    float value = force || load.kind() == PL::kMoment ? 0.0f : 1.0f;

    const std::string node_text = CellText(cells, r, 2);
    int node = 0;
    if (!node_text.empty()) {
      const std::optional<int> n = CellInteger(node_text);
      if (!n || *n < 1 || *n > geometry.node_count()) {
        Refusal refusal = RefuseCell(r, 2, "node", node_text, "is not a node of the frame.");
        refusal.message = "Node number too large";
        refusal.caption = "Not a node";
        return refusal;
      }
      node = *n;
    }
    const std::string element_text = CellText(cells, r, 3);
    int e = 0;
    if (!element_text.empty()) {
      const std::optional<int> n = CellInteger(element_text);
      if (!n || *n < 1 || *n > geometry.element_count()) {
        return RefuseCell(r, 3, "element", element_text, "is not an element of the frame.");
      }
      e = *n;
    }
    if (node == 0 && e == 0) return RefuseCell(r, 2, "node", node_text, "is missing: give a node or an element.");
    if (!force && load.kind() != PL::kMoment && node != 0) {
      return RefuseCell(r, 1, "type", type, "acts on an element only: give an element and a distance, no node.");
    }
    const std::string size_text = CellText(cells, r, 5);
    if (!size_text.empty()) {
      if (auto refusal = CellFloat(cells, r, 5, kHeadings[5], value)) return refusal;
      if (std::fabs(value) < 0.0001f) value = 0.0001f;
    }
    char direction = '0';
    if (force) {
      const std::string direction_text = CellText(cells, r, 6);
      if (direction_text.empty()) continue;  // a force without direction is left out
      direction = Upper(direction_text.front());
      if (!IsForceDirection(direction)) return RefuseCell(r, 6, "direction", direction_text, "is not X, Y, N or T.");
      if ((direction == 'N' || direction == 'T') && e == 0) {
        return RefuseCell(r, 6, "direction", direction_text, "needs an element.");
      }
    }
    load.set_node(static_cast<std::int16_t>(node));
    load.set_element(static_cast<std::int16_t>(e));
    PlanePoint at;
    if (node != 0) {
      load.set_placement(PL::kAtNode);
      at = PlanePoint{geometry.nodes[node].x(), geometry.nodes[node].y()};
    } else {
      load.set_placement(PL::kOnElement);
      const std::string distance_text = CellText(cells, r, 4);
      float distance = 0.0f;
      if (!distance_text.empty()) {
        float typed = 0.0f;
        if (auto refusal = CellFloat(cells, r, 4, kHeadings[4], typed)) return refusal;
        const std::optional<float> d = DistanceOnElement(typed, geometry.elements[e].length());
        if (!d) return RefuseCell(r, 4, "distance", distance_text, "lies outside the element.");
        distance = *d;
      }
      load.set_distance(distance);
      at = PointOnElement(geometry.elements[e], distance);
    }
    load.set_x(at.x);
    load.set_y(at.y);
    load.set_z(-at.y);
    const float cos = e > 0 ? geometry.elements[e].cosine() : 0.0f;
    const float sin = e > 0 ? geometry.elements[e].sine() : 0.0f;
    SetPointLoadValue(load, value, direction, cos, sin);
    common::NoteRecord note;
    note.set_text(CellRaw(cells, r, 7));
    if (!loads.Append(load) || !notes.Append(note)) break;
  }
  load_case.point_loads = loads;
  load_case.point_notes = notes;
  return std::nullopt;
}

}  // namespace pundf::tables
