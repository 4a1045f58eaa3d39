// Element stiffness from the model, K with its support springs, and the checks
// that run before the inversion.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/check/element_stiffness_of.h"
#include "geometry/check/stiffness_assembly.h"
#include "geometry/check/support_check.h"
#include "geometry/tests/check_fixture.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

using testing::CheckFrame;
using testing::NodeAt;
using testing::SingleSpan;
using testing::Support;
using testing::Texts;

constexpr double kSupport = 2e6;

// Matrices are compared to about the precision of the floats they come from.
void ExpectRelative(double actual, double expected) { testing::ExpectRelative(actual, expected, 1e-6); }

mechanics::Matrix Assembled(const FrameModel& model) {
  auto k = AssembleStiffness(model, model.params.equation_count(), static_cast<float>(kSupport));
  EXPECT_TRUE(k.ok()) << k.failure().text();
  return k.ok() ? *k : mechanics::Matrix();
}

TEST(ElementStiffnessOfModel, InclinedElement) {
  // From (0, 0) to (3, 4) with y upward: the user's z is -4.
  const FrameModel model = CheckFrame({{0, 0, 3, -4}});
  const auto k = ElementStiffness(model, 1);
  ASSERT_TRUE(k.ok());
  ExpectRelative((*k)(1, 1), 145228.8);
  ExpectRelative((*k)(1, 2), 191078.4);
  ExpectRelative((*k)(1, 3), 3840);
  ExpectRelative((*k)(2, 2), 256691.2);
  ExpectRelative((*k)(2, 3), -2880);
  ExpectRelative((*k)(3, 3), 16000);
}

