#pragma once
// The poles (instantaneous centres of rotation) of the elements of a mechanism,
// one per element, 1-based: filled by the kinematic check, drawn by the editor
// and taken into the pole extents. A check that finds no mechanism clears it.
#include <array>
#include <cstdint>
#include <stdexcept>

#include "common/records/capacities.h"

namespace kelmf {

struct Pole {
  float x = 0.0f;
  float z = 0.0f;  // the user's vertical coordinate
  // 1 when the element does not rotate: the pole lies at infinity and x, z
  // keep their former values, which mean nothing.
  std::int32_t at_infinity = 0;
};

class PoleTable {
 public:
  static constexpr int kCapacity = common::kMaxElements;

  // Number of elements whose poles the last mechanism filled (0: none yet).
  int count() const { return count_; }
  // False (and nothing changes) outside 0..kCapacity.
  bool SetCount(int n) {
    if (n < 0 || n > kCapacity) return false;
    count_ = n;
    return true;
  }
  // No poles: count 0, every entry back to 0, 0, 0.
  void Clear() {
    poles_.fill(Pole{});
    count_ = 0;
  }
  // The pole of element e, 1..kCapacity; std::out_of_range for any other e.
  Pole& operator[](int e) { return poles_.at(Check(e)); }
  const Pole& operator[](int e) const { return poles_.at(Check(e)); }

 private:
  static std::size_t Check(int e) {
    if (e < 1 || e > kCapacity) throw std::out_of_range("pole of an element out of range");
    return static_cast<std::size_t>(e);
  }

  std::array<Pole, kCapacity + 1> poles_{};
  int count_ = 0;
};

}  // namespace kelmf
