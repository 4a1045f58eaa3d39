#pragma once
// The iterative reanalysis: u = K^-1 (f - Delta K u), relaxed with the largest |q| of the
// modified elements, until a bound of its true error is small.
#include <vector>

#include "graphics/reanalysis/modification.h"
#include "mechanics/dense_matrix.h"

namespace revuzavi {

// The divergent iterations after which a run stops.
inline constexpr int kMostDivergences = 100;

struct IterationResult {
  bool converged = false;
  bool at_limit = false;  // stopped by the iteration limit: u is the last iterate, not converged
  int iterations = 0;
  double first_error = 0.0;  // the elements' part of the step change E after the first iteration
  // The bound of the true error of u, relative to its largest value: twice rho / (1 - rho)
  // max|du| / max|u|, rho the contraction estimated from the last changes du (the larger of their
  // last two ratios); not finite while rho is not below 1.
  double error = 0.0;
  double step_change = 0.0;  // E of the last iteration
  int divergences = 0;
};

// Iterates from u (n + 1 slots, the displacements of the stored frame). Each iteration takes
// r = f - sum q_e K_e u_e - sum c S u_d and w = K^-1 r; with qmax > 0,
// u = (qmax u + w) / (1 + qmax), else u = w. Converged when the error bound is not above eps.
// The step change E, the sum of the changes of the picked elements' end displacements and of the
// picked nodes' displacements, counts the divergent iterations: more than kMostDivergences
// iterations whose E did not shrink or an iterate that is not finite stop the run; so does the
// limit (at_limit). u holds the last iterate.
IterationResult Iterate(const mechanics::Matrix& inverse, const Modification& modification, double support_stiffness,
                        const std::vector<double>& f, std::vector<double>& u, double eps, int limit);

}  // namespace revuzavi
