#include "graphics/reanalysis/direct_solution.h"

#include <algorithm>
#include <cmath>

#include "graphics/reanalysis/inverse_products.h"
#include "graphics/reanalysis/reduced_system.h"

namespace revuzavi {
namespace {

// The distinct dofs of the elements, then of the changed supports, in the order met (index 0
// unused); each element's six local numbers and each support's.
struct Numbering {
  std::vector<int> dofs = std::vector<int>(1, 0);
  std::vector<std::array<int, 6>> local;
  std::vector<int> support_local;

  int Number(int dof) {
    const auto found = std::find(dofs.begin() + 1, dofs.end(), dof);
    if (found != dofs.end()) return static_cast<int>(found - dofs.begin());
    dofs.push_back(dof);
    return static_cast<int>(dofs.size()) - 1;
  }
};

Numbering NumberDofs(const Modification& modification) {
  Numbering numbering;
  for (const ModifiedElement& e : modification.elements) {
    std::array<int, 6> local{};
    for (std::size_t a = 0; a < 6; ++a) local[a] = numbering.Number(e.dofs[a]);
    numbering.local.push_back(local);
  }
  for (const ChangedSupport& s : modification.supports) numbering.support_local.push_back(numbering.Number(s.dof));
  return numbering;
}

}  // namespace

double DirectFactor(double q) { return std::fabs(q + 1.0) < 0.01 ? -0.99 : q; }

common::Result SolveDirect(const mechanics::Matrix& inverse, const Modification& modification,
                           double support_stiffness, const std::vector<double>& own_loads, std::vector<double>& u,
                           const common::Position& position) {
  const Numbering numbering = NumberDofs(modification);
  const int m = static_cast<int>(numbering.dofs.size()) - 1;
  if (m == 0) return common::Result::Ok();
  mechanics::Matrix delta(m);
  for (std::size_t k = 0; k < modification.elements.size(); ++k) {
    const ModifiedElement& e = modification.elements[k];
    const double factor = DirectFactor(e.q);
    for (int a = 1; a <= 6; ++a) {
      for (int b = 1; b <= 6; ++b) {
        delta(numbering.local[k][static_cast<std::size_t>(a - 1)], numbering.local[k][static_cast<std::size_t>(b - 1)]) +=
            factor * e.k(a, b);
      }
    }
  }

  for (std::size_t k = 0; k < modification.supports.size(); ++k) {
    const int a = numbering.support_local[k];
    delta(a, a) += modification.supports[k].change * support_stiffness;
  }

  // y = u - F (Delta K y + own loads) at the modified dofs; the own loads lie on them.
  mechanics::Vector y(m);
  for (int i = 1; i <= m; ++i) {
    const double* column = inverse.row(numbering.dofs[static_cast<std::size_t>(i)]);
    double removed = 0.0;
    for (int l = 1; l <= m; ++l) {
      const int d = numbering.dofs[static_cast<std::size_t>(l)];
      removed += column[d] * own_loads[static_cast<std::size_t>(d)];
    }
    y[i] = u[static_cast<std::size_t>(numbering.dofs[static_cast<std::size_t>(i)])] - removed;
  }
  if (common::Result failed = SolveReducedSystem(inverse, numbering.dofs, delta, y, position); !failed) return failed;

  // u_new = u - K^-1 (Delta K y + own loads).
  std::vector<InverseTerm> terms;
  for (int a = 1; a <= m; ++a) {
    const int d = numbering.dofs[static_cast<std::size_t>(a)];
    double force = own_loads[static_cast<std::size_t>(d)];
    for (int b = 1; b <= m; ++b) force += delta(a, b) * y[b];
    terms.push_back(InverseTerm{d, force});
  }
  SubtractInverseColumns(inverse, terms, u, ParallelThreads(inverse.size()));
  return common::Result::Ok();
}

}  // namespace revuzavi
