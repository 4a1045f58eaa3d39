#include "mechanics/assembly.h"

#include <gtest/gtest.h>

#include "mechanics/tests/hand_frame.h"

namespace {

using mechanics::Matrix;

TEST(Assembly, SupportSpringsAreFractionsOfTheSupportStiffness) {
  const struct {
    double value, spring;
  } cases[] = {{1.0, 2e6}, {0.5, 1e6}, {0.0, 0.0}, {-0.25, 5e5}};
  for (const auto& c : cases) {
    Matrix k(2);
    k(1, 1) = 3.0;
    EXPECT_TRUE(mechanics::AddSupportSpring(k, 1, c.value, 2e6));
    EXPECT_EQ(k(1, 1), 3.0 + c.spring) << c.value;
  }
}

TEST(Assembly, EquationNumbersOutsideTheMatrixAreRefused) {
  const mechanics::ElementMatrix m = mechanics::ElementStiffness(
      mechanics::RigidityOf(mechanics::testing::kE, mechanics::testing::kA, mechanics::testing::kI),
      mechanics::DirectionOfEnds(0, 0, 4, 0));
  Matrix k(6);
  EXPECT_FALSE(mechanics::AddElementMatrix(k, m, {1, 2, 3, 4, 5, 7}));
  EXPECT_FALSE(mechanics::AddElementMatrix(k, m, {0, 2, 3, 4, 5, 6}));
  EXPECT_FALSE(mechanics::AddSupportSpring(k, 7, 1.0, 2e6));
  EXPECT_FALSE(mechanics::AddSupportSpring(k, 0, 1.0, 2e6));
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(k(i, j), 0.0);
  }
  // Shared equations add up: two elements meeting in equations 4..6.
  EXPECT_TRUE(mechanics::AddElementMatrix(k, m, {1, 2, 3, 4, 5, 6}));
  Matrix both(9);
  EXPECT_TRUE(mechanics::AddElementMatrix(both, m, {1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(mechanics::AddElementMatrix(both, m, {4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(both(5, 5), m(5, 5) + m(2, 2));
  EXPECT_EQ(both(1, 7), 0.0);
  EXPECT_EQ(both(4, 7), m(1, 4));
  EXPECT_EQ(k(4, 4), m(4, 4));
}

}  // namespace
