// The viewer's finite-element core: element matrices, the small solvers with their files, and the
// searches for the extreme normal forces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "graphics/fem/element_load_vector.h"
#include "graphics/fem/element_matrices.h"
#include "graphics/fem/force_extremes.h"
#include "graphics/fem/small_systems.h"
#include "graphics/model/read_model_files.h"
#include "graphics/tests/viewer_fixture.h"

namespace revuzavi {
namespace {

using zedir::testing::FileDoubles;

// Rows given as the stored entries [i][1..m].
mechanics::Matrix Rows(const std::vector<std::vector<double>>& rows) {
  mechanics::Matrix m(static_cast<int>(rows.size()));
  for (int i = 1; i <= m.size(); ++i) {
    for (int j = 1; j <= m.size(); ++j) m(i, j) = rows[static_cast<std::size_t>(i - 1)][static_cast<std::size_t>(j - 1)];
  }
  return m;
}

mechanics::Vector Values(const std::vector<double>& values) {
  mechanics::Vector v(static_cast<int>(values.size()));
  for (int i = 1; i <= v.size(); ++i) v[i] = values[static_cast<std::size_t>(i - 1)];
  return v;
}

// Stored [i][j] is the coefficient of variable i in equation j: equation 1 reads x1 + 2 x2 = 5.
TEST(SolveWithRefinement, SolvesTheStoredTransposedSystemAndKeepsTheRows) {
  testing::ViewerPosition p;
  const mechanics::Matrix rows = Rows({{1, 3, 0}, {2, 1, 1}, {0, 1, 4}});
  mechanics::Vector b = Values({5, 8, 14});
  ASSERT_TRUE(SolveWithRefinement(rows, b, p.pos.position()).ok());
  EXPECT_NEAR(b[1], 1.0, 1e-12);
  EXPECT_NEAR(b[2], 2.0, 1e-12);
  EXPECT_NEAR(b[3], 3.0, 1e-12);
  EXPECT_DOUBLE_EQ(rows(1, 2), 3.0);
  EXPECT_DOUBLE_EQ(rows(2, 1), 2.0);

  // MATRIXNODES: row i at byte (i - 1) 8 (m + 1), double 0 of a row unused; LUNODES the factors.
  const std::vector<double> matrix = FileDoubles(p.pos.File("MATRIXNODES"));
  ASSERT_EQ(matrix.size(), 12u);
  EXPECT_DOUBLE_EQ(matrix[1], 1.0);
  EXPECT_DOUBLE_EQ(matrix[2], 3.0);
  EXPECT_DOUBLE_EQ(matrix[4 + 1], 2.0);
  EXPECT_DOUBLE_EQ(matrix[8 + 3], 4.0);
  const std::vector<double> factors = FileDoubles(p.pos.File("LUNODES"));
  ASSERT_EQ(factors.size(), 12u);
  EXPECT_DOUBLE_EQ(factors[1], 3.0);  // the pivot of step 1 after the exchange with equation 2
}

TEST(SolveLU, ExchangesToTheLargestCoefficientAndEliminatesB) {
  struct Case {
    std::vector<std::vector<double>> rows;
    int swap1;
  };
  for (const Case& c : {Case{{{1, 3, 0}, {2, 1, 1}, {0, 1, 4}}, 2}, Case{{{2, -2, 1}, {1, 3, 0}, {0, 1, 4}}, 0}}) {
    mechanics::Matrix rows = Rows(c.rows);
    const mechanics::Matrix original = rows;
    mechanics::Vector b = Values({5, 8, 14});
    mechanics::RowSwapTable swaps;
    ASSERT_TRUE(SolveLU(rows, b, swaps).ok());
    EXPECT_EQ(swaps.swap[1], c.swap1);
    // The same elimination through the forward substitution of the factors.
    mechanics::Vector again = Values({5, 8, 14});
    ForwardSubstitution(rows, swaps, again);
    for (int i = 1; i <= 3; ++i) EXPECT_DOUBLE_EQ(again[i], b[i]) << i;
    // Back substitution gives the solution of the stored system: the exchanges are of equations.
    for (int i = 3; i >= 1; --i) {
      for (int j = i + 1; j <= 3; ++j) b[i] -= rows(j, i) * b[j];
      b[i] /= rows(i, i);
    }
    const mechanics::Vector rhs = Values({5, 8, 14});
    for (int j = 1; j <= 3; ++j) {
      double sum = 0;
      for (int i = 1; i <= 3; ++i) sum += original(i, j) * b[i];
      EXPECT_NEAR(sum, rhs[j], 1e-12) << j;
    }
  }
}

TEST(SolveLU, ASingularMatrixNamesItsRowAndTooLargeASystemIsRefused) {
  testing::ViewerPosition p;
  mechanics::Matrix rows = Rows({{1, 2}, {2, 4}});
  mechanics::Vector b = Values({1, 2});
  mechanics::RowSwapTable swaps;
  const common::Result singular = SolveLU(rows, b, swaps);
  ASSERT_FALSE(singular.ok());
  EXPECT_EQ(singular.text(), "Singularity in row 2");
  EXPECT_EQ(singular.caption(), "Singular matrix");

  const mechanics::Matrix same = Rows({{1, 2}, {2, 4}});
  mechanics::Vector c = Values({1, 2});
  const common::Result refined = SolveWithRefinement(same, c, p.pos.position());
  EXPECT_EQ(refined.text(), "Singularity in row 2");
  EXPECT_DOUBLE_EQ(c[1], 1.0);

  mechanics::Matrix large(601);
  mechanics::Vector d(601);
  const common::Result refused = SolveLU(large, d, swaps);
  ASSERT_FALSE(refused.ok());
  EXPECT_EQ(refused.text(), "The system of 601 unknowns exceeds the limit of 600.");
  EXPECT_FALSE(SolveWithRefinement(large, d, p.pos.position()).ok());

  mechanics::Matrix three = Rows({{1, 3, 0}, {2, 1, 1}, {0, 1, 4}});
  mechanics::Vector two = Values({5, 8});
  EXPECT_EQ(SolveWithRefinement(three, two, p.pos.position()).text(),
            "A system of 3 unknowns cannot be solved for 2 values.");
  EXPECT_FALSE(SolveLU(three, two, swaps).ok());
  EXPECT_DOUBLE_EQ(three(1, 2), 3.0);
}

TEST(ElementStiffnessPart, IsTheMatrixOfTheWholeDirectionWithTheLengthOfThePart) {
  zedir::testing::FrameBuilder frame;
  const int a = frame.AddNode(0, 0, 1, 1, 1);
  const int b = frame.AddNode(3, 4, 0, 0, 0);  // length 5, c 0.6
  const int c = frame.AddNode(0.6f, 0.8f, 0, 0, 0);  // the same direction, length 1
  const int d = frame.AddNode(2.4f, 3.2f, 0, 0, 0);  // length 4
  frame.AddElement(a, b);
  frame.AddElement(a, c);
  frame.AddElement(a, d);
  testing::ViewerPosition p;
  p.model = frame.Build();
  p.pos.WriteModel(p.model);
  const ViewerState state = testing::ModelRead(p);
  struct Case {
    int type;
    float a;
    int same_as;
  };
  for (const Case k : {Case{1, 1.0f, 2}, Case{2, 1.0f, 3}, Case{0, 1.0f, 1}, Case{7, 2.0f, 1}}) {
    const mechanics::ElementMatrix part = ElementStiffnessPart(state, 1, k.type, k.a);
    const mechanics::ElementMatrix whole = ElementStiffness(state, k.same_as);
    for (int i = 1; i <= 6; ++i) {
      for (int j = 1; j <= 6; ++j) {
        EXPECT_NEAR(part(i, j), whole(i, j), 1e-6 * std::max(1.0, std::fabs(whole(i, j)))) << k.type << " " << i << j;
      }
    }
  }
}

// A force across element 2 at its middle; a load of a kind that does not exist beside it.
TEST(ElementLoadVector, TakesTheLoadsOfItsElementUnlessTheElementIsScaledOrHeld) {
  testing::ViewerPosition p;
  zedir::testing::LoadCaseFiles files;
  common::PointLoadRecord force;
  force.set_placement(common::PointLoadRecord::kOnElement);
  force.set_element(2);
  force.set_kind(common::PointLoadRecord::kForce);
  force.set_distance(3.0f);
  force.set_force_normal(10.0f);
  files.point_loads.Append(force);
  common::PointLoadRecord unknown = force;
  unknown.set_kind(3);
  files.point_loads.Append(unknown);
  p.pos.WriteLoadCase(1, files);
  p.WriteDiary({1});
  ViewerState state;
  std::vector<common::Result> notes;
  ASSERT_TRUE(StartupData(state, p.Request(), FreeTextOperations{}, notes).ok());

  const mechanics::Vector f = ElementLoadVector(state, 2);
  ASSERT_EQ(f.size(), 9);
  // P/2 at each end and the fixed-end moments P l / 8 at the element's own rotations 6 and 9.
  const double expected[10] = {0, 0, 0, 0, 0, 5.0, -7.5, 0, 5.0, 7.5};
  for (int i = 1; i <= 9; ++i) EXPECT_NEAR(f[i], expected[i], 1e-9) << i;
  const mechanics::Vector other = ElementLoadVector(state, 1);
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(other[i], 0.0) << i;

  struct Case {
    float k;
    int held;
    bool loads;
  };
  for (const Case c : {Case{0.0f, 0, true}, Case{1e-5f, 0, true}, Case{0.5f, 0, false}, Case{-1.0f, 1, false}}) {
    state.elements[2].set_stiffness_factor(c.k);
    state.elements[2].set_own_stiffness_flag(c.held);
    EXPECT_EQ(ElementLoadVector(state, 2)[5] != 0.0, c.loads) << c.k << " " << c.held;
  }
}

TEST(ForceExtremes, TheMostCompressedAndStretchedAmongTheFlaggedElements) {
  testing::ViewerPosition p;
  ViewerState state = testing::ModelRead(p);
  auto set = [&](int e, float min_n, float max_n, std::int16_t compression, std::int16_t tension, int off) {
    common::ElementRecord& element = state.elements[e];
    element.set_min_normal_force(min_n);
    element.set_max_normal_force(max_n);
    element.set_compression_flag(compression);
    element.set_tension_flag(tension);
    element.set_switched_off_flag(off);
  };
  // No element with byte 128 = 0 in compression.
  set(1, -50, 10, 1, 1, 0);
  set(2, 5, 20, 0, 1, 0);
  EXPECT_EQ(MostCompressedElement(state), 0);
  EXPECT_EQ(MostStretchedElement(state), 0);
  set(1, -50, 10, 0, 0, 0);
  set(2, -50, 20, 0, 0, 0);
  EXPECT_EQ(MostCompressedElement(state), 1);  // the first on ties
  EXPECT_EQ(MostStretchedElement(state), 2);
  set(2, -80, 20, 0, 0, 1);  // switched off
  EXPECT_EQ(MostCompressedElement(state), 1);
  EXPECT_EQ(MostStretchedElement(state), 1);
}

}  // namespace
}  // namespace revuzavi
