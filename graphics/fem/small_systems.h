#pragma once
// The small dense systems of the reanalysis: an LU factorisation with the
// largest pivot, and a solution with iterative refinement. As everywhere in the
// suite the stored entry [i][j] is the coefficient of variable i in equation j.
#include "common/position/position.h"
#include "common/result.h"
#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"
#include "mechanics/elimination.h"

namespace revuzavi {

// The largest system these solve (the room of the exchange table).
inline constexpr int kMaxSmallSystem = 600;

inline constexpr const char* kSmallMatrixFile = "MATRIXNODES";
inline constexpr const char* kSmallFactorsFile = "LUNODES";

// Factors rows in place (largest pivot, the column loop of each step in
// parallel) and applies the elimination to b. Fails with "Singularity in row
// <i>" (caption "Singular matrix"), or for more than 600 unknowns.
common::Result SolveLU(mechanics::Matrix& rows, mechanics::Vector& b, mechanics::RowSwapTable& swaps);

// The recorded exchanges in ascending order, then the forward substitution with
// the factors of SolveLU.
void ForwardSubstitution(const mechanics::Matrix& factors, const mechanics::RowSwapTable& swaps, mechanics::Vector& b);

// Solves rows x = b, x in b, with iterative refinement; rows stay as they are.
// Writes the matrix to MATRIXNODES and its factors to LUNODES of the position
// (m rows of m + 1 doubles). Fails as SolveLU does; b is then unchanged.
common::Result SolveWithRefinement(const mechanics::Matrix& rows, mechanics::Vector& b,
                                   const common::Position& position);

}  // namespace revuzavi
