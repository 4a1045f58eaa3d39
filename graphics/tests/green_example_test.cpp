// The Green functions of BEAM2's elements computed by the real programs: the nodal sums the solver
// wrote, and the fields the viewer combines from the inverse with the solver's weights.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "graphics/loads/green_forces.h"
#include "graphics/picture/element_values.h"
#include "graphics/tests/computed_example.h"
#include "mechanics/element_loads.h"
#include "platform/binary_io.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2Green = testing::ComputedExampleTest<kBeam2>;

// The nodal forces of unit action `kind` at the middle of element e.
mechanics::NodalForces UnitActionForces(const common::ElementRecord& el, int kind) {
  const mechanics::LoadAxes axes{el.length(), el.cosine(), el.sine()};
  const double middle = 0.5 * el.length();
  switch (kind) {
    case 1: return mechanics::PointForceForces(axes, middle, 0.0, 1.0);
    case 2: return mechanics::PointForceForces(axes, middle, 1.0, 0.0);
    case 3: return mechanics::PointMomentForces(axes, middle, 1.0);
    case 4: return mechanics::AxialDislocationForces(axes, 1.0, el.ea());
    case 5: return mechanics::TransverseDislocationForces(axes, 1.0, el.ei());
    default: return mechanics::KinkForces(axes, middle, 1.0, el.ei());
  }
}

TEST_F(Beam2Green, SumsTextOfTheSolversRecord) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  ViewState view;
  view.green = GreenPoint{1, 0.0f, 0, GreenPoint::kU};
  std::string sums;
  ASSERT_TRUE(ComputeGreenDisplacements(state, view, sums));
  EXPECT_EQ(sums,
            "Nodal sums: H = 3.745E-06, V = 0.000E+00, R = 0.000E+00 (H is result if all horizontal f_i = 1.0, V is "
            "result if all vertical f_i = 1.0, etc.)");

  // A record shorter than 96 bytes per element gives no sums.
  const std::string bytes = testing::ReadBytes(state.position.LoadCaseFile("NODDISPGFELM", 1));
  ASSERT_EQ(bytes.size(), 96u * static_cast<std::size_t>(state.elements.count()));
  state.current_load_case = 8;
  ASSERT_TRUE(plat::WriteBlock(state.position.LoadCaseFile("NODDISPGFELM", 8), bytes.data(), bytes.size() - 1));
  GreenSumBlocks blocks{};
  EXPECT_TRUE(ReadGreenSums(state, 1, blocks).damaged());
  ASSERT_TRUE(ComputeGreenDisplacements(state, view, sums));
  EXPECT_EQ(sums, " ");
}

// The field of each case of element 1 with its unit action, saved for the eye.
TEST_F(Beam2Green, PicturesOfTheSixCases) {
  for (int kind = 1; kind <= 6; ++kind) {
    ViewerState state = testing::ViewerOn(*position_, 1);
    ViewState view;
    std::string sums;
    ASSERT_TRUE(ComputeGreenForces(state, view, 1, kind, sums));
    EXPECT_EQ(view.green.element, 1);
    EXPECT_EQ(view.green.kind, kind);
    EXPECT_EQ(sums.empty(), kind == 4 || kind == 5) << kind;
    testing::RecordedPicture recorded(state, 2.0f);
    recorded.view = view;
    EXPECT_EQ(DrawGreenReaction(recorded.canvas, false), 2);
    testing::SaveBitmapPicture(state, "BEAM2_green_" + std::to_string(kind) + ".png", 2.0f, [&](Canvas& c) {
      Canvas drawn{c.viewer, view, c.picture, c.dc};
      double largest = 1e-12;
      for (double u : state.displacements) largest = std::max(largest, std::fabs(u));
      GreenCurveOptions o;
      o.shape.scale = 1.0 / largest;
      EXPECT_EQ(DrawGreenForces(drawn, o), 2);
    });
  }
}

TEST_F(Beam2Green, FieldsAreTheInverseTimesTheUnitActionsForces) {
  const ViewerState state = testing::ViewerOn(*position_, 1);
  const int n = state.equation_count();
  for (int e = 1; e <= state.elements.count(); ++e) {
    const common::ElementRecord& el = state.elements[e];
    for (int kind = 1; kind <= 6; ++kind) {
      std::vector<double> field;
      ASSERT_TRUE(GreenDisplacements(state, e, kind, field));
      const mechanics::NodalForces f = UnitActionForces(el, kind);
      std::vector<double> expected(static_cast<std::size_t>(n) + 1, 0.0), column(expected.size(), 0.0);
      for (int j = 1; j <= 6; ++j) {
        if (el.dof(j) < 1) continue;
        ASSERT_TRUE(ReadInverseColumn(state, el.dof(j), n, column));
        for (int i = 1; i <= n; ++i) expected[static_cast<std::size_t>(i)] += f(j) * column[static_cast<std::size_t>(i)];
      }
      double largest = 0.0;
      for (double v : expected) largest = std::max(largest, std::fabs(v));
      for (int i = 1; i <= n; ++i) {
        EXPECT_NEAR(field[static_cast<std::size_t>(i)], expected[static_cast<std::size_t>(i)], 1e-5 * largest)
            << "element " << e << " kind " << kind << " equation " << i;
      }
    }
  }
}

}  // namespace
}  // namespace revuzavi
