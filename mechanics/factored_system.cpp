#include "mechanics/factored_system.h"

#include <cassert>
#include <utility>
#include <vector>

namespace mechanics {

namespace kernels {

Profile ProfileOf(const Matrix& matrix, const Matrix& factors) {
  const int n = matrix.size();
  const auto slots = static_cast<std::size_t>(n) + 1;
  Profile p;
  p.lowerFirst.assign(slots, 0);
  p.upperLast.assign(slots, 0);
  p.first.assign(slots, 1);
  p.last.assign(slots, 0);
  for (int r = 1; r <= n; ++r) {
    const auto at = static_cast<std::size_t>(r);
    const double* f = factors.row(r);
    int lower = r;
    for (int c = 1; c < r; ++c) {
      if (f[c] != 0.0) {
        lower = c;
        break;
      }
    }
    int upper = r;
    for (int c = n; c > r; --c) {
      if (f[c] != 0.0) {
        upper = c;
        break;
      }
    }
    p.lowerFirst[at] = lower;
    p.upperLast[at] = upper;

    const double* m = matrix.row(r);
    int first = 1;
    while (first <= n && m[first] == 0.0) ++first;
    int last = n;
    while (last >= first && m[last] == 0.0) --last;
    p.first[at] = first;
    p.last[at] = last;
  }
  return p;
}

}  // namespace kernels

FactoredSystem::FactoredSystem(Matrix k, PivotRule rule) : matrix_(std::move(k)), factors_(matrix_) {
  singularRow_ = Eliminate(factors_, rule, swaps_);
  if (singularRow_ == 0) profile_ = kernels::ProfileOf(matrix_, factors_);
}

void FactoredSystem::ForwardSubstitute(Vector& b) const {
  assert(factored() && b.size() == size());
  kernels::Forward<1>(factors_, swaps_, profile_, b.data());
}

void FactoredSystem::BackSubstitute(Vector& b) const {
  assert(factored() && b.size() == size());
  kernels::Back<1>(factors_, profile_, b.data());
}

void FactoredSystem::SubtractProduct(const Vector& x, Vector& residual) const {
  assert(factored() && x.size() == size() && residual.size() == size());
  kernels::SubtractProduct<1>(matrix_, profile_, x.data(), residual.data());
}

RefinedSolution FactoredSystem::SolveWithRefinement(Vector& b) const {
  if (!factored() || b.size() != size()) return {false, 0, 0.0};
  Vector residual = b;
  ForwardSubstitute(b);
  BackSubstitute(b);
  SubtractProduct(b, residual);
  std::vector<double> sum(static_cast<std::size_t>(size()) + 1);
  return kernels::Refine(matrix_, factors_, swaps_, profile_, b.data(), residual.data(), sum.data());
}

RefinedSolution FactoredSystem::SolveUnitColumn(int j, Vector& x) const {
  if (!factored() || j < 1 || j > size()) return {false, 0, 0.0};
  x = Vector(size());
  x[j] = 1.0;
  return SolveWithRefinement(x);
}

}  // namespace mechanics
