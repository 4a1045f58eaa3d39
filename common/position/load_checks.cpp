#include "common/position/load_checks.h"

namespace common {
namespace {

std::string Number(int n) { return std::to_string(n); }

bool Within(int number, int available) { return number >= 1 && number <= available; }

// The first record of `table` on an element the frame does not have.
template <class Tab>
Problem FirstBeyondElements(const Tab& table, const char* what, const ElementTable& elements) {
  for (int k = 1; k <= table.count(); ++k) {
    const int e = table[k].element();
    if (!Within(e, elements.count())) return Phrase({what, k, "element", e, elements.count()});
  }
  return std::nullopt;
}

Problem PhraseOf(const Fault& fault) {
  if (fault) return Phrase(*fault);
  return std::nullopt;
}

}  // namespace

Problem CheckCount(const char* what, int count, int capacity) {
  if (count >= 0 && count <= capacity) return std::nullopt;
  return std::string("it claims ") + Number(count) + " " + what + ", at most " + Number(capacity) + " are possible";
}

std::string Phrase(const IndexFault& fault) {
  return std::string(fault.record) + " " + Number(fault.k) + " lies on " + fault.kind + " " + Number(fault.number) +
         ", the frame has " + Number(fault.available) + " " + fault.kind + "s";
}

Fault FindPointLoadFault(const PointLoadTable& loads, const NodeTable& nodes, const ElementTable& elements) {
  for (int k = 1; k <= loads.count(); ++k) {
    const auto& load = loads[k];
    if (load.placement() == PointLoadRecord::kAtNode && !Within(load.node(), nodes.count())) {
      return IndexFault{"point load", k, "node", load.node(), nodes.count()};
    }
    if (load.placement() == PointLoadRecord::kOnElement && !Within(load.element(), elements.count())) {
      return IndexFault{"point load", k, "element", load.element(), elements.count()};
    }
  }
  return std::nullopt;
}

Fault FindLineLoadFault(const LineLoadTable& loads, const NodeTable& nodes, const ElementTable& elements) {
  for (int k = 1; k <= loads.count(); ++k) {
    const auto& load = loads[k];
    if (!Within(load.element(), elements.count())) {
      return IndexFault{"line load", k, "element", load.element(), elements.count()};
    }
    // 0: the load has no force at that end.
    for (int node : {load.start_node(), load.end_node()}) {
      if (node != 0 && !Within(node, nodes.count())) return IndexFault{"line load", k, "node", node, nodes.count()};
    }
  }
  return std::nullopt;
}

Problem CheckPointLoads(const PointLoadTable& loads, const NodeTable& nodes, const ElementTable& elements) {
  return PhraseOf(FindPointLoadFault(loads, nodes, elements));
}

Problem CheckLineLoads(const LineLoadTable& loads, const NodeTable& nodes, const ElementTable& elements) {
  return PhraseOf(FindLineLoadFault(loads, nodes, elements));
}

Problem CheckSettlements(const NodeRefTable& settlements, const NodeTable& nodes) {
  for (int k = 1; k <= settlements.count(); ++k) {
    const int node = settlements[k].node();
    if (!Within(node, nodes.count())) {
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
