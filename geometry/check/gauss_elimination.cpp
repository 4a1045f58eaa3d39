#include "geometry/check/gauss_elimination.h"

#include <utility>

#include "geometry/check/check_report.h"

namespace kelmf {

mechanics::FactoredSystem GaussEliminate(mechanics::Matrix k) {
  return mechanics::FactoredSystem(std::move(k), mechanics::PivotRule::kFirstUsable);
}

int SolveUnitColumn(const mechanics::FactoredSystem& system, int j, mechanics::Vector& x) {
  if (!system.factored()) return system.singularRow();
  return system.SolveUnitColumn(j, x).solved ? 0 : kModelCheckFailed;
}

}  // namespace kelmf
