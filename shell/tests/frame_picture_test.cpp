// The shell's frame picture: the scale of the extents, the files it reads and
// what it draws of the examples and of small frames.
#include "shell/view/frame_picture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "common/records/record_files.h"
#include "platform/binary_io.h"
#include "platform/dc/recording_dc.h"
#include "platform/files.h"
#include "platform/print/picture.h"
#include "platform/testing/testing.h"
#include "shell/settings/read_settings.h"
#include "shell/tests/frame_example.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;

TEST(UnitsPerMetre, FollowsTheSpansOfTheExtents) {
  struct Case {
    float a, b;
    int units;
  };
  for (const Case& c : {Case{50, 30, 50}, Case{1, 1, 500}, Case{3, 1, 100}, Case{101, 1, 10}, Case{60, 60, 20},
                        Case{45, 45, 25}, Case{35, 35, 30}, Case{15, 15, 100}, Case{1, 5, 100},
                        Case{0.5f, 1.5f, 500}}) {
    EXPECT_EQ(UnitsPerMetre(common::DrawingExtents::Box(0, 0, c.a, c.b)), c.units) << c.a << " x " << c.b;
  }
  EXPECT_EQ(UnitsPerMetre(common::DrawingExtents::Default()), 50);
}

std::vector<const plat::DeviceOp*> Texts(const plat::RecordingDc& dc) {
  std::vector<const plat::DeviceOp*> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kText) texts.push_back(&op);
  }
  return texts;
}

const plat::DeviceOp* TextOp(const plat::RecordingDc& dc, const std::string& text) {
  for (const plat::DeviceOp* op : Texts(dc)) {
    if (op->text == text) return op;
  }
  return nullptr;
}

// Lines drawn with the elements' pen (they come first).
std::vector<const plat::DeviceOp*> Lines(const plat::RecordingDc& dc) {
  std::vector<const plat::DeviceOp*> lines;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind == plat::DeviceOp::Kind::kPolyline) lines.push_back(&op);
  }
  return lines;
}

FramePictureOptions ScreenOptions(const plat::Dc& dc) {
  FramePictureOptions options;
  options.room = common::PictureRoomOf(dc, plat::Rect{0, 0, 1000, 700});
  return options;
}

void SaveSnapshot(const FrameData& frame, const std::string& name) {
  const std::string folder = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(folder));
  const plat::Bitmap picture = plat::RenderPicture(1000, 700, [&](plat::Dc& dc) {
    DrawFramePicture(frame, ScreenOptions(dc), dc);
  });
  EXPECT_TRUE(picture.Save(folder + name).ok());
}

char kBeam2[] = "BEAM2";
char kPortal[] = "PORTAL";

template <const char* kName>
class ExampleTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { position_ = new common::Position(testing::ComputedExample(kName)); }
  static void TearDownTestSuite() { delete position_; }
  static inline common::Position* position_ = nullptr;
};

using Beam2Test = ExampleTest<kBeam2>;
using PortalTest = ExampleTest<kPortal>;

TEST_F(Beam2Test, TwoElementsTheirNumbersAndTheWidth) {
  const std::string marker = position_->File("GRAFIKGO");
  ASSERT_TRUE(plat::FileExists(marker)) << "KELMF's Store writes it";
  FrameData frame;
  const FrameFilesRead read = ReadFrameFiles(*position_, frame);
  EXPECT_EQ(read.graphics_marker, 1);
  EXPECT_TRUE(read.problem.ok());
  EXPECT_TRUE(frame.graphics_requested);
  EXPECT_FALSE(plat::FileExists(marker));
  ASSERT_EQ(frame.elements.count(), 2);

  plat::RecordingDc dc;
  ASSERT_TRUE(DrawFramePicture(frame, ScreenOptions(dc), dc).has_value());
  ASSERT_TRUE(WriteGraphicsMarker(*position_));
  EXPECT_EQ(FileText(marker), std::string("\x01\x00\x00\x00", 4));

  const auto lines = Lines(dc);
  ASSERT_GE(lines.size(), 2u);
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(lines[k]->points.front().y, lines[k]->points.back().y) << "a horizontal beam";
  }
  for (const char* label : {"1", "2"}) {
    const plat::DeviceOp* op = TextOp(dc, label);
    ASSERT_NE(op, nullptr) << label;
    EXPECT_EQ(op->font.escapement, 0);
  }
  const plat::DeviceOp* width = TextOp(dc, "12.00");
  ASSERT_NE(width, nullptr) << dc.Text();
  EXPECT_GT(width->origin.y, lines[0]->points.front().y) << "under the picture";
  EXPECT_EQ(Texts(dc).size(), 3u) << "no height text:\n" << dc.Text();
  SaveSnapshot(frame, "quentaris-frame-beam2.png");
}

