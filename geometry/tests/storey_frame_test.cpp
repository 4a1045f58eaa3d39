// The storey frame from its storey table.
#include "geometry/generators/storey_frame_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/records/record_files.h"
#include "geometry/tests/generator_fixture.h"

namespace kelmf {
namespace {

using testing::ExistingFrame;
using testing::TestPosition;

struct Storey {
  float height;
  int piers;
  float spacing;
};

void SetStoreys(FrameModel& model, const std::vector<Storey>& storeys) {
  model.storeys.Clear();
  for (const Storey& s : storeys) {
    StoreyRecord record;
    record.set_height(s.height);
    record.set_piers(s.piers);
    record.set_spacing(s.spacing);
    record.set_number(model.storeys.count() + 1);
    ASSERT_TRUE(model.storeys.Append(record));
  }
  model.params.set_storey_count(static_cast<std::int16_t>(model.storeys.count()));
}

std::vector<Storey> Repeat(int storeys, Storey storey) { return std::vector<Storey>(storeys, storey); }

TEST(GenerateStoreyFrame, TwoStoreysOfThreePiers) {
  FrameModel model = ExistingFrame();
  SetStoreys(model, {{3.0f, 3, 5.0f}, {2.5f, 3, 5.0f}});
  const common::Position position = TestPosition();
  ASSERT_TRUE(GenerateStoreyFrame(model, position).ok());

  // Columns of storey 1, beams of level 1, columns of storey 2, beams of level 2.
  const struct {
    float xa, za, xb, zb;
  } expected[] = {{0, 0, 0, 3},     {5, 0, 5, 3},     {10, 0, 10, 3},   {0, 3, 5, 3},   {5, 3, 10, 3},
                  {0, 3, 0, 5.5f},  {5, 3, 5, 5.5f},  {10, 3, 10, 5.5f}, {0, 5.5f, 5, 5.5f}, {5, 5.5f, 10, 5.5f}};
  ASSERT_EQ(model.elements.count(), 10);
  for (int e = 1; e <= 10; ++e) {
    SCOPED_TRACE(e);
    const common::ElementRecord& element = model.elements[e];
    EXPECT_EQ(element.xa(), expected[e - 1].xa);
    EXPECT_EQ(element.za(), expected[e - 1].za);
    EXPECT_EQ(element.xb(), expected[e - 1].xb);
    EXPECT_EQ(element.zb(), expected[e - 1].zb);
    EXPECT_EQ(element.ya(), -element.za());
    EXPECT_EQ(element.material(), 1);
    EXPECT_EQ(element.cross_section(), 1);
    EXPECT_EQ(element.hinge_a() + element.hinge_b(), 0);
    EXPECT_EQ(element.compression_flag(), 1);
    EXPECT_EQ(element.tension_flag(), 1);
  }
  EXPECT_EQ(model.nodes.count(), 9);
  EXPECT_EQ(model.params.equation_count(), 27);

  // The three ground nodes are held in x and vertically; the clamp of the
  // earlier frame at (0, 0) is gone.
  ASSERT_EQ(model.supports.count(), 3);
  EXPECT_EQ(model.params.support_count(), 3);
  for (const common::NodeRefRecord& support : model.supports.used()) {
    const common::NodeRecord& node = model.nodes[support.node()];
    EXPECT_EQ(node.z(), 0.0f);
    EXPECT_EQ(node.support(1), 1.0f);
    EXPECT_EQ(node.support(2), 1.0f);
    EXPECT_EQ(node.support(3), 0.0f);
    EXPECT_EQ(support.support_flag(3), 0);
  }
  EXPECT_EQ(common::ReadTable<common::ElementTable>(position.File("ELEMENTS")).table.count(), 10);
  EXPECT_EQ(common::ReadTable<common::NodeTable>(position.File("NODES")).table.count(), 9);
  EXPECT_EQ(common::ReadTable<common::NodeRefTable>(position.File("LKNOTENR")).table.count(), 3);
  auto extents = common::ReadBlockRecord<common::DrawingExtents>(position.File("EXTENSIOR"));
  EXPECT_EQ(extents.record, common::DrawingExtents::Box(0.0f, 0.0f, 10.0f, 5.5f));
}

// Columns of the storey above that stand between the piers below split the
// beam there, so that every column meets the frame at a node.
TEST(GenerateStoreyFrame, BeamsAreSplitWhereTheColumnsAboveStand) {
  FrameModel model = ExistingFrame();
  SetStoreys(model, {{3.0f, 3, 6.0f}, {3.0f, 3, 4.0f}});
  ASSERT_TRUE(GenerateStoreyFrame(model, TestPosition()).ok());

  // 3 columns, beams 0-4-6-8-12, 3 columns, beams 0-4-8: 12 elements, where
  // 2 x piers - 1 per storey would count 10.
  ASSERT_EQ(model.elements.count(), 12);
  std::vector<std::pair<float, float>> level1;
  for (int e = 4; e <= 7; ++e) level1.push_back({model.elements[e].xa(), model.elements[e].xb()});
  EXPECT_EQ(level1, (std::vector<std::pair<float, float>>{{0, 4}, {4, 6}, {6, 8}, {8, 12}}));
  // 3 nodes on the ground, 5 on level 1, 3 on level 2; every node is met by at
  // least two element ends except the ground nodes.
  ASSERT_EQ(model.nodes.count(), 11);
  for (const common::NodeRecord& node : model.nodes.used()) {
    if (node.z() != 0.0f) {
      EXPECT_GE(node.end_count(), 2) << node.x() << " " << node.z();
    }
  }
}

TEST(GenerateStoreyFrame, TwentyStoreysOfThreePiersMakeTheLargestFrame) {
  FrameModel model = ExistingFrame();
  SetStoreys(model, Repeat(20, {3.0f, 3, 5.0f}));
  model.editor.storey_frame_error = 1;  // of an earlier refusal
  ASSERT_TRUE(GenerateStoreyFrame(model, TestPosition()).ok());
  EXPECT_EQ(model.elements.count(), 100);
  EXPECT_EQ(model.nodes.count(), 63);
  EXPECT_EQ(model.editor.storey_frame_error, 0);
}

TEST(GenerateStoreyFrame, RefusedStoreyTablesChangeNothing) {
  // 2 x 25 - 1 = 49 elements per storey, but 114 once level 1 carries the
  // columns above between its own.
  const std::vector<Storey> mixed = {{3.0f, 25, 1.0f}, {3.0f, 25, 1.5f}};
  struct Case {
    std::vector<Storey> storeys;
    std::string message;
  } cases[] = {
      {Repeat(21, {3.0f, 3, 5.0f}), "Too many floors, max = 20"},
      {{{3.0f, 3, 5.0f}, {3.0f, 51, 1.0f}}, "Too many columns in floor 2, max = 50"},
      {Repeat(3, {3.0f, 18, 1.0f}), "Too many elements, max = 100"},
      {mixed, "Too many elements, max = 100"},
      {{{3.0f, 1, 5.0f}}, "2 piers and more make a frame"},
      {{{3.0f, 3, 5.0f}, {3.0f, 0, 5.0f}}, "2 piers and more make a frame"},
      {{{3.0f, 3, 5.0f}, {0.0f, 3, 5.0f}}, "Floor 2: the height must be at least 0.05 m"},
      {{{-3.0f, 3, 5.0f}}, "Floor 1: the height must be at least 0.05 m"},
      {{{3.0f, 3, 0.02f}}, "Floor 1: the spacing must be at least 0.05 m"},
      {{{3.0f, 3, std::nanf("")}}, "Floor 1: the spacing must be at least 0.05 m"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    FrameModel model = ExistingFrame();
    SetStoreys(model, c.storeys);
    testing::ExpectRefused(model, GenerateStoreyFrame, c.message, 1);
  }
}

TEST(GenerateStoreyFrame, AnEmptyStoreyTableGeneratesNothing) {
  testing::ExpectNothingGenerated(ExistingFrame(), GenerateStoreyFrame);
}

}  // namespace
}  // namespace kelmf
