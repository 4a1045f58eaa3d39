// Nodes from element ends, their rotations and the numbering of the equations.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "geometry/model/node_finding.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/tests/frame_builder.h"

namespace kelmf {
namespace {

using testing::Frame;

FrameModel Rebuilt(FrameModel model) {
  common::Result r = RebuildTopology(model);
  EXPECT_TRUE(r.ok()) << r.text();
  return model;
}

std::vector<int> Dofs(const common::ElementRecord& e) {
  std::vector<int> dofs;
  for (int k = 1; k <= 6; ++k) dofs.push_back(e.dof(k));
  return dofs;
}

std::vector<int> RotationDofs(const common::NodeRecord& node) {
  std::vector<int> dofs;
  for (int k = 1; k <= node.rotation_count(); ++k) dofs.push_back(node.rotation_dof(k));
  return dofs;
}

TEST(FindNodes, EndsCloserThanFiveCentimetresMakeOneNode) {
  struct Case {
    float gap_x, gap_z;
    int nodes;
  };
  const Case cases[] = {{0.04f, 0, 3}, {0.06f, 0, 4}, {0, 0.04f, 3}, {0, -0.06f, 4}, {0.03f, 0.03f, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.gap_x << "," << c.gap_z);
    FrameModel model = Frame({{0, 0, 4, 0}, {4 + c.gap_x, c.gap_z, 8, 0}});
    auto found = FindNodes(model);
    ASSERT_TRUE(found.ok());
    EXPECT_EQ(*found, c.nodes);
    EXPECT_EQ(model.nodes.count(), c.nodes);
    EXPECT_EQ(model.elements[2].node_a(), c.nodes == 3 ? 2 : 3);
  }
}

TEST(FindNodes, NodesTakeTheFirstEndsPointInElementOrder) {
  FrameModel model = Frame({{0, 0, 4, -3}, {4.03f, -3, 8, -3}});
  model.params.set_vertical_sign(1);
  ASSERT_TRUE(FindNodes(model).ok());
  ASSERT_EQ(model.nodes.count(), 3);
  const common::NodeRecord& n = model.nodes[2];
  EXPECT_EQ(n.number(), 2);
  EXPECT_FLOAT_EQ(n.x(), 4.0f);
  EXPECT_FLOAT_EQ(n.y(), 3.0f);
  EXPECT_FLOAT_EQ(n.z(), -3.0f);
  EXPECT_EQ(model.params.vertical_sign(), -1);
  EXPECT_EQ(model.params.node_count(), 3);
  EXPECT_FALSE(std::signbit(model.nodes[1].z()));  // z = -y without a negative zero
}

TEST(FindNodes, AnEndGoesToTheNearestNodeAndEveryStepAgrees) {
  // End a of element 3 lies within 5 cm of nodes 1 (0.04 away) and 3 (0.03 away).
  FrameModel model = Rebuilt(Frame({{0, 0, 4, 0}, {0.07f, 0, 0.07f, -3}, {0.04f, 0, 0.04f, 3}}));
  EXPECT_EQ(model.elements[3].node_a(), 3);
  EXPECT_EQ(model.nodes[1].end_count(), 1);
  EXPECT_EQ(model.nodes[3].end_count(), 2);
  EXPECT_EQ(model.elements[3].dof(1), model.nodes[3].dof_u());
}

TEST(NodeNumbering, NoHingesGiveThreeEquationsPerNodeWithoutGaps) {
  // A portal frame: four nodes, twelve equations.
  FrameModel model = Rebuilt(Frame({{0, 0, 0, -4}, {0, -4, 6, -4}, {6, 0, 6, -4}}));
  ASSERT_EQ(model.nodes.count(), 4);
  EXPECT_EQ(model.params.equation_count(), 12);
  EXPECT_EQ(model.params.equation_count_copy(), 12);
  ASSERT_EQ(model.dofs.count(), 12);
  for (int eq = 1; eq <= 12; ++eq) {
    const common::DofRecord& dof = model.dofs[eq];
    EXPECT_EQ(dof.equation(), eq);
    EXPECT_EQ(dof.node(), (eq - 1) / 3 + 1);
    EXPECT_EQ(dof.kind(), (eq - 1) % 3 + 1);
  }
  for (const common::NodeRecord& node : model.nodes.used()) {
    EXPECT_EQ(node.rotation_count(), 1);
    EXPECT_EQ(node.dof_count(), 3);
    EXPECT_EQ(node.dof_u(), 3 * node.number() - 2);
  }
  // Node 2 at (0, -4) and node 3 at (6, -4): the rigid corner shares one rotation.
  EXPECT_EQ(Dofs(model.elements[2]), (std::vector<int>{4, 5, 6, 7, 8, 9}));
  EXPECT_EQ(Dofs(model.elements[3]), (std::vector<int>{10, 11, 12, 7, 8, 9}));
}

TEST(NodeNumbering, GerberBeamGivesTheHingedEndItsOwnRotation) {
  FrameModel model = Rebuilt(Frame({{0, 0, 5, 0, 0, /*hinge_b=*/1}, {5, 0, 12, 0}}));
  ASSERT_EQ(model.nodes.count(), 3);
  const common::NodeRecord& middle = model.nodes[2];
  EXPECT_EQ(middle.rotation_count(), 2);
  EXPECT_EQ(middle.dof_count(), 4);
  EXPECT_EQ(middle.hinged_end_count(), 1);
  EXPECT_EQ(RotationDofs(middle), (std::vector<int>{6, 7}));
  EXPECT_EQ(Dofs(model.elements[1]), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Dofs(model.elements[2]), (std::vector<int>{4, 5, 7, 8, 9, 10}));
  EXPECT_EQ(model.params.equation_count(), 10);
  EXPECT_EQ(model.dofs.count(), 10);
  EXPECT_EQ(model.dofs[7].node(), 2);
  EXPECT_EQ(model.dofs[7].kind(), common::DofRecord::kRotation);
}

TEST(NodeNumbering, HingedEndBeforeARigidOneTakesRotationOneInElementOrder) {
  // The rigid end comes first in element order; the hinged end still takes
  // rotation 1 and the rigid end the last, shared rotation 2.
  FrameModel model = Rebuilt(Frame({{0, 0, 5, 0}, {5, 0, 12, 0, /*hinge_a=*/1, 0}}));
  const common::NodeRecord& middle = model.nodes[2];
  ASSERT_EQ(RotationDofs(middle), (std::vector<int>{6, 7}));
  EXPECT_EQ(model.elements[1].dof(6), 7);
  EXPECT_EQ(model.elements[2].dof(3), 6);
}

TEST(NodeNumbering, ThreeHingedEndsGiveThreeRotationsOneEach) {
  // Elements 1 and 2 start at the origin, element 3 ends there.
  FrameModel model = Rebuilt(Frame({{0, 0, 4, 0, 1, 0}, {0, 0, 0, -4, 1, 0}, {-4, 0, 0, 0, 0, 1}}));
  ASSERT_EQ(model.nodes.count(), 4);
  const common::NodeRecord& hub = model.nodes[1];
  EXPECT_EQ(hub.end_count(), 3);
  EXPECT_EQ(hub.hinged_end_count(), 3);
  EXPECT_EQ(hub.rotation_count(), 3);
  EXPECT_EQ(RotationDofs(hub), (std::vector<int>{3, 4, 5}));
  EXPECT_EQ(hub.mixed_hinges(), 0);
  EXPECT_EQ(model.elements[1].dof(3), 3);
  EXPECT_EQ(model.elements[2].dof(3), 4);
  EXPECT_EQ(model.elements[3].dof(6), 5);
  // The node's element list in the order found, its first two at 188 and 190.
  EXPECT_EQ(hub.element(1), 1);
  EXPECT_EQ(hub.element(2), 2);
  EXPECT_EQ(hub.element(3), 3);
  EXPECT_EQ(hub.element(4), 0);
  EXPECT_EQ(hub.first_element(), 1);
  EXPECT_EQ(hub.second_element(), 2);
  EXPECT_EQ(model.nodes[2].first_element(), 1);
  EXPECT_EQ(model.nodes[2].second_element(), 0);
}

TEST(NodeNumbering, MixedHingeFlagNeedsMoreThanTwoEndsThatDiffer) {
  struct Case {
    std::string name;
    std::vector<std::int16_t> hinges;  // of the ends at the origin
    int mixed, rotations;
  };
  const Case cases[] = {
      {"four ends, one hinged", {1, 0, 0, 0}, 1, 2},
      {"four ends, none hinged", {0, 0, 0, 0}, 0, 1},
      {"three ends, all hinged", {1, 1, 1}, 0, 3},
      {"three ends, two hinged", {0, 1, 1}, 1, 3},
      {"two ends that differ", {1, 0}, 0, 2},
  };
  const float to[4][2] = {{4, 0}, {0, -4}, {-4, 0}, {0, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrameModel model = Frame({});
    for (std::size_t i = 0; i < c.hinges.size(); ++i) {
      model.elements.Append(testing::MakeElement({0, 0, to[i][0], to[i][1], c.hinges[i], 0}));
    }
    model = Rebuilt(model);
    EXPECT_EQ(model.nodes[1].mixed_hinges(), c.mixed);
    EXPECT_EQ(model.nodes[1].rotation_count(), c.rotations);
  }
}

TEST(NodeNumbering, MoreThanTenEndsAtANodeAreRefusedAndNothingChanges) {
  FrameModel model = Frame({});
  for (int i = 0; i < 11; ++i) {
    model.elements.Append(testing::MakeElement({0, 0, static_cast<float>(i + 1), -2}));
  }
  common::Result rebuilt = RebuildTopology(model);
  ASSERT_FALSE(rebuilt.ok());
  EXPECT_EQ(rebuilt.text(), "Too many element ends at node 1, max = 10");
  EXPECT_EQ(rebuilt.caption(), "Error");
  EXPECT_EQ(model.editor.storey_frame_error, 1);
  EXPECT_EQ(model.nodes.count(), 0);
  EXPECT_EQ(model.elements[1].node_a(), 0);
  EXPECT_EQ(model.params.equation_count(), 0);

  // Ten ends are fine.
  model.elements.Erase(11);
  model.editor.storey_frame_error = 0;
  ASSERT_TRUE(RebuildTopology(model).ok());
  EXPECT_EQ(model.nodes[1].end_count(), 10);
  EXPECT_EQ(model.nodes[1].element(10), 10);
}

TEST(NodeNumbering, WorkingFlagsOfTheElementsAreCleared) {
  FrameModel model = Frame({{0, 0, 4, 0}});
  model.elements[1].set_modified_flag(1);
  model.elements[1].set_switched_off_flag(1);
  model = Rebuilt(model);
  EXPECT_EQ(model.elements[1].modified_flag(), 0);
  EXPECT_EQ(model.elements[1].switched_off_flag(), 0);
}

}  // namespace
}  // namespace kelmf
