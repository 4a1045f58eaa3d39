#include "mechanics/element_stiffness.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "mechanics/tests/hand_frame.h"

namespace {

using mechanics::ElementMatrix;
using mechanics::testing::kA;
using mechanics::testing::kE;
using mechanics::testing::kI;

ElementMatrix FixtureElement(double x1, double y1, double x2, double y2) {
  return mechanics::ElementStiffness(mechanics::RigidityOf(kE, kA, kI), mechanics::DirectionOfEnds(x1, y1, x2, y2));
}

void ExpectRelative(double actual, double expected, double tolerance, const char* what) {
  EXPECT_NEAR(actual, expected, std::fabs(expected) * tolerance) << what;
}

TEST(ElementStiffness, InclinedElementValues) {
  // (0,0)-(3,4): L = 5, c = 0.6, s = -0.8; EA/L = 4e5, 12EI/L^3 = 1920, 6EI/L^2 = 4800.
  const ElementMatrix k = FixtureElement(0, 0, 3, 4);
  const struct {
    int a, b;
    double value;
  } cases[] = {
      {1, 1, 145228.8}, {1, 2, 191078.4}, {1, 3, 3840},  {2, 2, 256691.2}, {2, 3, -2880}, {3, 3, 16000},
      {1, 4, -145228.8}, {2, 5, -256691.2}, {3, 4, -3840}, {3, 5, 2880},  {3, 6, 8000},  {4, 6, -3840},
      {5, 6, 2880},     {6, 6, 16000},     {4, 5, 191078.4},
  };
  for (const auto& c : cases) {
    ExpectRelative(k(c.a, c.b), c.value, 1e-6, "upper");
    EXPECT_EQ(k(c.b, c.a), k(c.a, c.b)) << "mirror of " << c.a << "," << c.b;
  }
}

TEST(ElementStiffness, HorizontalElementSigns) {
  // L = 4: the beam terms of the single span, phi = -w'.
  const ElementMatrix k = FixtureElement(0, 0, 4, 0);
  ExpectRelative(k(1, 1), 5e5, 1e-6, "EA/L");
  ExpectRelative(k(2, 3), -7500, 1e-6, "-6EI/L^2");
  ExpectRelative(k(2, 6), -7500, 1e-6, "-6EI/L^2");
  ExpectRelative(k(5, 6), 7500, 1e-6, "6EI/L^2");
  ExpectRelative(k(3, 6), 1e4, 1e-6, "2EI/L");
  EXPECT_EQ(k(1, 2), 0.0);
  EXPECT_EQ(k(1, 3), 0.0);
}

TEST(ElementStiffness, RigidBodyMotionsCarryNoForce) {
  // Translations in x and y, and a rotation by 1 about the origin (u = -y, v = x, phi = -1).
  for (const auto& e : {std::array<double, 4>{0, 0, 3, 4}, std::array<double, 4>{2, 5, -1, 1},
                        std::array<double, 4>{1, 1, 1, 7}}) {
    const ElementMatrix k = FixtureElement(e[0], e[1], e[2], e[3]);
    const double modes[3][6] = {
        {1, 0, 0, 1, 0, 0},
        {0, 1, 0, 0, 1, 0},
        {-e[1], e[0], -1, -e[3], e[2], -1},
    };
    for (const auto& mode : modes) {
      for (int a = 1; a <= 6; ++a) {
        double force = 0.0;
        for (int b = 1; b <= 6; ++b) force += k(a, b) * mode[b - 1];
        EXPECT_NEAR(force, 0.0, 1e-6 * k(1, 1) + 1e-6 * k(3, 3)) << "row " << a;
      }
    }
  }
}

TEST(ElementStiffness, ShortElementIsComputedWithTheFloorLength) {
  const mechanics::ElementDirection d = mechanics::DirectionOfEnds(0, 0, 0.001, 0);
  EXPECT_EQ(d.length, static_cast<double>(0.01f));
  EXPECT_DOUBLE_EQ(d.c, 0.001 / static_cast<double>(0.01f));
  const mechanics::Rigidity r = mechanics::RigidityOf(kE, kA, kI);
  const ElementMatrix k = mechanics::ElementStiffness(r, d);
  EXPECT_DOUBLE_EQ(k(3, 3), 4.0 * r.ei / static_cast<double>(0.01f));
  // A zero length given directly is floored too.
  const ElementMatrix zero = mechanics::ElementStiffness(r, {0.0, 1.0, 0.0});
  EXPECT_TRUE(std::isfinite(zero(2, 2)));
  EXPECT_DOUBLE_EQ(zero(3, 3), k(3, 3));
}

TEST(ElementStiffness, RigidityInDoublePrecisionAndItsCheck) {
  const mechanics::Rigidity r = mechanics::RigidityOf(kE, kA, kI);
  EXPECT_EQ(r.ea, static_cast<double>(kA) * static_cast<double>(kE));
  EXPECT_EQ(r.ei, static_cast<double>(kI) * static_cast<double>(kE));
  const struct {
    float e, a, i;
    bool usable;
  } cases[] = {
      {2e7f, 0.1f, 0.001f, true},  {2e7f, 0.1f, 0.0f, false},    {2e7f, 0.0f, 0.001f, false},
      {0.0f, 0.1f, 0.001f, false}, {-2e7f, 0.1f, 0.001f, true},  {1.0f, 0.0009f, 0.5f, false},
      {1.0f, 0.001f, 0.001f, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mechanics::RigidityIsUsable(mechanics::RigidityOf(c.e, c.a, c.i)), c.usable)
        << c.e << " " << c.a << " " << c.i;
  }
  EXPECT_EQ(mechanics::StiffnessErrorText(7), "Error in the stiffness of element 7. Check E, A and I");
}

}  // namespace
