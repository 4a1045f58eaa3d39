#pragma once
// How far the iterative refinement of a solution goes.

namespace mechanics {

// A solution is accepted when the largest residual is at most this...
inline constexpr double kResidualLimit = 1e-12;
// ...or after this many corrections.
inline constexpr int kMostCorrections = 31;

struct RefinedSolution {
  // False when nothing was solved: the system had no complete factors or the vector the wrong size.
  bool solved = true;
  int corrections = 0;
  // Largest magnitude of the last residual.
  double residual = 0.0;
};

}  // namespace mechanics
