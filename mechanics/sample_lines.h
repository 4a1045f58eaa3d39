#pragma once
// Lines of a beam on the sample grid of an element: 51 samples, sample i (1..51) at
// x = (i - 1) l / 50 from the start node, sample 26 in the middle.
#include <array>

namespace mechanics {

inline constexpr int kSamples = 51;

// x of sample i (1..51) on an element of length l.
double SampleX(int i, double l);

// 51 values, 1-based.
class SampleLine {
 public:
  float& operator()(int i) { return values_[i - 1]; }
  float operator()(int i) const { return values_[i - 1]; }
  // Sample 1 first, as the curve files hold them.
  const float* data() const { return values_.data(); }

 private:
  std::array<float, kSamples> values_{};
};

// 51 x 51 values, 1-based: entry (i, s) belongs to field sample i and source sample s.
class SampleTable {
 public:
  float& operator()(int i, int s) { return values_[i - 1][s - 1]; }
  float operator()(int i, int s) const { return values_[i - 1][s - 1]; }

 private:
  std::array<std::array<float, kSamples>, kSamples> values_{};
};

// The bending moment of a simply supported span l under a point moment m at distance a:
// -m x / l for x <= a, m (l - x) / l beyond.
SampleLine JumpLine(double l, double m, double a);
// The bending moment of a simply supported span l under a unit transverse force at a:
// x (l - a) / l for x <= a, (l - x) a / l beyond.
SampleLine PointForceLine(double l, double a);
// G(i, s): the deflection at sample i of an element clamped at both ends under a unit transverse
// force at sample s. Symmetric; rows and columns 1 and 51 are zero; G(26, 26) = l^3 / (192 EI).
SampleTable ClampedBeamTable(double l, double ei);

}  // namespace mechanics
