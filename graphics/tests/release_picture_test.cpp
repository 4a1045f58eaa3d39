// The moment and shear diagrams of a fixed beam with releases, drawn for the eye; the releases'
// records and labels on PORTAL computed by the real programs.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "graphics/diagrams/force_diagrams.h"
#include "graphics/loads/point_loads.h"
#include "graphics/picture/frame.h"
#include "graphics/reanalysis/release_records.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/reanalysis_fixture.h"

namespace revuzavi {
namespace {

constexpr char kPortal[] = "PORTAL";
using PortalReleases = testing::ComputedExampleTest<kPortal>;

float FloatAt(const common::PointLoadRecord& r, std::size_t offset) {
  float v = 0.0f;
  std::memcpy(&v, r.bytes().data() + offset, 4);
  return v;
}

// Releases on PORTAL's beam, 4 m above the feet, and near the foot of its left column: each
// record holds its point as the load input writes one (x at byte 0, the records' y, pointing
// down, at 4, the user's z at 8), and its label stands at the release, not at ground level.
TEST_F(PortalReleases, ReleaseRecordsAndLabelsStandAtTheRelease) {
  struct Case {
    const char* name;
    decltype(&DrawInfluenceM) add;
    int element;
    int type;
    double station;  // metres from the element's start
  };
  const Case cases[] = {
      {"moment release in the beam", &DrawInfluenceM, 2, kInMiddle, 3.0},
      {"shear release in the beam", &DrawInfluenceV, 2, kInMiddle, 3.0},
      {"cut near the beam's start", &DrawInfluenceMV, 2, kNearStart, 0.1},
      {"moment release near the column's start", &DrawInfluenceM, 1, kNearStart, 0.1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ViewerState state = testing::ViewerOn(*position_, 1);
    testing::WriteReanalysisScales(*position_, 0.0f);
    ReanalysisState run;
    testing::RecordingView view;
    const common::Result added = c.add(state, run, ViewState{}, view, c.element, c.type);
    ASSERT_TRUE(added.ok()) << added.text();

    // The point along the element as the records hold its ends; z up (the beam at z = 4).
    const common::ElementRecord& e = state.elements[c.element];
    const double t = c.station / e.length();
    const double x = e.xa() + t * (e.xb() - e.xa());
    const double y = e.ya() + t * (e.yb() - e.ya());
    const double z = e.za() + t * (e.zb() - e.za());
    ASSERT_NEAR(-y, z, 1e-6);
    if (c.element == 2) {
      ASSERT_NEAR(z, 4.0, 1e-6);
    }

    testing::RecordedPicture recorded(state, 2.0f);
    ASSERT_EQ(DrawPointLoads(recorded.canvas), state.point_loads.count());
    const Canvas& canvas = recorded.canvas;
    const plat::Point at = recorded.dc.LPtoDP(plat::Point{canvas.Logical(x), canvas.Logical(z)});
    const plat::Point ground = recorded.dc.LPtoDP(plat::Point{canvas.Logical(x), canvas.Logical(0.0)});
    const plat::Point top = recorded.dc.LPtoDP(plat::Point{canvas.Logical(x), canvas.Logical(4.0)});
    const int near = std::abs(ground.y - top.y) / 10;  // 0.4 m
    int labels = 0;
    for (int r = 0; r < run.releases.records(); ++r) {
      const common::PointLoadRecord& record = ReleaseRecord(state, run.releases, r);
      EXPECT_NEAR(FloatAt(record, 0), x, 1e-5);
      EXPECT_NEAR(FloatAt(record, 4), y, 1e-5);
      EXPECT_NEAR(FloatAt(record, 8), z, 1e-5);
    }
    for (const plat::DeviceOp& op : recorded.dc.ops()) {
      if (op.kind != plat::DeviceOp::Kind::kText) continue;
      if (op.text.rfind("Kink Delta", 0) != 0 && op.text.rfind("Delta w", 0) != 0) continue;
      ++labels;
      // The middle of the text's box.
      const int mid_x = op.origin.x + op.text_width / 2, mid_y = op.origin.y - (op.ascent - op.descent) / 2;
      EXPECT_LE(std::abs(mid_y - at.y), near) << op.text << " stands at device y " << mid_y << ", the release at "
                                               << at.y << ", the ground at " << ground.y;
      EXPECT_LE(std::abs(mid_x - at.x), near) << op.text;
    }
    EXPECT_EQ(labels, run.releases.records());
    if (c.element == 2 && c.type == kNearStart) {
      testing::SaveBitmapPicture(state, "PORTAL_cut_labels.png", 2.0f, [&](Canvas& canvas) {
        DrawFrame(canvas, FrameOptions{});
        DrawPointLoads(canvas);
      });
    }
  }
}

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
