#include "loads/model/load_checks.h"

namespace pundf {
namespace {

std::string Number(int n) { return std::to_string(n); }

std::string Beyond(const std::string& what, int k, const char* kind, int number, int available) {
  return what + " " + Number(k) + " lies on " + kind + " " + Number(number) + ", the frame has " +
         Number(available) + " " + kind + "s";
}

}  // namespace

Problem CheckCount(const char* what, int count, int capacity) {
  if (count >= 0 && count <= capacity) return std::nullopt;
  return std::string("it claims ") + Number(count) + " " + what + ", at most " + Number(capacity) + " are possible";
}

Problem CheckPointLoads(const common::PointLoadTable& loads, const Geometry& geometry) {
  for (int k = 1; k <= loads.count(); ++k) {
    const auto& load = loads[k];
    if (load.placement() == common::PointLoadRecord::kAtNode) {
      if (load.node() < 1 || load.node() > geometry.node_count()) {
        return Beyond("point load", k, "node", load.node(), geometry.node_count());
      }
    } else if (load.placement() == common::PointLoadRecord::kOnElement) {
      if (load.element() < 1 || load.element() > geometry.element_count()) {
        return Beyond("point load", k, "element", load.element(), geometry.element_count());
      }
    }
  }
  return std::nullopt;
}

Problem CheckLineLoads(const common::LineLoadTable& loads, const Geometry& geometry) {
  for (int k = 1; k <= loads.count(); ++k) {
    const int e = loads[k].element();
    if (e < 1 || e > geometry.element_count()) return Beyond("line load", k, "element", e, geometry.element_count());
  }
  return std::nullopt;
}

Problem CheckSettlements(const common::NodeRefTable& settlements, const Geometry& geometry) {
  for (int k = 1; k <= settlements.count(); ++k) {
    const int node = settlements[k].node();
    if (node < 1 || node > geometry.node_count()) {
      return "support " + Number(k) + " lies at node " + Number(node) + ", the frame has " +
             Number(geometry.node_count()) + " nodes";
    }
  }
  return std::nullopt;
}

Problem CheckPrestress(const common::PrestressTable& prestress, const Geometry& geometry) {
  for (int k = 1; k <= prestress.count(); ++k) {
    const int e = prestress[k].element();
    if (e < 1 || e > geometry.element_count()) {
      return Beyond("prestress entry", k, "element", e, geometry.element_count());
    }
  }
  return std::nullopt;
}

namespace {

template <class Tab>
Problem FirstNonFinite(const Tab& table, const char* what) {
  for (int k = 1; k <= table.count(); ++k) {
    if (common::FirstNonFiniteNumber(table[k])) {
      return std::string(what) + " " + std::to_string(k) + " holds a number too large for the files";
    }
  }
  return std::nullopt;
}

}  // namespace

Problem CheckFiniteNumbers(const LoadCase& lc, const common::LineLoadTable& file_line_loads) {
  if (common::FirstNonFiniteNumber(lc.params)) return "its values are too large for the files";
  if (Problem p = FirstNonFinite(lc.point_loads, "point load")) return p;
  if (Problem p = FirstNonFinite(file_line_loads, "line load")) return p;
  if (Problem p = FirstNonFinite(lc.temperatures, "the temperature of element")) return p;
  if (Problem p = FirstNonFinite(lc.settlements, "the settlement of support")) return p;
  return FirstNonFinite(lc.prestress, "prestress entry");
}

common::Result DamagedFile(const std::string& path, const std::string& problem) {
  return common::Result::Fail("The file " + path + " is damaged: " + problem + ".", "Error");
}

}  // namespace pundf
