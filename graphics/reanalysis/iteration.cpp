#include "graphics/reanalysis/iteration.h"

#include <algorithm>
#include <cmath>

#include "graphics/reanalysis/inverse_products.h"
#include "mechanics/thread_count.h"

namespace revuzavi {
namespace {

double Change(const std::vector<double>& u, int dof, double before) {
  return std::fabs(u[static_cast<std::size_t>(dof)] - before);
}

}  // namespace

IterationResult Iterate(const mechanics::Matrix& inverse, const Modification& modification, double support_stiffness,
                        const std::vector<double>& f, std::vector<double>& u, double eps, int limit) {
  const int n = inverse.size();
  double qmax = 0.0;
  for (const ModifiedElement& e : modification.elements) qmax = std::max(qmax, std::fabs(e.q));
  const double omega = 1.0 / (1.0 + qmax);
  const int threads = ParallelThreads(n);

  // The relaxation mixes in the previous iterate: at the start the displacements given.
  std::vector<double> previous(u.begin(), u.begin() + n + 1);
  std::vector<double> r(static_cast<std::size_t>(n) + 1, 0.0);
  std::vector<double> w(static_cast<std::size_t>(n) + 1, 0.0);
  std::vector<std::array<double, 6>> ends(modification.elements.size());
  std::vector<double> nodes(modification.node_dofs.size());
  IterationResult result;
  double last = 0.0;
  for (;;) {
    ++result.iterations;
    std::copy(f.begin(), f.begin() + n + 1, r.begin());
    for (std::size_t k = 0; k < modification.elements.size(); ++k) {
      const ModifiedElement& e = modification.elements[k];
      ends[k] = EndDisplacements(u, e.dofs);
      const std::array<double, 6> forces = EndForces(e.k, ends[k]);
      for (std::size_t a = 0; a < 6; ++a) r[static_cast<std::size_t>(e.dofs[a])] -= e.q * forces[a];
    }
    for (const ChangedSupport& s : modification.supports) {
      r[static_cast<std::size_t>(s.dof)] -= s.change * support_stiffness * u[static_cast<std::size_t>(s.dof)];
    }
    for (std::size_t k = 0; k < nodes.size(); ++k) nodes[k] = u[static_cast<std::size_t>(modification.node_dofs[k])];

    InverseTimes(inverse, r, w, threads);
    if (qmax > 0.0) {
#pragma omp parallel for schedule(static) num_threads(threads)
      for (int i = 1; i <= n; ++i) {
        const std::size_t s = static_cast<std::size_t>(i);
        u[s] = omega * (qmax * previous[s] + w[s]);
        previous[s] = u[s];
      }
    } else {
      std::copy(w.begin() + 1, w.begin() + n + 1, u.begin() + 1);
    }

    double error = 0.0;
    for (std::size_t k = 0; k < modification.elements.size(); ++k) {
      for (std::size_t a = 0; a < 6; ++a) error += Change(u, modification.elements[k].dofs[a], ends[k][a]);
    }
    if (result.iterations == 1) result.first_error = error;
    for (std::size_t k = 0; k < nodes.size(); ++k) error += Change(u, modification.node_dofs[k], nodes[k]);
    result.error = error;

    if (error <= eps) {
      // The relaxed iterate lags at the dofs outside the modification; K^-1 (f - Delta K u) of the
      // converged modified dofs does not.
      std::copy(w.begin() + 1, w.begin() + n + 1, u.begin() + 1);
      result.converged = true;
      return result;
    }
    if (!std::isfinite(error) || result.iterations >= limit) return result;
    // A mechanism's iterates grow by the same step: an error that does not shrink counts.
    if (std::fabs(error) >= std::fabs(last) && ++result.divergences > kMostDivergences) return result;
    last = error;
  }
}

}  // namespace revuzavi
