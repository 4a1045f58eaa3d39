#pragma once
// The iterative reanalysis: u = K^-1 (f - Delta K u), relaxed with the largest |q| of the
// modified elements, until the change of the modified dofs is small.
#include <vector>

#include "graphics/reanalysis/modification.h"
#include "mechanics/dense_matrix.h"

namespace revuzavi {

// The divergent iterations after which a run stops.
inline constexpr int kMostDivergences = 100;

struct IterationResult {
  bool converged = false;
  int iterations = 0;
  double first_error = 0.0;  // the elements' part of the change after the first iteration
  double error = 0.0;        // the change of the last iteration
  int divergences = 0;
};

// Iterates from u (n + 1 slots, the displacements of the stored frame). Each iteration takes
// r = f - sum q_e K_e u_e - sum c S u_d and w = K^-1 r; with qmax > 0,
// u = (qmax u_prev + w) / (1 + qmax), u_prev the iterate before (at first the u given), else
// u = w. The error is the sum of the changes of the picked elements' end displacements and of the
// picked nodes' displacements. Converged when the error is not above eps: u is then the last w.
// Stopped after more than kMostDivergences iterations whose error did not shrink, at an error that is not
// finite, or at the limit, u holding the last iterate.
IterationResult Iterate(const mechanics::Matrix& inverse, const Modification& modification, double support_stiffness,
                        const std::vector<double>& f, std::vector<double>& u, double eps, int limit);

}  // namespace revuzavi
