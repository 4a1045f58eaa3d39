#include "mechanics/elimination.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "mechanics/dense_matrix.h"
#include "mechanics/tests/hand_frame.h"

namespace {

using mechanics::Matrix;
using mechanics::PivotRule;
using mechanics::RowSwapTable;

// The elimination written step by step, one column of equations after the other, as the oracle
// for the cache-ordered one.
int StepByStep(Matrix& k, PivotRule rule, std::vector<int>& swap) {
  const int n = k.size();
  swap.assign(static_cast<std::size_t>(n) + 1, 0);
  for (int i = 1; i <= n; ++i) {
    int pivot = i;
    if (rule == PivotRule::kFirstUsable) {
      if (std::fabs(k(i, i)) < 1e-5) {
        pivot = 0;
        for (int j = i + 1; j <= n && pivot == 0; ++j) {
          if (std::fabs(k(i, j)) > 1e-5) pivot = j;
        }
        if (pivot == 0) return i;
      }
    } else {
      for (int j = i + 1; j <= n; ++j) {
        if (std::fabs(k(i, j)) > std::fabs(k(i, pivot))) pivot = j;
      }
      if (k(i, pivot) == 0.0) return i;
    }
    if (pivot != i) {
      swap[static_cast<std::size_t>(i)] = pivot;
      for (int r = 1; r <= n; ++r) std::swap(k(r, i), k(r, pivot));
    }
    const double p = k(i, i);
    const double inverse = 1.0 / p;
    for (int j = i + 1; j <= n; ++j) {
      const double f = rule == PivotRule::kFirstUsable ? k(i, j) / p : inverse * k(i, j);
      k(i, j) = f;
      for (int r = i + 1; r <= n; ++r) k(r, j) -= f * k(r, i);
    }
  }
  return 0;
}

// A random matrix whose rows listed in `late` have zeros up to their diagonal, so that their
// diagonal stays zero until their own step and the equation must be exchanged there.
Matrix RandomMatrix(int n, unsigned seed, const std::vector<int>& late) {
  std::mt19937 gen(seed);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  std::bernoulli_distribution present(0.6);
  Matrix k(n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) k(i, j) = present(gen) ? value(gen) : 0.0;
    k(i, i) += 4.0;
  }
  for (int i : late) {
    for (int j = 1; j <= i; ++j) k(i, j) = 0.0;
  }
  return k;
}

bool SameBits(const Matrix& a, const Matrix& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.valueCount() * sizeof(double)) == 0;
}

TEST(Elimination, SameFactorsAndExchangesAsStepByStep) {
  const struct {
    int n;
    std::vector<int> late;
  } cases[] = {
      {1, {}},
      {7, {1, 4}},
      {45, {1, 2, 33, 40}},           // across two panels
      {203, {5, 31, 32, 33, 150, 202}},  // large enough to run in parallel, an uneven last panel
  };
  for (const PivotRule rule : {PivotRule::kFirstUsable, PivotRule::kLargest}) {
    for (const auto& c : cases) {
      Matrix fast = RandomMatrix(c.n, 17u + static_cast<unsigned>(c.n), c.late);
      Matrix slow = fast;
      RowSwapTable swaps;
      std::vector<int> expectedSwaps;
      const int expectedRow = StepByStep(slow, rule, expectedSwaps);
      ASSERT_EQ(expectedRow, 0);
      EXPECT_EQ(mechanics::Eliminate(fast, rule, swaps), 0);
      EXPECT_EQ(swaps.swap, expectedSwaps) << "n = " << c.n;
      EXPECT_TRUE(SameBits(fast, slow)) << "n = " << c.n;
      if (rule == PivotRule::kFirstUsable) {
        // The late rows, and only rows like them, are exchanged.
        for (int i : c.late) EXPECT_GT(swaps.swap[static_cast<std::size_t>(i)], i) << "row " << i;
      }
      bool any = false;
      for (int s : swaps.swap) any = any || s != 0;
      EXPECT_EQ(swaps.exchanged, any);
    }
  }
}

TEST(Elimination, ExchangeOnlyBelowTheUsablePivot) {
  // 2e-5 is a usable pivot and is kept; 5e-6 is not, and the first coefficient above 1e-5 wins
  // even where a larger one follows.
  Matrix keep(3);
  keep(1, 1) = 2e-5, keep(1, 2) = 1, keep(1, 3) = 3;
  keep(2, 1) = 1, keep(2, 2) = 2;
  keep(3, 1) = 3, keep(3, 3) = 5;
  RowSwapTable swaps;
  EXPECT_EQ(mechanics::Eliminate(keep, PivotRule::kFirstUsable, swaps), 0);
  EXPECT_FALSE(swaps.exchanged);

  Matrix exchange(3);
  exchange(1, 1) = 5e-6, exchange(1, 2) = 8e-6, exchange(1, 3) = 0.5;
  exchange(2, 1) = 2, exchange(2, 2) = 7;
  exchange(3, 1) = 9, exchange(3, 3) = 1;
  Matrix copy = exchange;
  EXPECT_EQ(mechanics::Eliminate(exchange, PivotRule::kFirstUsable, swaps), 0);
  EXPECT_TRUE(swaps.exchanged);
  EXPECT_EQ(swaps.swap[1], 3);

  // The largest rule exchanges there too: 0.5 is the largest of the row.
  EXPECT_EQ(mechanics::Eliminate(copy, PivotRule::kLargest, swaps), 0);
  EXPECT_EQ(swaps.swap[1], 3);
}

TEST(Elimination, LargestRuleTakesTheFirstOfEqualCoefficients) {
  Matrix k(3);
  k(1, 1) = 1, k(1, 2) = -3, k(1, 3) = 3;
  k(2, 2) = 1;
  k(3, 3) = 1;
  RowSwapTable swaps;
  EXPECT_EQ(mechanics::Eliminate(k, PivotRule::kLargest, swaps), 0);
  EXPECT_EQ(swaps.swap[1], 2);
}

TEST(Elimination, SingularRowIsReported) {
  using mechanics::testing::AssembleFrame;
  // A beam on two rollers: nothing holds it along its axis, so step 4 (u of the end node) finds
  // no pivot, under either rule.
  const Matrix beam = AssembleFrame(6, {{0, 0, 4, 0, {1, 2, 3, 4, 5, 6}}}, {{2, 1.0}, {5, 1.0}});
  for (const PivotRule rule : {PivotRule::kFirstUsable, PivotRule::kLargest}) {
    Matrix k = beam;
    RowSwapTable swaps;
    EXPECT_EQ(mechanics::Eliminate(k, rule, swaps), 4);
  }
  EXPECT_EQ(mechanics::SingularityText(4), "Singularity in row 4");

  // Below the usable pivot counts as zero for the first rule only.
  Matrix tiny(2);
  tiny(1, 1) = 1;
  tiny(2, 2) = 1e-6;
  RowSwapTable swaps;
  Matrix copy = tiny;
  EXPECT_EQ(mechanics::Eliminate(tiny, PivotRule::kFirstUsable, swaps), 2);
  EXPECT_EQ(mechanics::Eliminate(copy, PivotRule::kLargest, swaps), 0);

  Matrix empty(0);
  EXPECT_EQ(mechanics::Eliminate(empty, PivotRule::kFirstUsable, swaps), 0);
  EXPECT_FALSE(swaps.exchanged);
}

}  // namespace
