#include "mechanics/curves/curve_line.h"

namespace mechanics {

CurveLine& CurveLine::operator+=(const CurveLine& other) {
  for (int i = 0; i < kSamples; ++i) values_[i] += other.values_[i];
  return *this;
}

void CurveLine::AddConstant(double value) {
  for (double& v : values_) v += value;
}

SampleLine CurveLine::Rounded() const {
  SampleLine line;
  for (int i = 1; i <= kSamples; ++i) line(i) = static_cast<float>(values_[i - 1]);
  return line;
}

ElementCurves& ElementCurves::operator+=(const ElementCurves& other) {
  u += other.u;
  w += other.w;
  m += other.m;
  v += other.v;
  n += other.n;
  return *this;
}

SectionForces& SectionForces::operator+=(const SectionForces& other) {
  n += other.n;
  m += other.m;
  v += other.v;
  return *this;
}

}  // namespace mechanics
