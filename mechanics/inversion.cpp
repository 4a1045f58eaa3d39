#include "mechanics/inversion.h"

#include <algorithm>
#include <cstddef>

#include "mechanics/solve_kernels.h"
#include "mechanics/thread_count.h"

namespace mechanics {
namespace {

// Unit columns solved together: each row of the factors is then read once for all of them.
constexpr int kColumnsPerBlock = 8;
// Below this many multiply-subtracts for all columns the inversion is not worth splitting over
// threads: a sparse frame inverts in a few milliseconds on one.
constexpr double kParallelWork = 3e7;

// Multiply-subtracts of one column at most: both substitutions and the residual, within the
// non-zero extents of the rows.
double WorkPerColumn(const kernels::Profile& profile, int n) {
  double work = 0.0;
  for (int j = 1; j <= n; ++j) {
    const auto at = static_cast<std::size_t>(j);
    work += (profile.upperLast[at] - j) + (j - profile.lowerFirst[at]);
    work += std::max(0, profile.last[at] - profile.first[at] + 1);
  }
  return work;
}

}  // namespace

Inverse InvertByColumns(const FactoredSystem& system) {
  if (!system.factored()) return {};
  constexpr int W = kColumnsPerBlock;
  const int n = system.size();
  const auto slots = static_cast<std::size_t>(n) + 1;
  Inverse inverse{Matrix(n), Vector(n), std::vector<int>(slots, 0)};
  const int blocks = (n + W - 1) / W;

  const bool parallel = WorkPerColumn(system.profile(), n) * n >= kParallelWork;
#pragma omp parallel if (parallel) num_threads(parallel ? ThreadsToUse() : 1)
  {
    std::vector<double> x(slots * W);
    std::vector<double> residual(slots * W);
    std::vector<double> column(slots);
    std::vector<double> columnResidual(slots);
    std::vector<double> sum(slots);

#pragma omp for schedule(dynamic)
    for (int block = 0; block < blocks; ++block) {
      const int firstColumn = block * W + 1;
      const int count = std::min(W, n - firstColumn + 1);
      std::fill(x.begin(), x.end(), 0.0);
      std::fill(residual.begin(), residual.end(), 0.0);
      for (int c = 0; c < count; ++c) {
        kernels::At<W>(x.data(), firstColumn + c)[c] = 1.0;
        kernels::At<W>(residual.data(), firstColumn + c)[c] = 1.0;
      }
      kernels::Forward<W>(system.factors(), system.swaps(), system.profile(), x.data());
      kernels::Back<W>(system.factors(), system.profile(), x.data());
      kernels::SubtractProduct<W>(system.matrix(), system.profile(), x.data(), residual.data());

      for (int c = 0; c < count; ++c) {
        const int j = firstColumn + c;
        for (int i = 1; i <= n; ++i) {
          column[static_cast<std::size_t>(i)] = kernels::At<W>(x.data(), i)[c];
          columnResidual[static_cast<std::size_t>(i)] = kernels::At<W>(residual.data(), i)[c];
        }
        const RefinedSolution solved = kernels::Refine(system.matrix(), system.factors(), system.swaps(),
                                                       system.profile(), column.data(), columnResidual.data(),
                                                       sum.data());
        std::copy(column.begin() + 1, column.end(), inverse.columns.row(j) + 1);
        inverse.diagonal[j] = column[static_cast<std::size_t>(j)];
        inverse.corrections[static_cast<std::size_t>(j)] = solved.corrections;
      }
    }
  }
  return inverse;
}

}  // namespace mechanics
