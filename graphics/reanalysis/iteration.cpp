#include "graphics/reanalysis/iteration.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "graphics/reanalysis/inverse_products.h"
#include "mechanics/thread_count.h"

namespace revuzavi {
namespace {

constexpr double kNoBound = std::numeric_limits<double>::infinity();
constexpr double kMargin = 2.0;

double Change(const std::vector<double>& u, int dof, double before) {
  return std::fabs(u[static_cast<std::size_t>(dof)] - before);
}

// The iterates approach the solution like a geometric series: with the contraction rho of the
// changes, what is left after a change du is rho / (1 - rho) du. That estimate is exact for the
// slowest mode alone, so the bound takes twice it: room for a contraction estimated a little low
// and for the round-off that the iteration cannot see (a few hundredths of the estimate).
class ErrorEstimate {
 public:
  // The bound after an iteration whose largest change is `change`, relative to `largest`.
  double Next(double change, double largest) {
    const double ratio = before_ > 0.0 ? change / before_ : kNoBound;
    const double rho = std::max(ratio, last_ratio_);
    last_ratio_ = ratio;
    before_ = change;
    if (change == 0.0) return 0.0;
    if (!(rho < 1.0) || !(largest > 0.0)) return kNoBound;
    return kMargin * rho / (1.0 - rho) * change / largest;
  }

 private:
  double before_ = 0.0;
  double last_ratio_ = kNoBound;
};

}  // namespace

IterationResult Iterate(const mechanics::Matrix& inverse, const Modification& modification, double support_stiffness,
                        const std::vector<double>& f, std::vector<double>& u, double eps, int limit) {
  const int n = inverse.size();
  double qmax = 0.0;
  for (const ModifiedElement& e : modification.elements) qmax = std::max(qmax, std::fabs(e.q));
  const double omega = 1.0 / (1.0 + qmax);
  const int threads = ParallelThreads(n);

  std::vector<double> r(static_cast<std::size_t>(n) + 1, 0.0);
  std::vector<double> w(static_cast<std::size_t>(n) + 1, 0.0);
  std::vector<std::array<double, 6>> ends(modification.elements.size());
  std::vector<double> nodes(modification.node_dofs.size());
  IterationResult result;
  ErrorEstimate estimate;
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
    // The relaxation mixes in the iterate before; the largest change and value of the new one.
    double change = 0.0, largest = 0.0;
    bool finite = true;
#pragma omp parallel for schedule(static) num_threads(threads) reduction(max : change, largest) reduction(&& : finite)
    for (int i = 1; i <= n; ++i) {
      const std::size_t s = static_cast<std::size_t>(i);
      const double next = qmax > 0.0 ? omega * (qmax * u[s] + w[s]) : w[s];
      finite = finite && std::isfinite(next);
      change = std::max(change, std::fabs(next - u[s]));
      largest = std::max(largest, std::fabs(next));
      u[s] = next;
    }

    double error = 0.0;
    for (std::size_t k = 0; k < modification.elements.size(); ++k) {
      for (std::size_t a = 0; a < 6; ++a) error += Change(u, modification.elements[k].dofs[a], ends[k][a]);
    }
    if (result.iterations == 1) result.first_error = error;
    for (std::size_t k = 0; k < nodes.size(); ++k) error += Change(u, modification.node_dofs[k], nodes[k]);
    result.step_change = error;
    result.error = estimate.Next(change, largest);
    if (!finite || !std::isfinite(error)) return result;

    if (result.error <= eps) {
      result.converged = true;
      return result;
    }
    if (result.iterations >= limit) {
      result.at_limit = true;
      return result;
    }
    // A mechanism's iterates grow by the same step: a step change that does not shrink counts.
    if (std::fabs(error) >= std::fabs(last) && ++result.divergences > kMostDivergences) return result;
    last = error;
  }
}

}  // namespace revuzavi
