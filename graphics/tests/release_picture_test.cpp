// The moment and shear diagrams of a fixed beam with releases, drawn for the eye.
#include <gtest/gtest.h>

#include "graphics/diagrams/force_diagrams.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/reanalysis_fixture.h"

namespace revuzavi {
namespace {

TEST(ReleasePictures, HingeAndShearReleaseOfAFixedBeam) {
  zedir::testing::LoadCaseFiles lc;
  lc.point_loads.Append(zedir::testing::ForceAcross(1, 2.0f, 20.0f));
  lc.line_loads.Append(zedir::testing::StoredLineLoad(zedir::testing::FixedBeam().Build(), 1, 'Y', 10, 10));
  testing::SolvedViewer hinge(zedir::testing::FixedBeam(), lc, 0.0f);
  ASSERT_TRUE(DrawInfluenceM(hinge.state, hinge.run, ViewState{}, hinge.view, 1, kInMiddle).ok());
  testing::SolvedViewer cut(zedir::testing::FixedBeam(), lc, 0.5f);
  ASSERT_TRUE(DrawInfluenceV(cut.state, cut.run, ViewState{}, cut.view, 1, kInMiddle).ok());
  struct Case {
    testing::SolvedViewer* v;
    const char* file;
    bool moment;
  };
  for (const Case& c : {Case{&hinge, "release_hinge_moment.png", true}, Case{&hinge, "release_hinge_shear.png", false},
                        Case{&cut, "release_shear_half_moment.png", true},
                        Case{&cut, "release_shear_half_shear.png", false}}) {
    c.v->state.extents = common::DrawingExtents::Box(0.0f, -2.0f, 6.0f, 2.0f);  // the beam, as start-up fits it
    testing::SaveBitmapPicture(c.v->state, c.file, 1.0f, [&](Canvas& canvas) {
      DiagramScale scale{c.moment ? 0.025f : 0.05f, true};
      EXPECT_EQ(c.moment ? DrawMomentDiagram(canvas, scale, DiagramOptions{})
                         : DrawShearDiagram(canvas, scale, DiagramOptions{}),
                1);
    });
  }
}

}  // namespace
}  // namespace revuzavi
