#include "mechanics/sample_lines.h"

#include <gtest/gtest.h>

namespace {

using mechanics::kSamples;

TEST(SampleLines, PointForceLinePeaksAtTheMiddle) {
  const mechanics::SampleLine line = mechanics::PointForceLine(6.0, 3.0);
  EXPECT_FLOAT_EQ(line(26), 1.5f);  // l / 4
  EXPECT_FLOAT_EQ(line(1), 0.0f);
  EXPECT_FLOAT_EQ(line(51), 0.0f);
  EXPECT_FLOAT_EQ(line(11), 0.6f);  // x = 1.2: x (l - a) / l
  EXPECT_FLOAT_EQ(line(41), 0.6f);
  for (int i = 1; i <= kSamples; ++i) EXPECT_LE(line(i), line(26));
}

TEST(SampleLines, JumpLineJumpsByTheMomentAtItsPlace) {
  const mechanics::SampleLine line = mechanics::JumpLine(6.0, 12.0, 3.0);
  EXPECT_FLOAT_EQ(line(1), 0.0f);
  EXPECT_FLOAT_EQ(line(26), -6.0f);  // x <= a: -M x / l
  EXPECT_FLOAT_EQ(line(27), 5.76f);  // beyond: M (l - x) / l
  EXPECT_FLOAT_EQ(line(51), 0.0f);
}

TEST(SampleLines, ClampedBeamTable) {
  const double l = 6.0, ei = 32000.0;
  const mechanics::SampleTable g = mechanics::ClampedBeamTable(l, ei);
  EXPECT_NEAR(g(26, 26), l * l * l / (192.0 * ei), 1e-9);
  for (int k = 1; k <= kSamples; ++k) {
    EXPECT_EQ(g(1, k), 0.0f);
    EXPECT_EQ(g(51, k), 0.0f);
    EXPECT_EQ(g(k, 1), 0.0f);
    EXPECT_EQ(g(k, 51), 0.0f);
  }
  for (int i = 1; i <= kSamples; ++i) {
    for (int s = 1; s <= kSamples; ++s) EXPECT_NEAR(g(i, s), g(s, i), 1e-9) << i << " " << s;
  }
  // A unit force off the middle deflects a clamped beam under itself by a^3 b^3 / (3 EI l^3);
  // sample 11 of a 10 m element lies at a = 2, b = 8.
  const mechanics::SampleTable g10 = mechanics::ClampedBeamTable(10.0, ei);
  EXPECT_NEAR(g10(11, 11), 8.0 * 8.0 * 8.0 * 2.0 * 2.0 * 2.0 / (3.0 * ei * 1000.0), 1e-9);
}

}  // namespace
