#include "common/position/load_checks.h"

namespace common {
namespace {

std::string Number(int n) { return std::to_string(n); }

std::string Beyond(const std::string& what, int k, const char* kind, int number, int available) {
  return what + " " + Number(k) + " lies on " + kind + " " + Number(number) + ", the frame has " +
         Number(available) + " " + kind + "s";
}

// The first record of `table` on an element the frame does not have.
template <class Tab>
Problem FirstBeyondElements(const Tab& table, const char* what, const ElementTable& elements) {
  for (int k = 1; k <= table.count(); ++k) {
    const int e = table[k].element();
    if (e < 1 || e > elements.count()) return Beyond(what, k, "element", e, elements.count());
  }
  return std::nullopt;
}

}  // namespace

Problem CheckCount(const char* what, int count, int capacity) {
  if (count >= 0 && count <= capacity) return std::nullopt;
  return std::string("it claims ") + Number(count) + " " + what + ", at most " + Number(capacity) + " are possible";
}

Problem CheckPointLoads(const PointLoadTable& loads, const NodeTable& nodes, const ElementTable& elements) {
  for (int k = 1; k <= loads.count(); ++k) {
    const auto& load = loads[k];
    if (load.placement() == PointLoadRecord::kAtNode) {
      if (load.node() < 1 || load.node() > nodes.count()) {
        return Beyond("point load", k, "node", load.node(), nodes.count());
      }
    } else if (load.placement() == PointLoadRecord::kOnElement) {
      if (load.element() < 1 || load.element() > elements.count()) {
        return Beyond("point load", k, "element", load.element(), elements.count());
      }
    }
  }
  return std::nullopt;
}

Problem CheckLineLoads(const LineLoadTable& loads, const ElementTable& elements) {
  return FirstBeyondElements(loads, "line load", elements);
}

Problem CheckSettlements(const NodeRefTable& settlements, const NodeTable& nodes) {
  for (int k = 1; k <= settlements.count(); ++k) {
    const int node = settlements[k].node();
    if (node < 1 || node > nodes.count()) {
      return "support " + Number(k) + " lies at node " + Number(node) + ", the frame has " + Number(nodes.count()) +
             " nodes";
    }
  }
  return std::nullopt;
}

Problem CheckPrestress(const PrestressTable& prestress, const ElementTable& elements) {
  return FirstBeyondElements(prestress, "prestress entry", elements);
}

}  // namespace common
