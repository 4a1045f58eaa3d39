#pragma once
// Two doubles handled as one SSE2 register. Each lane is an ordinary IEEE multiply or subtract,
// so results are the same as with plain doubles; the type only keeps the compiler from choosing
// a poor vectorisation of its own.
#include <cstring>

namespace mechanics::kernels {

using DoublePair = double __attribute__((vector_size(16)));

inline DoublePair LoadPair(const double* p) {
  DoublePair v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

inline void StorePair(double* p, DoublePair v) { std::memcpy(p, &v, sizeof v); }

// target[j] -= f * source[j] for j = from..to.
inline void SubtractMultiple(double* __restrict target, const double* __restrict source, double f, int from,
                             int to) {
  const DoublePair ff = {f, f};
  int j = from;
  for (; j + 3 <= to; j += 4) {
    const DoublePair t0 = LoadPair(target + j) - ff * LoadPair(source + j);
    const DoublePair t1 = LoadPair(target + j + 2) - ff * LoadPair(source + j + 2);
    StorePair(target + j, t0);
    StorePair(target + j + 2, t1);
  }
  for (; j <= to; ++j) target[j] -= f * source[j];
}

}  // namespace mechanics::kernels
