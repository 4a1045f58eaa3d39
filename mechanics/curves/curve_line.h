#pragma once
// A curve along an element on the sample grid (mechanics/sample_lines.h) in double precision: the
// parts of a curve are summed in double and rounded to single precision once, for its file.
#include <array>

#include "mechanics/sample_lines.h"

namespace mechanics {

// 51 values, 1-based.
class CurveLine {
 public:
  double& operator()(int i) { return values_[i - 1]; }
  double operator()(int i) const { return values_[i - 1]; }

  CurveLine& operator+=(const CurveLine& other);
  // Every value plus `value`.
  void AddConstant(double value);
  // The values in single precision.
  SampleLine Rounded() const;

 private:
  std::array<double, kSamples> values_{};
};

// The five curves of an element in its own axes: axial displacement u, deflection w (along the
// left normal), bending moment M = -EI w'', shear force V = dM/dx and normal force N = EA u'.
struct ElementCurves {
  CurveLine u, w, m, v, n;

  ElementCurves& operator+=(const ElementCurves& other);
};

// The normal force, bending moment and shear force at one place of an element, with the signs of
// the curves.
struct SectionForces {
  double n = 0.0, m = 0.0, v = 0.0;

  SectionForces& operator+=(const SectionForces& other);
};

}  // namespace mechanics
