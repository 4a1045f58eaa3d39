#include "mechanics/elimination.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <utility>

#include "mechanics/simd_pair.h"
#include "mechanics/thread_count.h"

namespace mechanics {
namespace {

// Steps done together before the rows below them are brought up to date: the panel rows stay in
// cache while each later row takes all of their updates in one pass.
constexpr int kPanelRows = 32;
// Below this many multiply-subtracts the row updates of a panel are not worth splitting over
// threads (a sparse frame's updates mostly fall away).
constexpr long kParallelWork = 1L << 18;

// The column that becomes the pivot of step i, or 0 when none is usable.
int ChoosePivot(const double* row, int i, int n, PivotRule rule) {
  if (rule == PivotRule::kFirstUsable) {
    if (!(std::fabs(row[i]) < kUsablePivot)) return i;
    for (int j = i + 1; j <= n; ++j) {
      if (std::fabs(row[j]) > kUsablePivot) return j;
    }
    return 0;
  }
  int best = i;
  double largest = std::fabs(row[i]);
  for (int j = i + 1; j <= n; ++j) {
    if (std::fabs(row[j]) > largest) {
      largest = std::fabs(row[j]);
      best = j;
    }
  }
  return largest == 0.0 ? 0 : best;
}

}  // namespace

std::string SingularityText(int row) { return "Singularity in row " + std::to_string(row); }

// Each entry receives its updates one step at a time in the order of the steps, exactly as in the
// plain step-by-step elimination, so the pivots and the factors are the same to the last bit;
// the rows are only visited in a cache-friendly order. Updates by an exact zero are skipped (they
// change nothing), and each multiplier row is applied only up to its last non-zero entry.
int Eliminate(Matrix& a, PivotRule rule, RowSwapTable& swaps) {
  const int n = a.size();
  swaps.swap.assign(static_cast<std::size_t>(n) + 1, 0);
  swaps.exchanged = false;
  if (n == 0) return 0;

  double* const base = a.data();
  const std::ptrdiff_t stride = a.stride();
  const auto row = [base, stride](int i) { return base + static_cast<std::ptrdiff_t>(i - 1) * stride; };
  // reach[k]: the last column of multiplier row k that may be non-zero.
  std::vector<int> reach(static_cast<std::size_t>(n) + 1, 0);
  int threads = 0;  // decided at the first update worth splitting

  for (int first = 1; first <= n; first += kPanelRows) {
    const int last = std::min(first + kPanelRows - 1, n);
    for (int i = first; i <= last; ++i) {
      double* const ri = row(i);
      const int pivot = ChoosePivot(ri, i, n, rule);
      if (pivot == 0) return i;
      if (pivot != i) {
        swaps.swap[static_cast<std::size_t>(i)] = pivot;
        swaps.exchanged = true;
        for (int r = 1; r <= n; ++r) std::swap(row(r)[i], row(r)[pivot]);
        for (int k = first; k < i; ++k) {
          int& end = reach[static_cast<std::size_t>(k)];
          end = std::max(end, pivot);
        }
      }
      const double p = ri[i];
      if (rule == PivotRule::kFirstUsable) {
        for (int j = i + 1; j <= n; ++j) ri[j] = ri[j] / p;
      } else {
        const double inverse = 1.0 / p;
        for (int j = i + 1; j <= n; ++j) ri[j] = inverse * ri[j];
      }
      int end = i;
      for (int j = n; j > i; --j) {
        if (ri[j] != 0.0) {
          end = j;
          break;
        }
      }
      reach[static_cast<std::size_t>(i)] = end;
      for (int r = i + 1; r <= last; ++r) {
        double* const rr = row(r);
        if (rr[i] != 0.0) kernels::SubtractMultiple(rr, ri, rr[i], i + 1, end);
      }
    }

    long work = 0;
    for (int r = last + 1; r <= n; ++r) {
      const double* const rr = row(r);
      for (int k = first; k <= last; ++k) {
        if (rr[k] != 0.0) work += reach[static_cast<std::size_t>(k)] - k;
      }
    }
    const bool parallel = work >= kParallelWork;
    if (parallel && threads == 0) threads = ThreadsToUse();
#pragma omp parallel for schedule(dynamic, 8) if (parallel) num_threads(parallel ? threads : 1)
    for (int r = last + 1; r <= n; ++r) {
      double* const rr = row(r);
      for (int k = first; k <= last; ++k) {
        const double f = rr[k];
        if (f != 0.0) kernels::SubtractMultiple(rr, row(k), f, k + 1, reach[static_cast<std::size_t>(k)]);
      }
    }
  }
  return 0;
}

}  // namespace mechanics
