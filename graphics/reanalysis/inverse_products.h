#pragma once
// The products with K^-1 of the reanalysis, as parallel loops over the equations (OpenMP, static
// schedule): each result entry is one sum in a fixed order, so the results are the same bits
// for any number of threads.
#include <vector>

#include "mechanics/dense_matrix.h"

namespace revuzavi {

// The threads for a loop over n equations: 1 for a small frame, where starting threads costs
// more than they save, else mechanics::ThreadsToUse().
int ParallelThreads(int n);

// One column of K^-1 with its factor.
struct InverseTerm {
  int dof = 0;
  double factor = 0.0;
};

// u[i] -= sum over the terms of factor K^-1[dof][i], i = 1..n (u holds at least n + 1 slots).
void SubtractInverseColumns(const mechanics::Matrix& inverse, const std::vector<InverseTerm>& terms,
                            std::vector<double>& u, int threads);

// w[i] = row i of K^-1 times r, i = 1..n (r and w 1-based with n + 1 slots).
void InverseTimes(const mechanics::Matrix& inverse, const std::vector<double>& r, std::vector<double>& w, int threads);

}  // namespace revuzavi
