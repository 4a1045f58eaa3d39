#include "loads/model/load_checks.h"

namespace pundf {
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

}  // namespace pundf