TEST(ElementStiffnessOfModel, UnusableElementsGiveTheStiffnessMessage) {
  struct Case {
    const char* what;
    void (*spoil)(FrameModel&);
  };
  const Case cases[] = {
      {"I = 0", [](FrameModel& m) { m.cross_sections[1].set_inertia(0.0f); }},
      {"A = 0", [](FrameModel& m) { m.cross_sections[1].set_area(0.0f); }},
      {"E = 0", [](FrameModel& m) { m.materials[1].set_modulus(0.0f); }},
      {"material beyond the table", [](FrameModel& m) { m.elements[2].set_material(2); }},
      {"cross section beyond the table", [](FrameModel& m) { m.elements[2].set_cross_section(3); }},
      {"cross section 0", [](FrameModel& m) { m.elements[2].set_cross_section(0); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameModel model = CheckFrame({{0, 0, 4, 0}, {4, 0, 8, 0}});
    c.spoil(model);
    const auto k = ElementStiffness(model, 2);
    ASSERT_FALSE(k.ok());
    EXPECT_EQ(k.failure().text(), "Error in the stiffness of element 2. Check E, A and I");
  }
}

TEST(StiffnessAssembly, SingleSpanWithSupportSprings) {
  const mechanics::Matrix k = Assembled(SingleSpan());
  ASSERT_EQ(k.size(), 6);
  ExpectRelative(k(1, 1), 2.5e6);
  ExpectRelative(k(2, 2), 3750 + kSupport);
  ExpectRelative(k(5, 5), 3750 + kSupport);
  ExpectRelative(k(4, 4), 5e5);
  ExpectRelative(k(2, 3), -7500);
  ExpectRelative(k(2, 6), -7500);
  ExpectRelative(k(3, 6), 1e4);
  ExpectRelative(k(3, 3), 2e4);
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(k(i, j), k(j, i));
  }
}

TEST(StiffnessAssembly, SupportValuesAreFractionsOfTheSupportStiffness) {
  // The diagonal of u at node 2 is EA / L = 5e5 plus |s| times the support stiffness.
  for (const float s : {0.0f, 0.5f, 1.0f, -0.25f}) {
    SCOPED_TRACE(s);
    FrameModel model = SingleSpan();
    Support(model, 4, 0, s, 1, 0);
    ExpectRelative(Assembled(model)(4, 4), 5e5 + std::fabs(s) * kSupport);
  }
}

TEST(StiffnessAssembly, RotationalSupportHoldsTheRigidEndsRotation) {
  // Column (0,0)-(0,4) rigid at its top; beam (0,4)-(5,4) hinged at that node.
  FrameModel model = CheckFrame({{0, 0, 0, -4}, {0, -4, 5, -4, 1, 0}});
  Support(model, 0, 0, 1, 1, 0);
  Support(model, 5, -4, 0, 1, 0);
  Support(model, 0, -4, 0, 0, 1);
  const common::NodeRecord& top = NodeAt(model, 0, -4);
  ASSERT_EQ(top.rotation_count(), 2);
  const int beam_end = top.rotation_dof(1);
  const int column_end = top.rotation_dof(2);
  EXPECT_EQ(SupportedRotationDof(top), column_end);

  const mechanics::Matrix k = Assembled(model);
  ExpectRelative(k(column_end, column_end), 4 * 2e4 / 4 + kSupport);
  ExpectRelative(k(beam_end, beam_end), 4 * 2e4 / 5);
}

TEST(StiffnessAssembly, EquationNumbersOutsideTheMatrixAreRefused) {
  FrameModel model = SingleSpan();
  model.elements[1].set_dof(5, 7);
  auto k = AssembleStiffness(model, 6, static_cast<float>(kSupport));
  ASSERT_FALSE(k.ok());
  EXPECT_EQ(k.failure().text(), "Element 1 has equation numbers outside 1..6");

  model = SingleSpan();
  model.nodes[2].set_rotation_count(22);
  k = AssembleStiffness(model, 6, static_cast<float>(kSupport));
  ASSERT_FALSE(k.ok());
  EXPECT_EQ(k.failure().text(), "Node 2 has equation numbers outside 1..6");
}

TEST(SupportCheck, TranslationWarnings) {
  struct Case {
    const char* what;
    float u1, v1, u2, v2;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"pinned and roller", 1, 1, 0, 1, {}},
      {"two rollers", 0, 1, 0, 1, {"Error|Frame can roll sideways!"}},
      {"held along x only", 1, 0, 1, 0, {"Error|Frame is not anchored at the ground!"}},
      {"a horizontal spring holds it", 0.01f, 1, 0, 1, {}},
      {"free", 0, 0, 0, 0, {"Error|Frame can roll sideways!", "Error|Frame is not anchored at the ground!"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FrameModel model = CheckFrame({{0, 0, 4, 0}});
    Support(model, 0, 0, c.u1, c.v1, 0);
    Support(model, 4, 0, c.u2, c.v2, 0);
    CheckReport report;
    const auto k = SupportCheck(model, testing::TestPosition(), report);
    ASSERT_TRUE(k.has_value());
    EXPECT_EQ(Texts(report), c.messages);
  }
}

TEST(SupportCheck, SetsAndListsTheSupportStiffness) {
  FrameModel model = SingleSpan();
  const common::Position position = testing::TestPosition();
  CheckReport report;
  ASSERT_TRUE(SupportCheck(model, position, report).has_value());
  EXPECT_EQ(model.params.support_stiffness(), 2e6f);
  const auto lines = plat::ReadLines(position.folder() + "DEFSUP.TXT");
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, std::vector<std::string>{"Support stiffness = 2.000E+06"});
}

TEST(SupportCheck, ElementWithoutStiffnessStopsTheCheck) {
  FrameModel model = SingleSpan();
  model.cross_sections[1].set_inertia(0.0f);
  CheckReport report;
  EXPECT_FALSE(SupportCheck(model, testing::TestPosition(), report).has_value());
  EXPECT_EQ(Texts(report), std::vector<std::string>{" |Error in the stiffness of element 1. Check E, A and I"});
}

TEST(SupportCheck, ModelWithoutEquationsIsNotTested) {
  FrameModel model = testing::Frame({});
  CheckReport report;
  const auto k = SupportCheck(model, testing::TestPosition(), report);
  ASSERT_TRUE(k.has_value());
  EXPECT_EQ(k->size(), 0);
  EXPECT_TRUE(report.messages.empty());
}

}  // namespace
}  // namespace kelmf
