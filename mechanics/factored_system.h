#pragma once
// A stiffness matrix together with its factors: solutions with iterative refinement.
//
// The matrix is read in the stored-transposed sense of elimination.h (entry [j][i] is the
// coefficient of variable j in equation i); for a symmetric matrix that is the usual system.
// Both the matrix (for the residuals) and its factors stay in memory.
#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"
#include "mechanics/elimination.h"
#include "mechanics/refinement.h"
#include "mechanics/solve_kernels.h"

namespace mechanics {

class FactoredSystem {
 public:
  // Keeps k and factors a copy of it with the given rule.
  FactoredSystem(Matrix k, PivotRule rule);

  int size() const { return matrix_.size(); }
  // 0 when the factors are complete, else the row named by "Singularity in row %d".
  int singularRow() const { return singularRow_; }
  bool factored() const { return singularRow_ == 0; }

  // The matrix as given.
  const Matrix& matrix() const { return matrix_; }
  // The factors in the layout of elimination.h (what the LU matrix file holds).
  const Matrix& factors() const { return factors_; }
  const RowSwapTable& swaps() const { return swaps_; }
  const kernels::Profile& profile() const { return profile_; }

  // The following need factored() and vectors of size(); the substitutions check that only in
  // debug builds, the solutions always (they report solved = false and leave b as it was).

  // The recorded exchanges (in ascending order), then the forward substitution.
  void ForwardSubstitute(Vector& b) const;
  void BackSubstitute(Vector& b) const;
  // residual[i] -= sum over j of matrix[j][i] * x[j].
  void SubtractProduct(const Vector& x, Vector& residual) const;

  // Solves for the right-hand side b, returning the solution in b: one solution with the factors,
  // then corrections from the residuals against the matrix (see refinement.h).
  RefinedSolution SolveWithRefinement(Vector& b) const;
  // The same for the unit vector e_j: x becomes column j of the inverse.
  RefinedSolution SolveUnitColumn(int j, Vector& x) const;

 private:
  Matrix matrix_;
  Matrix factors_;
  RowSwapTable swaps_;
  kernels::Profile profile_;
  int singularRow_ = 0;
};

}  // namespace mechanics
