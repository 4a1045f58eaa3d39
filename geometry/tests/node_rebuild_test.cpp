// The node rebuild keeps supports at their points and writes the model files.
#include "geometry/model/node_rebuild.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "common/records/record_files.h"
#include "geometry/tests/frame_builder.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace kelmf {
namespace {

using testing::Frame;
using testing::TestPosition;

void Support(FrameModel& model, int node, float u, float v, float phi) {
  const float values[] = {u, v, phi};
  common::NodeRefRecord entry;
  entry.set_node(static_cast<std::int16_t>(node));
  for (int d = 1; d <= 3; ++d) {
    model.nodes[node].set_support(d, values[d - 1]);
    model.nodes[node].set_support_flag(d, values[d - 1] > 0 ? 1 : 0);
    entry.set_support(d, values[d - 1]);
    entry.set_support_flag(d, values[d - 1] > 0 ? 1 : 0);
  }
  model.supports.Append(entry);
  model.params.set_support_count(static_cast<std::int16_t>(model.supports.count()));
}

std::vector<float> SupportOf(const common::NodeRecord& node) {
  return {node.support(1), node.support(2), node.support(3)};
}

std::vector<int> EntryNodes(const FrameModel& model) {
  std::vector<int> nodes;
  for (const common::NodeRefRecord& entry : model.supports.used()) nodes.push_back(entry.node());
  return nodes;
}

// A beam over three elements from x = 0 to 12, held at 0 (fixed), 4 and 12.
FrameModel SupportedChain() {
  FrameModel model = Frame({{0, 0, 4, 0}, {4, 0, 8, 0}, {8, 0, 12, 0}});
  EXPECT_TRUE(RebuildTopology(model).ok());
  Support(model, 1, 1, 1, 1);
  Support(model, 2, 0, 1, 0);
  Support(model, 4, 0, 0.5f, 0);
  return model;
}

TEST(CarrySupports, SupportsStayOnTheirNodeWhenAnElementIsDeleted) {
  FrameModel model = SupportedChain();
  model.elements.Erase(1);
  ASSERT_TRUE(RebuildTopology(model).ok());
  ASSERT_EQ(model.nodes.count(), 3);  // x = 4, 8, 12
  EXPECT_EQ(SupportOf(model.nodes[1]), (std::vector<float>{0, 1, 0}));
  EXPECT_EQ(SupportOf(model.nodes[2]), (std::vector<float>{0, 0, 0}));
  EXPECT_EQ(SupportOf(model.nodes[3]), (std::vector<float>{0, 0.5f, 0}));
  EXPECT_EQ(model.nodes[1].support_flag(2), 1);
  EXPECT_EQ(model.nodes[2].support_flag(2), 0);
  // The entry of the node at x = 0 is gone; the others carry the new numbers.
  EXPECT_EQ(EntryNodes(model), (std::vector<int>{1, 3}));
  EXPECT_FLOAT_EQ(model.supports[2].support(2), 0.5f);
  EXPECT_EQ(model.params.support_count(), 2);
}

TEST(CarrySupports, ANewNodeGetsNoSupportAndReorderedNodesKeepTheirs) {
  FrameModel model = SupportedChain();
  // Reversed element order: the nodes come in the order 12, 8, 4, 0.
  FrameModel reversed = Frame({{8, 0, 12, 0}, {4, 0, 8, 0}, {0, 0, 4, 0}, {12, 0, 12, -3}});
  reversed.nodes = model.nodes;
  reversed.supports = model.supports;
  ASSERT_TRUE(RebuildTopology(reversed).ok());
  ASSERT_EQ(reversed.nodes.count(), 5);
  EXPECT_FLOAT_EQ(reversed.nodes[1].x(), 8.0f);
  EXPECT_EQ(SupportOf(reversed.nodes[1]), (std::vector<float>{0, 0, 0}));
  EXPECT_EQ(SupportOf(reversed.nodes[2]), (std::vector<float>{0, 0.5f, 0}));  // x = 12
  EXPECT_EQ(SupportOf(reversed.nodes[4]), (std::vector<float>{1, 1, 1}));     // x = 0
  EXPECT_EQ(SupportOf(reversed.nodes[5]), (std::vector<float>{0, 0, 0}));     // new, at z = -3
  EXPECT_EQ(EntryNodes(reversed), (std::vector<int>{4, 3, 2}));
}

TEST(CarrySupports, EntriesOfUnknownNodesAreDropped) {
  FrameModel model = SupportedChain();
  common::NodeRefRecord stray;
  stray.set_node(9);
  model.supports.Append(stray);
  stray.set_node(0);
  model.supports.Append(stray);
  ASSERT_TRUE(RebuildTopology(model).ok());
  EXPECT_EQ(EntryNodes(model), (std::vector<int>{1, 2, 4}));
}

TEST(RebuildNodes, WritesTheModelFilesAndCreatesTheDefaultCrossSection) {
  FrameModel model = SupportedChain();
  model.cross_sections.Clear();
  const common::Position position = TestPosition();
  ASSERT_TRUE(RebuildNodes(model, position).ok());

  auto nodes = common::ReadTable<common::NodeTable>(position.File("NODES"));
  ASSERT_TRUE(nodes.status.ok());
  ASSERT_EQ(nodes.table.count(), 4);
  EXPECT_EQ(nodes.table[4].dof_u(), 10);
  EXPECT_FLOAT_EQ(nodes.table[4].support(2), 0.5f);
  auto elements = common::ReadTable<common::ElementTable>(position.File("ELEMENTS"));
  ASSERT_EQ(elements.table.count(), 3);
  EXPECT_EQ(elements.table[3].dof(6), 12);  // written after the numbering
  auto supports = common::ReadTable<common::NodeRefTable>(position.File("LKNOTENR"));
  ASSERT_EQ(supports.table.count(), 3);
  auto sections = common::ReadTable<common::CrossSectionTable>(position.File("CROSS"));
  ASSERT_EQ(sections.table.count(), 1);
  EXPECT_FLOAT_EQ(sections.table[1].area(), 0.08f);
  EXPECT_EQ(model.cross_sections.count(), 1);
  EXPECT_EQ(model.params.cross_section_count(), 1);
}

TEST(RebuildNodes, ReadsCrossAndReportsADamagedOne) {
  const common::Position position = TestPosition();
  FrameModel model = Frame({{0, 0, 4, 0}});
  const std::int16_t claims = 3;  // and holds no record
  ASSERT_TRUE(plat::WriteBlock(position.File("CROSS"), &claims, sizeof claims));
  common::Result rebuilt = RebuildNodes(model, position);
  ASSERT_FALSE(rebuilt.ok());
  EXPECT_NE(rebuilt.text().find(position.File("CROSS")), std::string::npos);
  EXPECT_EQ(model.cross_sections.count(), 1);  // as it was
  EXPECT_EQ(model.nodes.count(), 2);           // the nodes are rebuilt all the same
  EXPECT_TRUE(plat::FileExists(position.File("NODES")));
}

}  // namespace
}  // namespace kelmf
