#pragma once
// A square 1-based matrix of doubles for up to a few thousand equations.
//
// Rows 1..n lie back to back, each n + 1 doubles wide: index 0 of a row is kept at zero and never
// used, so row i at byte (i - 1) * 8 (n + 1) is exactly the layout of the suite's matrix files and
// the whole matrix is written or read in one block (data(), valueCount()).
#include <algorithm>
#include <cassert>
#include <cstddef>
#include <vector>

namespace mechanics {

class Matrix {
 public:
  Matrix() = default;
  explicit Matrix(int n)
      : n_(std::max(n, 0)), values_(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_ + 1), 0.0) {}

  int size() const { return n_; }
  // Doubles from one row to the next.
  std::ptrdiff_t stride() const { return n_ + 1; }

  // Row i (1..n), indexed 0..n; index 0 is not part of the matrix.
  double* row(int i) {
    assert(i >= 1 && i <= n_);
    return values_.data() + static_cast<std::ptrdiff_t>(i - 1) * stride();
  }
  const double* row(int i) const {
    assert(i >= 1 && i <= n_);
    return values_.data() + static_cast<std::ptrdiff_t>(i - 1) * stride();
  }

  double& operator()(int i, int j) {
    assert(j >= 1 && j <= n_);
    return row(i)[j];
  }
  double operator()(int i, int j) const {
    assert(j >= 1 && j <= n_);
    return row(i)[j];
  }

  // Rows 1..n with their index-0 slots: n (n + 1) doubles.
  double* data() { return values_.data(); }
  const double* data() const { return values_.data(); }
  std::size_t valueCount() const { return values_.size(); }

  void SetZero() { std::fill(values_.begin(), values_.end(), 0.0); }

 private:
  int n_ = 0;
  std::vector<double> values_;
};

}  // namespace mechanics
