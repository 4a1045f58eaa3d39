#include "mechanics/inversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "mechanics/factored_system.h"
#include "mechanics/supported_rotation.h"
#include "mechanics/tests/hand_frame.h"

namespace {

using mechanics::FactoredSystem;
using mechanics::Inverse;
using mechanics::Matrix;
using mechanics::PivotRule;
using mechanics::Vector;
using mechanics::testing::AssembleFrame;

Matrix FromRows(const std::vector<std::vector<double>>& rows) {
  Matrix k(static_cast<int>(rows.size()));
  for (int i = 1; i <= k.size(); ++i) {
    const std::vector<double>& values = rows[static_cast<std::size_t>(i - 1)];
    for (int j = 1; j <= k.size(); ++j) k(i, j) = values[static_cast<std::size_t>(j - 1)];
  }
  return k;
}

Inverse InvertOrFail(const Matrix& k) {
  const FactoredSystem system(k, PivotRule::kFirstUsable);
  EXPECT_EQ(system.singularRow(), 0);
  return mechanics::InvertByColumns(system);
}

// F(i, j) of the inverse: row j of `columns` holds column j.
double F(const Inverse& inverse, int i, int j) { return inverse.columns(j, i); }

// Largest |K F - I| and largest |F - F^T| relative to the largest |F|.
struct Check {
  double identity = 0.0;
  double asymmetry = 0.0;
};

Check CheckInverse(const Matrix& k, const Inverse& inverse) {
  const int n = k.size();
  Check c;
  double largest = 0.0;
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      double sum = 0.0;
      for (int m = 1; m <= n; ++m) sum += k(i, m) * F(inverse, m, j);
      c.identity = std::max(c.identity, std::fabs(sum - (i == j ? 1.0 : 0.0)));
      largest = std::max(largest, std::fabs(F(inverse, i, j)));
    }
  }
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) c.asymmetry = std::max(c.asymmetry, std::fabs(F(inverse, i, j) - F(inverse, j, i)));
  }
  c.asymmetry /= largest;
  return c;
}

TEST(Inversion, ExchangeCases) {
  const struct {
    std::vector<std::vector<double>> k, inverse;
    int exchangedWith;
  } cases[] = {
      {{{0, 1, 0}, {1, 0, 0}, {0, 0, 2}}, {{0, 1, 0}, {1, 0, 0}, {0, 0, 0.5}}, 2},
      {{{0, 0, 1}, {0, 3, 0}, {1, 0, 5}}, {{-5, 0, 1}, {0, 1.0 / 3.0, 0}, {1, 0, 0}}, 3},
  };
  for (const auto& c : cases) {
    const FactoredSystem system(FromRows(c.k), PivotRule::kFirstUsable);
    ASSERT_EQ(system.singularRow(), 0);
    EXPECT_TRUE(system.swaps().exchanged);
    EXPECT_EQ(system.swaps().swap[1], c.exchangedWith);
    const Inverse inverse = mechanics::InvertByColumns(system);
    for (int i = 1; i <= 3; ++i) {
      for (int j = 1; j <= 3; ++j) {
        EXPECT_DOUBLE_EQ(F(inverse, i, j), c.inverse[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)])
            << i << "," << j;
      }
      EXPECT_EQ(inverse.diagonal[i], F(inverse, i, i));
    }
  }
}

