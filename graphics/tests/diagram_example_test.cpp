// The normal force, moment and shear diagrams of BEAM2 and PORTAL computed by the real programs:
// the viewer's curve files are the solver's, its extremes and labels what an engineer expects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "graphics/diagrams/element_curve_file.h"
#include "graphics/diagrams/force_diagrams.h"
#include "graphics/picture/world.h"
#include "graphics/tests/computed_example.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/dc/recording_dc.h"
#include "platform/testing/testing.h"

namespace revuzavi {
namespace {

std::vector<std::string> Texts(const plat::RecordingDc& dc) {
  std::vector<std::string> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(op.text);
  }
  return texts;
}

constexpr char kPortal[] = "PORTAL";
constexpr char kBeam2[] = "BEAM2";
using PortalDiagrams = testing::ComputedExampleTest<kPortal>;
using Beam2Diagrams = testing::ComputedExampleTest<kBeam2>;

// The viewer's file of a picture and the solver's of the same curve.
struct FilePair {
  char viewer;
  char solver;
};

TEST_F(Beam2Diagrams, TheViewersCurveFilesAreTheSolvers) {
  const ViewerState first = testing::ViewerOn(*position_, 0);
  ASSERT_GT(first.diary.count(), 0);
  for (int k = 1; k <= first.diary.count(); ++k) {
    const int lc = first.diary.load_case(k);
    ViewerState state = testing::ViewerOn(*position_, lc);
    testing::RecordedPicture recorded(state, 1.0f);
    Canvas& c = recorded.canvas;
    DiagramScale scale;
    EXPECT_EQ(DrawNormalForceDiagram(c, state.elements, scale, DiagramOptions{}), 2);
    EXPECT_EQ(DrawMomentDiagram(c, scale, DiagramOptions{}), 2);
    EXPECT_EQ(DrawShearDiagram(c, scale, DiagramOptions{}), 2);
    for (int e = 1; e <= 2; ++e) {
      for (const FilePair f : {FilePair{'N', 'N'}, FilePair{'M', 'M'}, FilePair{'S', 'V'}}) {
        const std::string name = std::string(1, f.viewer) + std::to_string(e) + common::CurrentLoadCaseText(lc);
        const std::vector<float> viewer = testing::Floats(position_->FolderFile(name));
        const std::vector<float> solver =
            testing::Floats(position_->File(std::string(1, f.solver) + common::CurrentLoadCaseText(lc) + "E" + std::to_string(e)));
        ASSERT_EQ(viewer.size(), 51u) << name;
        ASSERT_EQ(solver.size(), 51u) << name;
        for (std::size_t i = 0; i < 51; ++i) {
          EXPECT_NEAR(viewer[i], solver[i], std::max(1e-4, 1e-5 * std::fabs(solver[i]))) << name << " " << i + 1;
        }
      }
    }
    if (lc == 1) {
      const std::vector<float> m = testing::Floats(position_->FolderFile("M1" + common::CurrentLoadCaseText(1)));
      const std::vector<float> s = testing::Floats(position_->FolderFile("S1" + common::CurrentLoadCaseText(1)));
      EXPECT_NEAR(m[50], -44.94, 0.005);
      EXPECT_NEAR(s[0], 22.51, 0.005);
    }
  }
}

// Load case 3 (T = 10, delta T = 20) on a beam free to expand: no normal force, the extremes keep
// their start values; load case 4 (prestress 500): -500 on both elements.
TEST_F(Beam2Diagrams, NormalForceOfTemperatureAndPrestress) {
  struct Case {
    int load_case;
    double n;
    float smallest, largest;
  };
  for (const Case k : {Case{3, 0.0, 1e10f, -1e10f}, Case{4, -500.0, -500.0f, -500.0f}}) {
    ViewerState state = testing::ViewerOn(*position_, k.load_case);
    ASSERT_EQ(state.current_load_case, k.load_case);
    testing::RecordedPicture recorded(state, 1.0f);
    Canvas& c = recorded.canvas;
    DiagramScale scale;
    DrawNormalForceDiagram(c, state.elements, scale, DiagramOptions{});
    for (int e = 1; e <= 2; ++e) {
      const std::vector<float> n =
          testing::Floats(position_->FolderFile("N" + std::to_string(e) + common::CurrentLoadCaseText(k.load_case)));
      ASSERT_EQ(n.size(), 51u);
      for (float v : n) EXPECT_NEAR(v, k.n, 1e-3) << "load case " << k.load_case << " element " << e;
      EXPECT_NEAR(state.elements[e].min_normal_force(), k.smallest, 1e-3) << k.load_case;
      EXPECT_NEAR(state.elements[e].max_normal_force(), k.largest, 1e-3) << k.load_case;
    }
    // Not fixed, the scale is fitted once: the largest force a tenth of the drawing's span off the axis.
    if (k.n != 0.0) {
      DiagramScale fitting{1.0f, false};
      DrawNormalForceDiagram(c, state.elements, fitting, DiagramOptions{});
      const common::DrawingExtents& x = state.extents;
      const double span = std::max(x.xmax() - x.xmin(), x.zmax() - x.zmin());
      EXPECT_TRUE(fitting.fitted);
      EXPECT_NEAR(fitting.value * 500.0, 0.1 * span, 1e-4 * span);
      DiagramScale fixed{1.0f, false};
      DiagramOptions options;
      options.scale_fixed = true;
      DrawNormalForceDiagram(c, state.elements, fixed, options);
      EXPECT_EQ(fixed.value, 1.0f);
    }
    // The reanalysis's computation without drawing keeps the same extremes.
    state.elements[1].set_min_normal_force(0.0f);
    ComputeNormalForceCurves(state, recorded.view);
    EXPECT_NEAR(state.elements[1].min_normal_force(), k.smallest, 1e-3);
  }
}

// A diagram of a load case on a bitmap, for the eye.
enum class Picture { kNormalForce, kMoment, kShear };
void SavePicture(const common::Position& position, int load_case, Picture kind, const std::string& file,
                 float scale_value) {
  ViewerState state = testing::ViewerOn(position, load_case);
  testing::SaveBitmapPicture(state, file, 2.0f, [&](Canvas& c) {
    DiagramScale scale{scale_value, true};
    const int drawn = kind == Picture::kNormalForce ? DrawNormalForceDiagram(c, state.elements, scale, DiagramOptions{})
                      : kind == Picture::kMoment    ? DrawMomentDiagram(c, scale, DiagramOptions{})
                                                    : DrawShearDiagram(c, scale, DiagramOptions{});
    EXPECT_EQ(drawn, state.elements.count());
  });
}

TEST_F(Beam2Diagrams, MomentOnTheTensionSide) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  testing::RecordedPicture recorded(state, 2.0f);
  Canvas& c = recorded.canvas;
  DiagramScale scale{0.02f, true};
  DrawMomentDiagram(c, scale, DiagramOptions{});
  const std::vector<std::string> texts = Texts(recorded.dc);
  EXPECT_NE(std::find(texts.begin(), texts.end(), "-44.94 kNm"), texts.end());
  // Element 1's largest moment (sagging) lies below the beam (z < 0), the smallest over the middle
  // support above it.
  EXPECT_LT(recorded.picture.labels.moment.At(1).z, 0.0f);
  EXPECT_GT(recorded.picture.labels.moment.At(2).z, 0.0f);
  EXPECT_NEAR(recorded.picture.labels.moment.At(2).x, 6.0f, 1.0f);
  SavePicture(*position_, 1, Picture::kMoment, "BEAM2_moment.png", 0.02f);
  SavePicture(*position_, 2, Picture::kMoment, "BEAM2_2_moment.png", 0.05f);
  SavePicture(*position_, 2, Picture::kShear, "BEAM2_2_shear.png", 0.05f);
}

TEST_F(PortalDiagrams, DrawnOnABitmap) {
  ViewerState state = testing::ViewerOn(*position_, 1);
  EXPECT_EQ(state.elements.count(), 3);
  SavePicture(*position_, 1, Picture::kMoment, "PORTAL_moment.png", 0.03f);
  SavePicture(*position_, 1, Picture::kNormalForce, "PORTAL_normal_force.png", 0.03f);
  SavePicture(*position_, 1, Picture::kShear, "PORTAL_shear.png", 0.03f);
}

}  // namespace
}  // namespace revuzavi
