#include "graphics/reanalysis/inverse_products.h"

#include "mechanics/thread_count.h"

namespace revuzavi {

int ParallelThreads(int n) { return n < 64 ? 1 : mechanics::ThreadsToUse(); }

void SubtractInverseColumns(const mechanics::Matrix& inverse, const std::vector<InverseTerm>& terms,
                            std::vector<double>& u, int threads) {
  const int n = inverse.size();
  const int m = static_cast<int>(terms.size());
  std::vector<const double*> columns(terms.size());
  for (int t = 0; t < m; ++t) columns[static_cast<std::size_t>(t)] = inverse.row(terms[static_cast<std::size_t>(t)].dof);
  double* out = u.data();
#pragma omp parallel for schedule(static) num_threads(threads)
  for (int i = 1; i <= n; ++i) {
    double sum = 0.0;
    for (int t = 0; t < m; ++t) sum += terms[static_cast<std::size_t>(t)].factor * columns[static_cast<std::size_t>(t)][i];
    out[i] -= sum;
  }
}

void InverseTimes(const mechanics::Matrix& inverse, const std::vector<double>& r, std::vector<double>& w,
                  int threads) {
  const int n = inverse.size();
  const double* in = r.data();
  double* out = w.data();
#pragma omp parallel for schedule(static) num_threads(threads)
  for (int i = 1; i <= n; ++i) {
    const double* row = inverse.row(i);
    double sum = 0.0;
    for (int j = 1; j <= n; ++j) sum += row[j] * in[j];
    out[i] = sum;
  }
}

}  // namespace revuzavi
