#pragma once
// Prescribed support displacements (settlements) of a load case: the forces
// that produce them come from the small system M x = d, M the part of K^-1 at
// the settled equations, solved with LU factors and iterative refinement.
#include <vector>

#include "Quon/run/run.h"
#include "common/result.h"
#include "mechanics/dense_matrix.h"
#include "mechanics/model/settled_equations.h"

namespace zedir {

// A settlement up to this size is no prescribed displacement.
using mechanics::kSmallestSettlement;
// A pivot of M up to this fraction of M's largest entry marks M as singular.
inline constexpr double kSmallestYieldPivot = 1e-10;

inline constexpr const char* kSupportSpringFile = "KFRAMESUP";
inline constexpr const char* kYieldMatrixFile = "MATRIXYIELDS";
inline constexpr const char* kYieldFactorsFile = "LUYIELDS";

// The load case's LKNOTENR, when it exists, replaces the supports of the
// geometry; every settled record gives its components u, v, phi above
// kSmallestSettlement (phi on the rotation its rigid ends share). A damaged file
// or a node out of range fails the load case.
common::Result ReadSupportDisplacements(Run& run);

// Solves M x = the prescribed values, adds x to the load vector at the settled
// equations and writes KFRAMESUP, MATRIXYIELDS and LUYIELDS. "Singularity in row
// %d" when M is singular.
common::Result SupportDisplacementForces(Run& run);

// Solves m x = b in place; writes m and its factors to the given files. The
// failure names the singular row.
common::Result SolveSupportYields(const mechanics::Matrix& m, std::vector<double>& b, const std::string& matrix_file,
                                  const std::string& factors_file);

}  // namespace zedir
