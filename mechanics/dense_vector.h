#pragma once
// A 1-based vector of doubles: n values in n + 1 slots, slot 0 kept at zero and never used.
#include <algorithm>
#include <cassert>
#include <cstddef>
#include <vector>

namespace mechanics {

class Vector {
 public:
  Vector() = default;
  explicit Vector(int n) : n_(std::max(n, 0)), values_(static_cast<std::size_t>(n_) + 1, 0.0) {}

  int size() const { return n_; }

  double& operator[](int i) {
    assert(i >= 1 && i <= n_);
    return values_[static_cast<std::size_t>(i)];
  }
  double operator[](int i) const {
    assert(i >= 1 && i <= n_);
    return values_[static_cast<std::size_t>(i)];
  }

  // Slot 0 first, then values 1..n.
  double* data() { return values_.data(); }
  const double* data() const { return values_.data(); }

  // Sets values 1..n; slot 0 stays zero.
  void Fill(double value) { std::fill(values_.begin() + 1, values_.end(), value); }

 private:
  int n_ = 0;
  std::vector<double> values_ = std::vector<double>(1, 0.0);
};

}  // namespace mechanics