TEST_F(PortalTest, StandsUprightWithTurnedColumnNumbers) {
  FrameData frame;
  (void)ReadFrameFiles(*position_, frame);
  ASSERT_EQ(frame.elements.count(), 3);
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawFramePicture(frame, ScreenOptions(dc), dc).has_value());
  const auto lines = Lines(dc);
  ASSERT_GE(lines.size(), 3u);
  int lowest_beam = -1;
  int highest_foot = 1 << 30;
  for (int k = 0; k < 3; ++k) {
    const plat::Point a = lines[k]->points.front();
    const plat::Point b = lines[k]->points.back();
    if (a.y == b.y) {
      lowest_beam = std::max(lowest_beam, a.y);
    } else {
      highest_foot = std::min(highest_foot, std::max(a.y, b.y));
    }
  }
  EXPECT_LT(lowest_beam, highest_foot) << "the beam lies above the feet";

  for (const auto& [label, escapement] : {std::pair{"1", -900}, std::pair{"2", 0}, std::pair{"3", -900}}) {
    const plat::DeviceOp* op = TextOp(dc, label);
    ASSERT_NE(op, nullptr) << label;
    EXPECT_EQ(op->font.escapement, escapement) << label;
  }
  EXPECT_NE(TextOp(dc, "6.00"), nullptr) << dc.Text();
  EXPECT_NE(TextOp(dc, "4.00"), nullptr) << dc.Text();
  SaveSnapshot(frame, "quentaris-frame-portal.png");
}

common::Position FreshPosition(const std::string& name) {
  common::Position position(plat::testing::TestFolder() + "data/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  return position;
}

TEST(FramePicture, APositionWithoutParamrDrawsNothingAndLeavesNoMarker) {
  const common::Position position = FreshPosition("EMPTY");
  FrameData frame;
  EXPECT_EQ(ReadFrameFiles(position, frame).graphics_marker, 0);
  plat::RecordingDc dc;
  EXPECT_FALSE(DrawFramePicture(frame, ScreenOptions(dc), dc).has_value());
  EXPECT_TRUE(dc.ops().empty());
  EXPECT_FALSE(plat::FileExists(position.File("GRAFIKGO")));
}

// One element from (0, 0) to (4, 0) whose start is hinged on a supported node 1.
FrameData HingedBeam() {
  FrameData frame;
  frame.params_read = true;
  frame.extents = common::DrawingExtents::Box(0, 0, 4, 1);
  frame.units_per_metre = UnitsPerMetre(frame.extents);
  frame.nodes.SetCount(2);
  frame.nodes[1].set_support_flag(1, 1);
  frame.nodes[1].set_support(1, 1.0f);
  frame.nodes[2].set_x(4.0f);
  frame.elements.SetCount(1);
  common::ElementRecord& e = frame.elements[1];
  e.set_xb(4.0f);
  e.set_node_a(1);
  e.set_node_b(2);
  e.set_hinge_a(1);
  return frame;
}

int FilledEllipses(const plat::RecordingDc& dc) {
  return static_cast<int>(std::count_if(dc.ops().begin(), dc.ops().end(), [](const plat::DeviceOp& op) {
    return op.kind == plat::DeviceOp::Kind::kEllipse && op.brush.style == plat::BS_SOLID;
  }));
}

TEST(FramePicture, ASupportAndAHingedEndAtTheNode) {
  const FrameData frame = HingedBeam();
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawFramePicture(frame, ScreenOptions(dc), dc).has_value());
  const auto& ops = dc.ops();
  EXPECT_EQ(std::count_if(ops.begin(), ops.end(),
                          [](const plat::DeviceOp& op) { return op.kind == plat::DeviceOp::Kind::kPolygon; }),
            1)
      << "the support's triangle";
  ASSERT_EQ(FilledEllipses(dc), 1);
  const plat::Point node = dc.ops().front().points.front();
  for (const plat::DeviceOp& op : ops) {
    if (op.kind != plat::DeviceOp::Kind::kEllipse || op.brush.style != plat::BS_SOLID) continue;
    EXPECT_EQ((op.rect.left + op.rect.right) / 2, node.x);
    EXPECT_EQ((op.rect.top + op.rect.bottom) / 2, node.y);
  }
}

TEST(FramePicture, NodeNumbersOutsideTheTableSkipSupportAndHingeWork) {
  FrameData frame = HingedBeam();
  frame.elements[1].set_node_a(7);
  frame.nodes[1].set_end_count(400);  // the list never reads past its ten places
  frame.nodes[1].set_mixed_hinges(1);
  plat::RecordingDc dc;
  ASSERT_TRUE(DrawFramePicture(frame, ScreenOptions(dc), dc).has_value());
  EXPECT_EQ(FilledEllipses(dc), 0);
}