TEST(Inversion, SingleSpanStiffnessAndInverse) {
  // Nodes (0,0) and (4,0); node 1 held in u and v, node 2 in v, by springs of SupportStiffness.
  const Matrix k = AssembleFrame(6, {{0, 0, 4, 0, {1, 2, 3, 4, 5, 6}}}, {{1, 1.0}, {2, 1.0}, {5, 1.0}});
  const struct {
    int i, j;
    double value;
  } stiffness[] = {{2, 3, -7500}, {2, 6, -7500}, {3, 6, 1e4}, {1, 1, 2.5e6}, {3, 2, -7500}, {6, 3, 1e4}};
  for (const auto& s : stiffness) EXPECT_NEAR(k(s.i, s.j), s.value, std::fabs(s.value) * 1e-6) << s.i << "," << s.j;

  const Inverse inverse = InvertOrFail(k);
  const struct {
    int i, j;
    double value;
  } flexibility[] = {
      {1, 1, 5e-7},          {2, 2, 5e-7},           {4, 4, 2.5e-6},          {2, 3, 1.25e-7},
      {2, 6, 1.25e-7},       {3, 3, 3203.0 / 48e6},  {6, 6, 3203.0 / 48e6},   {3, 6, -1597.0 / 48e6},
      {6, 3, -1597.0 / 48e6}, {3, 2, 1.25e-7},
  };
  for (const auto& f : flexibility) {
    EXPECT_NEAR(F(inverse, f.i, f.j), f.value, std::fabs(f.value) * 1e-4) << f.i << "," << f.j;
  }
  for (int j = 1; j <= 6; ++j) EXPECT_EQ(inverse.diagonal[j], F(inverse, j, j));
  const Check check = CheckInverse(k, inverse);
  EXPECT_LT(check.identity, 1e-9);
}

TEST(Inversion, RandomSymmetricPositiveMatrix) {
  const int n = 150;  // several blocks of columns, the last one short, solved in parallel
  std::mt19937 gen(5);
  std::uniform_real_distribution<double> value(-1.0, 1.0);
  Matrix m(n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) m(i, j) = value(gen);
  }
  Matrix k(n);
  for (int i = 1; i <= n; ++i) {
    for (int j = 1; j <= n; ++j) {
      double sum = i == j ? n : 0.0;
      for (int p = 1; p <= n; ++p) sum += m(i, p) * m(j, p);
      k(i, j) = sum;
    }
  }
  const FactoredSystem system(k, PivotRule::kFirstUsable);
  ASSERT_EQ(system.singularRow(), 0);
  const Inverse inverse = mechanics::InvertByColumns(system);
  const Check check = CheckInverse(k, inverse);
  EXPECT_LT(check.identity, 1e-9);
  EXPECT_LT(check.asymmetry, 1e-9);

  // Every column is exactly the one the single-column solution gives.
  for (int j : {1, 8, 9, 77, 144, 145, 150}) {
    Vector x(n);
    const mechanics::RefinedSolution solved = system.SolveUnitColumn(j, x);
    EXPECT_EQ(solved.corrections, inverse.corrections[static_cast<std::size_t>(j)]);
    for (int i = 1; i <= n; ++i) ASSERT_EQ(x[i], F(inverse, i, j)) << i << "," << j;
  }
}

TEST(Inversion, PortalFrameWithHingeAndSprings) {
  // Columns 1-2 and 4-3 (4 m), beam 2-3 (6 m) hinged at node 2. Node 2 has the hinged beam end's
  // rotation 6 and the column's rotation 7; node 1 is clamped, node 4 has a horizontal spring of
  // half the support stiffness and a vertical support, and node 2 a rotational support.
  const int rotationAtNode2 = mechanics::SupportedRotationEquation(std::vector<int>{6, 7}, 1, 2);
  ASSERT_EQ(rotationAtNode2, 7);
  const Matrix k = AssembleFrame(13,
                                 {{0, 0, 0, 4, {1, 2, 3, 4, 5, 7}},
                                  {0, 4, 6, 4, {4, 5, 6, 8, 9, 10}},
                                  {6, 0, 6, 4, {11, 12, 13, 8, 9, 10}}},
                                 {{1, 1.0}, {2, 1.0}, {3, 1.0}, {11, 0.5}, {12, 1.0}, {rotationAtNode2, 1.0}});
  const Inverse inverse = InvertOrFail(k);
  const Check check = CheckInverse(k, inverse);
  EXPECT_LT(check.identity, 1e-9);
  EXPECT_LT(check.asymmetry, 1e-9);
  // The support holds the column's rotation; the hinged beam end still turns freely.
  EXPECT_LT(F(inverse, 7, 7), 1e-6);
  EXPECT_GT(F(inverse, 6, 6), 100 * F(inverse, 7, 7));
}

