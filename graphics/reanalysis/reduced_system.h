#pragma once
// The small system of a direct reanalysis: with F = K^-1 at the m modified dofs and Delta K the
// change of the stiffness there, (I + F Delta K) y = b gives the displacements y of the
// modified frame at those dofs.
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"

namespace revuzavi {

// I + F Delta K in the stored layout of the solvers: entry [i][j] the coefficient of y_i in
// equation j.
mechanics::Matrix ReducedMatrix(const mechanics::Matrix& inverse, const std::vector<int>& dofs,
                                const mechanics::Matrix& delta);

// dofs: the modified equations (index 0 unused, 1..m); delta: Delta K at them, m x m. Solved
// with iterative refinement (MATRIXNODES and LUNODES of the position); b holds y on success.
common::Result SolveReducedSystem(const mechanics::Matrix& inverse, const std::vector<int>& dofs,
                                  const mechanics::Matrix& delta, mechanics::Vector& b,
                                  const common::Position& position);

}  // namespace revuzavi
