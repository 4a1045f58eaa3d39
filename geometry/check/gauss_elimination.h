#pragma once
// The factoring of K for its inverse and the solution of one unit column.
#include "mechanics/dense_matrix.h"
#include "mechanics/dense_vector.h"
#include "mechanics/factored_system.h"

namespace kelmf {

// Factors k, keeping it beside its factors: a pivot of magnitude 1e-5 or more
// stays on the diagonal; a smaller one is exchanged with the first later
// equation whose coefficient exceeds 1e-5. singularRow() is 0, or the row of
// "Singularity in row %d" when no such equation is left.
mechanics::FactoredSystem GaussEliminate(mechanics::Matrix k);

// x becomes column j (1..n) of the inverse: one solution with the factors, then
// corrections until the largest residual is at most 1e-12 or 31 were made.
// Returns 0, the singular row when the system has no complete factors, or
// kModelCheckFailed for a j outside 1..n (x unchanged in both cases).
int SolveUnitColumn(const mechanics::FactoredSystem& system, int j, mechanics::Vector& x);

}  // namespace kelmf
