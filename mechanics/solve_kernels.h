#pragma once
// Substitutions and residuals on W right-hand sides at once, for the solvers of this library.
//
// A block holds W vectors interleaved: entry i of vector c at [i * W + c], i = 0..n (slot 0 unused).
// Each vector goes through exactly the operations it would go through alone, in the same order,
// so a result does not depend on W or on the vectors beside it. Terms whose factor is an exact
// zero are skipped: they change nothing.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>
#include <vector>

#include "mechanics/dense_matrix.h"
#include "mechanics/elimination.h"
#include "mechanics/refinement.h"
#include "mechanics/simd_pair.h"

namespace mechanics::kernels {

// Where the non-zero entries of each row lie, so that loops skip the zeros of a sparse frame.
struct Profile {
  // Factors, per row r: the first column <= r and the last column > r that may be non-zero
  // (r when there is none).
  std::vector<int> lowerFirst;
  std::vector<int> upperLast;
  // Unfactored matrix, per row r: the first and the last non-zero column (first > last for a row
  // of zeros).
  std::vector<int> first;
  std::vector<int> last;
};

Profile ProfileOf(const Matrix& matrix, const Matrix& factors);

template <int W>
inline double* At(double* block, int i) {
  return block + static_cast<std::ptrdiff_t>(i) * W;
}
template <int W>
inline const double* At(const double* block, int i) {
  return block + static_cast<std::ptrdiff_t>(i) * W;
}

// target[c] -= f * x[c] for c = 0..W-1, two lanes at a time.
template <int W>
inline void SubtractScaled(double* target, double f, const double* x) {
  if constexpr (W % 2 == 0) {
    const DoublePair ff = {f, f};
    [&]<int... p>(std::integer_sequence<int, p...>) {
      (StorePair(target + 2 * p, LoadPair(target + 2 * p) - ff * LoadPair(x + 2 * p)), ...);
    }(std::make_integer_sequence<int, W / 2>());
  } else {
    for (int c = 0; c < W; ++c) target[c] -= f * x[c];
  }
}

template <int W>
inline bool AllZero(const double* x) {
  bool zero = true;
  for (int c = 0; c < W; ++c) zero = zero && x[c] == 0.0;
  return zero;
}

// The recorded exchanges in ascending order, then the forward substitution with the multipliers.
template <int W>
void Forward(const Matrix& factors, const RowSwapTable& swaps, const Profile& profile, double* block) {
  const int n = factors.size();
  if (swaps.exchanged) {
    for (int i = 1; i <= n; ++i) {
      const int j = swaps.swap[static_cast<std::size_t>(i)];
      if (j > 0) {
        double* bi = At<W>(block, i);
        double* bj = At<W>(block, j);
        for (int c = 0; c < W; ++c) std::swap(bi[c], bj[c]);
      }
    }
  }
  for (int j = 1; j <= n; ++j) {
    double x[W];
    const double* bj = At<W>(block, j);
    for (int c = 0; c < W; ++c) x[c] = bj[c];
    if (AllZero<W>(x)) continue;
    const double* a = factors.row(j);
    const int last = profile.upperLast[static_cast<std::size_t>(j)];
    for (int i = j + 1; i <= last; ++i) {
      SubtractScaled<W>(At<W>(block, i), a[i], x);
    }
  }
}

// Back substitution with the upper factor.
template <int W>
void Back(const Matrix& factors, const Profile& profile, double* block) {
  const int n = factors.size();
  for (int j = n; j >= 1; --j) {
    const double* a = factors.row(j);
    double* bj = At<W>(block, j);
    const double d = a[j];
    double x[W];
    for (int c = 0; c < W; ++c) {
      bj[c] = bj[c] / d;
      x[c] = bj[c];
    }
    if (AllZero<W>(x)) continue;
    const int first = profile.lowerFirst[static_cast<std::size_t>(j)];
    for (int i = first; i < j; ++i) {
      SubtractScaled<W>(At<W>(block, i), a[i], x);
    }
  }
}

// residual[i] -= sum over j of matrix[j][i] * x[j], term by term in ascending j.
template <int W>
void SubtractProduct(const Matrix& matrix, const Profile& profile, const double* x, double* residual) {
  const int n = matrix.size();
  for (int j = 1; j <= n; ++j) {
    const int first = profile.first[static_cast<std::size_t>(j)];
    const int last = profile.last[static_cast<std::size_t>(j)];
    if (first > last) continue;
    double xj[W];
    const double* xs = At<W>(x, j);
    for (int c = 0; c < W; ++c) xj[c] = xs[c];
    if (AllZero<W>(xj)) continue;
    const double* a = matrix.row(j);
    for (int i = first; i <= last; ++i) {
      SubtractScaled<W>(At<W>(residual, i), a[i], xj);
    }
  }
}

// Largest magnitude of entries 1..n of vector c.
template <int W>
double LargestMagnitude(const double* block, int c, int n) {
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) largest = std::max(largest, std::fabs(At<W>(block, i)[c]));
  return largest;
}

// One vector whose first solution b and its residual are known: corrections until the residual is
// at most kResidualLimit or kMostCorrections were made; b ends as the solution. sum is work space.
inline RefinedSolution Refine(const Matrix& matrix, const Matrix& factors, const RowSwapTable& swaps,
                              const Profile& profile, double* b, double* residual, double* sum) {
  const int n = matrix.size();
  RefinedSolution done;
  done.residual = LargestMagnitude<1>(residual, 0, n);
  if (done.residual <= kResidualLimit) return done;
  std::fill(sum, sum + n + 1, 0.0);
  while (done.residual > kResidualLimit && done.corrections < kMostCorrections) {
    for (int i = 1; i <= n; ++i) {
      sum[i] += b[i];
      b[i] = residual[i];
    }
    ++done.corrections;
    Forward<1>(factors, swaps, profile, b);
    Back<1>(factors, profile, b);
    SubtractProduct<1>(matrix, profile, b, residual);
    done.residual = LargestMagnitude<1>(residual, 0, n);
  }
  for (int i = 1; i <= n; ++i) b[i] += sum[i];
  return done;
}

}  // namespace mechanics::kernels