TEST(Inversion, RefinementCorrectsAWeakPivot) {
  // The first rule keeps the small pivot 2e-5; the large multiplier costs digits that the
  // corrections win back.
  const Matrix k = FromRows({{2e-5, 1, 0}, {1, 1, 1}, {0, 1, 3}});
  const FactoredSystem system(k, PivotRule::kFirstUsable);
  ASSERT_EQ(system.singularRow(), 0);
  EXPECT_FALSE(system.swaps().exchanged);
  const Inverse inverse = mechanics::InvertByColumns(system);
  int corrected = 0;
  for (int j = 1; j <= 3; ++j) corrected += inverse.corrections[static_cast<std::size_t>(j)];
  EXPECT_GT(corrected, 0);
  EXPECT_LT(CheckInverse(k, inverse).identity, 1e-12);

  // Hilbert's matrix of order 8 (scaled) takes a correction and ends at the exact value 64; the
  // one of order 16 never gets its residual below the limit: 31 corrections, then it stops.
  for (const int n : {8, 16}) {
    Matrix hilbert(n);
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) hilbert(i, j) = (n == 8 ? 1e8 : 1e10) / (i + j - 1);
    }
    const FactoredSystem hilbertSystem(hilbert, PivotRule::kFirstUsable);
    ASSERT_EQ(hilbertSystem.singularRow(), 0);
    Vector b(n);
    b[1] = 1.0;
    const mechanics::RefinedSolution solved = hilbertSystem.SolveWithRefinement(b);
    if (n == 8) {
      EXPECT_GE(solved.corrections, 1);
      EXPECT_LE(solved.residual, mechanics::kResidualLimit);
      EXPECT_NEAR(b[1], 64e-8, 64e-8 * 1e-4);
    } else {
      EXPECT_GT(solved.residual, mechanics::kResidualLimit);
      EXPECT_EQ(solved.corrections, mechanics::kMostCorrections);
    }
  }
}

TEST(Inversion, SingularSystemSolvesNothing) {
  // A beam on two rollers: singular in row 4; nothing is solved and nothing is inverted.
  const FactoredSystem system(AssembleFrame(6, {{0, 0, 4, 0, {1, 2, 3, 4, 5, 6}}}, {{2, 1.0}, {5, 1.0}}),
                              PivotRule::kFirstUsable);
  EXPECT_EQ(system.singularRow(), 4);
  Vector b(6);
  b[4] = 1.0;
  EXPECT_FALSE(system.SolveWithRefinement(b).solved);
  EXPECT_EQ(b[4], 1.0);
  EXPECT_FALSE(system.SolveUnitColumn(1, b).solved);
  EXPECT_EQ(mechanics::InvertByColumns(system).columns.size(), 0);

  const FactoredSystem regular(FromRows({{2, 0}, {0, 4}}), PivotRule::kFirstUsable);
  Vector wrongSize(3);
  EXPECT_FALSE(regular.SolveWithRefinement(wrongSize).solved);
  EXPECT_FALSE(regular.SolveUnitColumn(3, b).solved);
  Vector x(2);
  EXPECT_TRUE(regular.SolveUnitColumn(2, x).solved);
  EXPECT_EQ(x[2], 0.25);
}

TEST(Inversion, ReadyForAMatrixOfNoEquations) {
  const FactoredSystem system(Matrix(0), PivotRule::kFirstUsable);
  EXPECT_EQ(system.singularRow(), 0);
  const Inverse inverse = mechanics::InvertByColumns(system);
  EXPECT_EQ(inverse.columns.size(), 0);
  EXPECT_EQ(inverse.diagonal.size(), 0);
}

}  // namespace
