#pragma once
// Gaussian elimination of a dense system, stored transposed: the stored entry a[i][j] is the
// coefficient of variable i in equation j (for a symmetric stiffness matrix the same system).
//
// After Eliminate the matrix holds the factors in place: above the diagonal, a[i][j] (j > i) is the
// multiplier that took equation i out of equation j; on and below it, a[j][i] (j >= i) is the
// coefficient of variable j in the reduced equation i. Exchanges of equations are recorded in a
// RowSwapTable and exchange whole columns of the stored matrix.
#include <string>
#include <vector>

#include "mechanics/dense_matrix.h"

namespace mechanics {

// A pivot below this in magnitude is not used by PivotRule::kFirstUsable.
inline constexpr double kUsablePivot = 1e-5;

enum class PivotRule {
  // Keep the diagonal unless |a[i][i]| < kUsablePivot; then exchange with the first later equation
  // whose coefficient exceeds kUsablePivot in magnitude. Multipliers are a[i][j] / a[i][i].
  kFirstUsable,
  // Always exchange with the equation of the largest coefficient |a[i][j]|, j >= i (the first on
  // ties); singular only when that is 0. Multipliers are (1 / a[i][i]) * a[i][j].
  kLargest,
};

struct RowSwapTable {
  // 1-based: swap[i] is the equation exchanged with equation i at step i, 0 for none.
  std::vector<int> swap = std::vector<int>(1, 0);
  // Whether any exchange took place.
  bool exchanged = false;
};

// Factors a in place (see above) and fills swaps. Returns 0, or the step i at which no usable pivot
// was left ("Singularity in row i"); a is then partly factored.
int Eliminate(Matrix& a, PivotRule rule, RowSwapTable& swaps);

// "Singularity in row <row>"
std::string SingularityText(int row);

}  // namespace mechanics
