#include "geometry/check/echelon_form.h"

#include <cmath>

namespace kelmf {
namespace {

// row -= f * pivot over columns first..n. A factor of 0 changes nothing: K
// holds no negative zeros before the rows are normalised, so the sums stay
// bit for bit what the full loop gives.
void SubtractRow(double* row, const double* pivot, double f, int first, int n) {
  if (f == 0.0) return;
  for (int j = first; j <= n; ++j) row[j] -= f * pivot[j];
}

}  // namespace

void ForwardEliminate(mechanics::Matrix& k) {
  const int n = k.size();
  for (int i = 1; i < n; ++i) {
    const double* pivot = k.row(i);
    const double p = pivot[i];
    if (!(std::fabs(p) > 0.0)) continue;
    for (int r = i + 1; r <= n; ++r) {
      double* row = k.row(r);
      SubtractRow(row, pivot, row[i] / p, i, n);
    }
  }
}

void BackEliminate(mechanics::Matrix& k) {
  const int n = k.size();
  for (int a = 1; a <= n; ++a) {
    double* row = k.row(a);
    for (int c = a + 1; c <= n; ++c) {
      const double* used = k.row(c);
      const double d = used[c];
      if (std::fabs(d) > 0.1) SubtractRow(row, used, row[c] / d, 1, n);
    }
  }
}

int NormaliseRows(mechanics::Matrix& k) {
  const int n = k.size();
  int free = 0;
  for (int i = 1; i <= n; ++i) {
    if (std::fabs(k(i, i)) < 1.0) ++free;
  }
  for (int i = 1; i <= n; ++i) {
    double* row = k.row(i);
    const double d = row[i];
    if (d == 0.0) continue;
    for (int j = 1; j <= n; ++j) row[j] /= d;
    if (std::fabs(d) < 1.0) row[i] = d;
  }
  return free;
}

int MechanismColumn(const mechanics::Matrix& k) {
  const int n = k.size();
  for (int i = 1; i <= n; ++i) {
    if (k(i, i) < 0.01) return i;
  }
  return n;
}

mechanics::Vector MechanismVector(const mechanics::Matrix& k, int f) {
  const int n = k.size();
  mechanics::Vector u(n);
  if (f < 1 || f > n) return u;
  for (int r = 1; r <= n; ++r) u[r] = -k(r, f);
  u[f] = 1.0;
  return u;
}

}  // namespace kelmf
