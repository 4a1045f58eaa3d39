#pragma once
// The inverse of a factored stiffness matrix, column by column.
#include <vector>

#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"
#include "mechanics/factored_system.h"

namespace mechanics {

struct Inverse {
  // Row j holds column j of the inverse in entries 1..n (for a symmetric matrix also row j).
  Matrix columns;
  // Entry j: the diagonal entry (j, j) of the inverse.
  Vector diagonal;
  // 1-based: the corrections that column j took (slot 0 unused).
  std::vector<int> corrections;
};

// Every column j is solved as FactoredSystem::SolveUnitColumn(j) solves it, with the same
// operations and so the same result; the columns are taken several at a time and in parallel.
// A system without complete factors gives an inverse of size 0.
Inverse InvertByColumns(const FactoredSystem& system);

}  // namespace mechanics
