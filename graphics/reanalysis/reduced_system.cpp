#include "graphics/reanalysis/reduced_system.h"

#include "graphics/fem/small_systems.h"

namespace revuzavi {

mechanics::Matrix ReducedMatrix(const mechanics::Matrix& inverse, const std::vector<int>& dofs,
                                const mechanics::Matrix& delta) {
  const int m = delta.size();
  // Stored [i][j]: the coefficient of y_i in equation j, 1 on the diagonal plus sum F[j][l] dK[l][i].
  mechanics::Matrix rows(m);
  for (int j = 1; j <= m; ++j) {
    const double* f = inverse.row(dofs[static_cast<std::size_t>(j)]);
    for (int i = 1; i <= m; ++i) {
      double sum = i == j ? 1.0 : 0.0;
      for (int l = 1; l <= m; ++l) sum += f[dofs[static_cast<std::size_t>(l)]] * delta(l, i);
      rows(i, j) = sum;
    }
  }
  return rows;
}

common::Result SolveReducedSystem(const mechanics::Matrix& inverse, const std::vector<int>& dofs,
                                  const mechanics::Matrix& delta, mechanics::Vector& b,
                                  const common::Position& position) {
  return SolveWithRefinement(ReducedMatrix(inverse, dofs, delta), b, position);
}

}  // namespace revuzavi
