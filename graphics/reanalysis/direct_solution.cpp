#include "graphics/reanalysis/direct_solution.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "graphics/reanalysis/inverse_products.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "graphics/reanalysis/reduced_system.h"
#include "mechanics/factored_system.h"

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

// Delta K with each element's factor given by `factor`, c S at every changed support.
template <class Factor>
mechanics::Matrix DeltaK(const Modification& modification, const Numbering& numbering, double support_stiffness,
                         Factor factor) {
  const int m = static_cast<int>(numbering.dofs.size()) - 1;
  mechanics::Matrix delta(m);
  for (std::size_t k = 0; k < modification.elements.size(); ++k) {
    const ModifiedElement& e = modification.elements[k];
    const double q = factor(e);
    for (int a = 1; a <= 6; ++a) {
      for (int b = 1; b <= 6; ++b) {
        delta(numbering.local[k][static_cast<std::size_t>(a - 1)], numbering.local[k][static_cast<std::size_t>(b - 1)]) +=
            q * e.k(a, b);
      }
    }
  }
  for (std::size_t k = 0; k < modification.supports.size(); ++k) {
    const int a = numbering.support_local[k];
    delta(a, a) += modification.supports[k].change * support_stiffness;
  }
  return delta;
}

bool IsLoose(const Modification& modification, int dof) {
  return std::find(modification.loose_dofs.begin(), modification.loose_dofs.end(), dof) !=
         modification.loose_dofs.end();
}

// The loads left at the loose dofs once the removed elements are gone: what the stored frame's
// elements took there (all removed) less their own loads. Round-off of the end forces counts as
// none.
bool LoadLeftOnLooseDofs(const Modification& modification, const std::vector<double>& own_loads,
                         const std::vector<double>& u) {
  std::vector<double> left(modification.loose_dofs.size(), 0.0);
  double scale = 0.0;
  for (const ModifiedElement& e : modification.elements) {
    if (!e.removed) continue;
    const std::array<double, 6> forces = EndForces(e.k, EndDisplacements(u, e.dofs));
    for (std::size_t a = 0; a < 6; ++a) {
      scale = std::max(scale, std::fabs(forces[a]));
      const auto at = std::find(modification.loose_dofs.begin(), modification.loose_dofs.end(), e.dofs[a]);
      if (at != modification.loose_dofs.end()) left[static_cast<std::size_t>(at - modification.loose_dofs.begin())] += forces[a];
    }
  }
  for (std::size_t k = 0; k < left.size(); ++k) {
    const double own = own_loads[static_cast<std::size_t>(modification.loose_dofs[k])];
    scale = std::max(scale, std::fabs(own));
    left[k] -= own;
  }
  return std::any_of(left.begin(), left.end(), [scale](double f) { return std::fabs(f) > 1e-8 * scale; });
}

// Whether taking the removed elements out whole leaves a mechanism: K + Delta K singular at the
// modified dofs, the loose ones aside (their own stiffness kept), or a load left on a loose dof.
bool LeavesMechanism(const mechanics::Matrix& inverse, const Modification& modification, const Numbering& numbering,
                     double support_stiffness, const std::vector<double>& own_loads, const std::vector<double>& u) {
  mechanics::Matrix delta = DeltaK(modification, numbering, support_stiffness,
                                   [](const ModifiedElement& e) { return e.removed ? -1.0 : DirectFactor(e.q); });
  for (std::size_t k = 0; k < modification.elements.size(); ++k) {
    const ModifiedElement& e = modification.elements[k];
    if (!e.removed) continue;
    for (int a = 1; a <= 6; ++a) {
      const std::size_t s = static_cast<std::size_t>(a - 1);
      if (IsLoose(modification, e.dofs[s])) delta(numbering.local[k][s], numbering.local[k][s]) += e.k(a, a);
    }
  }
  const mechanics::FactoredSystem system(ReducedMatrix(inverse, numbering.dofs, delta), mechanics::PivotRule::kLargest);
  if (!system.factored()) return true;
  double smallest = std::numeric_limits<double>::infinity(), largest = 0.0;
  for (int i = 1; i <= system.size(); ++i) {
    smallest = std::min(smallest, std::fabs(system.factors()(i, i)));
    largest = std::max(largest, std::fabs(system.factors()(i, i)));
  }
  if (!(smallest >= 1e-10 * largest)) return true;
  return LoadLeftOnLooseDofs(modification, own_loads, u);
}

}  // namespace

bool RemovalLeavesMechanism(const mechanics::Matrix& inverse, const Modification& modification,
                            double support_stiffness, const std::vector<double>& own_loads,
                            const std::vector<double>& u) {
  const bool removal = std::any_of(modification.elements.begin(), modification.elements.end(),
                                   [](const ModifiedElement& e) { return e.removed; });
  if (!removal) return false;
  const Numbering numbering = NumberDofs(modification);
  return LeavesMechanism(inverse, modification, numbering, support_stiffness, own_loads, u);
}

bool RuleReplaces(double k) { return std::fabs(k) < 0.01; }

double DirectFactor(double q) { return RuleReplaces(q + 1.0) ? -0.99 : q; }

common::Result SolveDirect(const mechanics::Matrix& inverse, const Modification& modification,
                           double support_stiffness, const std::vector<double>& own_loads, std::vector<double>& u,
                           const common::Position& position) {
  const Numbering numbering = NumberDofs(modification);
  const int m = static_cast<int>(numbering.dofs.size()) - 1;
  if (m == 0) return common::Result::Ok();
  if (RemovalLeavesMechanism(inverse, modification, support_stiffness, own_loads, u)) return MechanismLeft();
  const mechanics::Matrix delta = DeltaK(modification, numbering, support_stiffness,
                                         [](const ModifiedElement& e) { return DirectFactor(e.q); });

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