// A column 1 (0,0)-(0,4) hinged at its top and a beam 2 (0,4)-(6,4) rigid
// there: node 2 is a joint of mixed ends listing both.
FrameData MixedJoint() {
  FrameData frame;
  frame.params_read = true;
  frame.extents = common::DrawingExtents::Box(0, 0, 6, 4);
  frame.units_per_metre = UnitsPerMetre(frame.extents);
  frame.nodes.SetCount(3);
  frame.nodes[1].set_support(3, 1.0f);
  frame.nodes[2].set_z(4.0f);
  frame.nodes[2].set_mixed_hinges(1);
  frame.nodes[2].set_end_count(2);
  frame.nodes[2].set_element(1, 1);
  frame.nodes[2].set_element(2, 2);
  frame.nodes[3].set_x(6.0f);
  frame.nodes[3].set_z(4.0f);
  frame.nodes[3].set_support(2, 1.0f);
  frame.elements.SetCount(2);
  const float ends[2][4] = {{0, 0, 0, 4}, {0, 4, 6, 4}};
  for (int k = 1; k <= 2; ++k) {
    common::ElementRecord& e = frame.elements[k];
    e.set_xa(ends[k - 1][0]);
    e.set_za(ends[k - 1][1]);
    e.set_xb(ends[k - 1][2]);
    e.set_zb(ends[k - 1][3]);
    e.set_node_a(static_cast<std::int16_t>(k == 1 ? 1 : 2));
    e.set_node_b(static_cast<std::int16_t>(k == 1 ? 2 : 3));
  }
  frame.elements[1].set_hinge_b(1);
  return frame;
}

TEST(FramePicture, AtAJointOfMixedEndsTheHingeLiesOnTheElementAndTheRigidEndGetsAStroke) {
  const FrameData frame = MixedJoint();
  plat::RecordingDc dc;
  const std::optional<plat::Mapping> mapping = DrawFramePicture(frame, ScreenOptions(dc), dc);
  ASSERT_TRUE(mapping.has_value());
  const double u = frame.units_per_metre;
  const auto device = [&](double x, double z) { return mapping->ToDevice(plat::PointD{x * u, z * u}); };
  const plat::PointD hinge = device(0.0, 3.95);  // 0.05 m down the column from the joint
  int circles = 0;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind != plat::DeviceOp::Kind::kEllipse || op.brush.style != plat::BS_SOLID) continue;
    ++circles;
    EXPECT_NEAR((op.rect.left + op.rect.right) / 2.0, hinge.x, 1.0);
    EXPECT_NEAR((op.rect.top + op.rect.bottom) / 2.0, hinge.y, 1.0);
  }
  EXPECT_EQ(circles, 1);
  const plat::PointD joint = device(0.0, 4.0);
  const plat::PointD stroke_end = device(0.2, 4.0);
  bool stroke = false;
  for (const plat::DeviceOp* op : Lines(dc)) {
    const plat::Point a = op->points.front();
    const plat::Point b = op->points.back();
    if (std::abs(a.x - joint.x) <= 1 && std::abs(a.y - joint.y) <= 1 && std::abs(b.x - stroke_end.x) <= 1 &&
        std::abs(b.y - stroke_end.y) <= 1) {
      stroke = true;
    }
  }
  EXPECT_TRUE(stroke) << dc.Text();
  SaveSnapshot(frame, "quentaris-frame-joint.png");
}

TEST(FramePicture, ADamagedNodesIsNamedOnceAndDrawsNothing) {
  const common::Position position = FreshPosition("DAMAGED");
  ASSERT_TRUE(plat::WriteBlock(position.File("PARAMR"), std::string(744, '\0').data(), 744));
  const std::string nodes = std::string("\x05\x00", 2) + std::string(204, '\0');  // claims 5, holds 1
  ASSERT_TRUE(plat::WriteBlock(position.File("NODES"), nodes.data(), nodes.size()));
  FrameData frame;
  const FrameFilesRead read = ReadFrameFiles(position, frame);
  EXPECT_FALSE(read.problem.ok());
  EXPECT_NE(read.problem.text().find(position.File("NODES")), std::string::npos) << read.problem.text();
  plat::RecordingDc dc;
  EXPECT_FALSE(DrawFramePicture(frame, ScreenOptions(dc), dc).has_value());
  EXPECT_TRUE(dc.ops().empty());
}

TEST(LoadPosition, ReadsTheFrameOfThePositionAndNamesADamagedElements) {
  ShellState state;
  ReadSettings(state);
  state.data_path = plat::testing::TestFolder() + "data/";
  state.position_name = "F";
  const common::Position position = FreshPosition("F");
  ASSERT_TRUE(plat::WriteBlock(position.File("PARAMR"), std::string(744, '\0').data(), 744));
  ASSERT_TRUE(LoadPosition(state).ok());
  EXPECT_TRUE(state.frame.params_read);
  EXPECT_EQ(state.frame.extents.xmax(), 50.0f) << "no EXTENSIOR: 0, 0, 50, 30";
  EXPECT_EQ(state.frame.units_per_metre, 50);

  const std::string elements = std::string("\x65\x00", 2);  // claims 101 elements
  ASSERT_TRUE(plat::WriteBlock(position.File("ELEMENTS"), elements.data(), elements.size()));
  const common::Result damaged = LoadPosition(state);
  EXPECT_NE(damaged.text().find(position.File("ELEMENTS")), std::string::npos) << damaged.text();
  EXPECT_TRUE(state.frame.damaged);
}

}  // namespace
}  // namespace quentaris
