// The hinge and split tool.
#include "geometry/model/split_element.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "common/records/record_files.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/tests/frame_builder.h"
#include "platform/files.h"

namespace kelmf {
namespace {

using testing::Frame;
using testing::TestPosition;

TEST(SplitElementAt, SplitsBetweenTheEndsIntoTwoElementsAndThreeNodes) {
  FrameModel model = Frame({{0, 0, 6, 0}});
  const common::Position position = TestPosition();
  auto action = SplitElementAt(model, 1, 2.0f, 0.1f, position);
  ASSERT_TRUE(action.ok()) << action.failure().text();
  EXPECT_EQ(*action, SplitAction::kSplit);
  ASSERT_EQ(model.elements.count(), 2);
  EXPECT_EQ(model.params.element_count(), 2);
  ASSERT_EQ(model.nodes.count(), 3);
  const common::ElementRecord& first = model.elements[1];
  const common::ElementRecord& added = model.elements[2];
  EXPECT_FLOAT_EQ(first.xb(), 2.0f);
  EXPECT_FLOAT_EQ(first.zb(), 0.1f);
  EXPECT_FLOAT_EQ(first.yb(), -0.1f);
  EXPECT_FLOAT_EQ(added.xa(), 2.0f);
  EXPECT_FLOAT_EQ(added.za(), 0.1f);
  EXPECT_FLOAT_EQ(added.xb(), 6.0f);
  EXPECT_EQ(first.node_b(), added.node_a());
  // Both carry the terms of their own direction.
  EXPECT_NEAR(first.length(), std::hypot(2.0, 0.1), 1e-6);
  EXPECT_NEAR(added.length(), std::hypot(4.0, 0.1), 1e-6);
  EXPECT_NEAR(added.sine(), 0.1 / std::hypot(4.0, 0.1), 1e-6);
  EXPECT_EQ(added.material(), 1);
  EXPECT_FLOAT_EQ(added.ea(), 26700000.0f * 0.08f);
  auto stored = common::ReadTable<common::ElementTable>(position.File("ELEMENTS"));
  EXPECT_EQ(stored.table.count(), 2);
  EXPECT_TRUE(plat::FileExists(position.File("NODES")));
}

TEST(SplitElementAt, TheHingeOfEndBMovesToTheNewElement) {
  FrameModel model = Frame({{0, 0, 6, 0, /*hinge_a=*/1, /*hinge_b=*/1}});
  model.elements[1].set_compression_flag(0);
  ASSERT_TRUE(SplitElementAt(model, 1, 3.0f, 0.0f, TestPosition()).ok());
  EXPECT_EQ(model.elements[1].hinge_a(), 1);
  EXPECT_EQ(model.elements[1].hinge_b(), 0);
  EXPECT_EQ(model.elements[2].hinge_a(), 0);
  EXPECT_EQ(model.elements[2].hinge_b(), 1);
  EXPECT_EQ(model.elements[2].compression_flag(), 0);
  EXPECT_EQ(model.elements[2].tension_flag(), 1);
  // The middle node is rigid: one rotation.
  EXPECT_EQ(model.nodes[2].rotation_count(), 1);
}

TEST(SplitElementAt, AClickNearAnEndTogglesItsHinge) {
  struct Case {
    float x, z;
    SplitAction action;
    std::int16_t hinge_a, hinge_b;
  };
  const Case cases[] = {
      {0.1f, 0.1f, SplitAction::kHingeA, 1, 1},
      {5.85f, 0.0f, SplitAction::kHingeB, 0, 0},  // end b was hinged
      {6.0f, -0.19f, SplitAction::kHingeB, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.x << "," << c.z);
    FrameModel model = Frame({{0, 0, 6, 0, 0, 1}});
    auto action = SplitElementAt(model, 1, c.x, c.z, TestPosition());
    ASSERT_TRUE(action.ok());
    EXPECT_EQ(*action, c.action);
    EXPECT_EQ(model.elements.count(), 1);
    EXPECT_EQ(model.elements[1].hinge_a(), c.hinge_a);
    EXPECT_EQ(model.elements[1].hinge_b(), c.hinge_b);
  }
}

TEST(SplitElementAt, TheNewNodeGetsNoSupportAndTheEndNodeKeepsItsOwn) {
  FrameModel model = Frame({{0, 0, 6, 0}});
  ASSERT_TRUE(RebuildTopology(model).ok());
  model.nodes[2].set_support(2, 1.0f);
  model.nodes[2].set_support_flag(2, 1);
  ASSERT_TRUE(SplitElementAt(model, 1, 2.0f, 0.0f, TestPosition()).ok());
  ASSERT_EQ(model.nodes.count(), 3);
  EXPECT_FLOAT_EQ(model.nodes[2].x(), 2.0f);
  EXPECT_EQ(model.nodes[2].support(2), 0.0f);
  EXPECT_FLOAT_EQ(model.nodes[3].x(), 6.0f);
  EXPECT_EQ(model.nodes[3].support(2), 1.0f);
}

TEST(SplitElementAt, PastOneHundredElementsTheSplitIsRefused) {
  FrameModel model = Frame({});
  for (int i = 0; i < 100; ++i) {
    const float x = static_cast<float>(i);
    model.elements.Append(testing::MakeElement({x, 0, x + 1, 0}));
  }
  ASSERT_TRUE(RebuildTopology(model).ok());
  const FrameModel before = model;
  auto action = SplitElementAt(model, 5, 4.5f, 0.0f, TestPosition());
  ASSERT_FALSE(action.ok());
  EXPECT_EQ(action.failure().text(), "Too many elements, max = 100");
  EXPECT_EQ(action.failure().caption(), "Error");
  EXPECT_EQ(model.elements.count(), 100);
  EXPECT_TRUE(model.elements[5] == before.elements[5]);
  EXPECT_EQ(model.nodes.count(), 101);
}

TEST(SplitElementAt, AnUnknownElementIsAnInputError) {
  FrameModel model = Frame({{0, 0, 6, 0}});
  for (int e : {0, 2, -1}) {
    auto action = SplitElementAt(model, e, 3.0f, 0.0f, TestPosition());
    ASSERT_FALSE(action.ok());
    EXPECT_EQ(action.failure().text(), "Element " + std::to_string(e) + " does not exist");
  }
}

}  // namespace
}  // namespace kelmf
