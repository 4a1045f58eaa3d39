#include "loads/tables/support_rows.h"

#include <cmath>
#include <set>

namespace pundf::tables {
namespace {

const std::vector<std::string> kSettlementHeadings{"Row", "Nodes", "ux [m]", "uy [m]", "phi [tan]"};
const std::vector<std::string> kPrestressHeadings{"Nr.", "Element", "Force"};

// The support of `node` (slot 1..count), 0 for none.
int SupportOfNode(const common::NodeRefTable& supports, int node) {
  for (int k = 1; k <= supports.count(); ++k) {
    if (supports[k].node() == node) return k;
  }
  return 0;
}

}  // namespace

CellTexts SettlementCells(const LoadCase& load_case, int rows) {
  CellTexts cells = EmptyTable(rows, kSettlementHeadings);
  const int count = std::min(load_case.settlements.count(), rows - 1);
  for (int k = 1; k <= count; ++k) {
    const common::NodeRefRecord& support = load_case.settlements[k];
    auto& row = cells[static_cast<std::size_t>(k)];
    row[1] = std::to_string(support.node());
    for (int d = 1; d <= 3; ++d) row[static_cast<std::size_t>(d) + 1] = FormatNumber("%.3f", support.settlement(d));
  }
  return cells;
}

std::optional<Refusal> ReadSettlements(const CellTexts& cells, LoadCase& load_case) {
  common::NodeRefTable supports = load_case.settlements;
  for (int k = 1; k <= supports.count(); ++k) {
    for (int d = 1; d <= 3; ++d) supports[k].set_settlement(d, 0.0f);
    supports[k].set_settled(0);
  }
  std::set<int> taken;
  int settled = 0;
  for (int r = 1; r < static_cast<int>(cells.size()); ++r) {
    const std::string node_text = CellText(cells, r, 1);
    const bool values = !CellText(cells, r, 2).empty() || !CellText(cells, r, 3).empty() ||
                        !CellText(cells, r, 4).empty();
    if (node_text.empty()) {
      if (values) return RefuseCell(r, 1, "node", node_text, "is missing.");
      continue;
    }
    const std::optional<int> node = CellInteger(node_text);
    const int k = node ? SupportOfNode(supports, *node) : 0;
    if (k == 0) return RefuseCell(r, 1, "node", node_text, "has no support.");
    if (!taken.insert(k).second) return RefuseCell(r, 1, "node", node_text, "is given twice.");
    common::NodeRefRecord& support = supports[k];
    for (int d = 1; d <= 3; ++d) {
      float value = 0.0f;
      const int col = d + 1;
      if (auto refusal = CellFloat(cells, r, col, kSettlementHeadings[static_cast<std::size_t>(col)], value)) {
        return refusal;
      }
      support.set_settlement(d, value);
    }
    const bool moves = std::fabs(support.settlement(1)) > 0.001f || std::fabs(support.settlement(2)) > 0.001f ||
                       std::fabs(support.settlement(3)) > 0.01f;
    support.set_settled(moves ? 1 : 0);
    if (moves) ++settled;
  }
  load_case.settlements = supports;
  load_case.params.set_settled_support_count(static_cast<std::int16_t>(settled));
  load_case.params.set_settlement_flag(settled > 0 ? 1 : 0);
  return std::nullopt;
}

CellTexts PrestressCells(const LoadCase& load_case, int rows) {
  CellTexts cells = EmptyTable(rows, kPrestressHeadings);
  const int count = std::min(load_case.prestress.count(), rows - 1);
  for (int k = 1; k <= count; ++k) {
    auto& row = cells[static_cast<std::size_t>(k)];
    row[1] = std::to_string(load_case.prestress[k].element());
    row[2] = FormatNumber("%5.2E", load_case.prestress[k].force());
  }
  return cells;
}

std::optional<Refusal> ReadPrestress(const CellTexts& cells, const Geometry& geometry, LoadCase& load_case) {
  common::PrestressTable entries;
  for (int r = 1; r < static_cast<int>(cells.size()); ++r) {
    const std::string element_text = CellText(cells, r, 1);
    const std::string force_text = CellText(cells, r, 2);
    if (element_text.empty() || force_text.empty()) continue;
    const std::optional<int> e = CellInteger(element_text);
    if (!e || *e < 1 || *e > geometry.element_count()) {
      return RefuseCell(r, 1, "element", element_text, "is not an element of the frame.");
    }
    float force = 0.0f;
    if (auto refusal = CellFloat(cells, r, 2, kPrestressHeadings[2], force)) return refusal;
    common::PrestressEntry entry;
    entry.set_element(*e);
    entry.set_force(force);
    if (!entries.Append(entry)) break;
  }
  load_case.prestress = entries;
  load_case.params.set_prestress_count(static_cast<std::int16_t>(entries.count()));
  if (entries.count() > 0) load_case.params.set_prestress_flag(1);
  return std::nullopt;
}

}  // namespace pundf::tables
