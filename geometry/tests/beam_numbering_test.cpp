// Nodes, equations and supports of a generated beam, and its listing.
#include "geometry/model/beam_numbering.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/records/record_files.h"
#include "geometry/model/bar_geometry.h"
#include "geometry/tests/frame_builder.h"
#include "platform/text_file.h"

namespace kelmf {
namespace {

using testing::Frame;
using testing::TestPosition;

TEST(NumberBeamDofs, NodesAtTheBeamsHeightAreHeldInXAndVertically) {
  FrameModel model = Frame({{0, 0, 5, 0}, {5, 0, 11, 0.005f}, {5, 0, 5, -2}});
  // Old supports do not survive: the beam brings its own.
  model.supports.Append(common::NodeRefRecord());
  const common::Position position = TestPosition();
  ASSERT_TRUE(NumberBeamDofs(model, position).ok());

  ASSERT_EQ(model.nodes.count(), 4);  // x = 0, 5, 11 on the beam; (5, -2) above it
  for (int k : {1, 2, 3}) {
    SCOPED_TRACE(k);
    EXPECT_EQ(model.nodes[k].support(1), 1.0f);
    EXPECT_EQ(model.nodes[k].support(2), 1.0f);
    EXPECT_EQ(model.nodes[k].support(3), 0.0f);
    EXPECT_EQ(model.nodes[k].support_flag(1), 1);
    EXPECT_EQ(model.nodes[k].support_flag(2), 1);
    EXPECT_EQ(model.nodes[k].support_flag(3), 0);
  }
  EXPECT_EQ(model.nodes[4].support(2), 0.0f);
  EXPECT_EQ(model.params.support_count(), 3);
  EXPECT_EQ(model.params.equation_count(), 12);

  auto supports = common::ReadTable<common::NodeRefTable>(position.File("LKNOTENR"));
  ASSERT_TRUE(supports.status.ok());
  ASSERT_EQ(supports.table.count(), 3);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(supports.table[k].node(), k);
    EXPECT_EQ(supports.table[k].support(1), 1.0f);
    EXPECT_EQ(supports.table[k].support(2), 1.0f);
    EXPECT_EQ(supports.table[k].support_flag(2), 1);
    EXPECT_EQ(supports.table[k].support_flag(3), 0);
  }
  auto nodes = common::ReadTable<common::NodeTable>(position.File("NODES"));
  ASSERT_EQ(nodes.table.count(), 4);
  EXPECT_EQ(nodes.table[3].support_flag(1), 1);
}

TEST(NumberBeamDofs, WritesTheElementsNodesListing) {
  FrameModel model = Frame({{0, 0, 6, 0, 0, 1}, {6, 0, 10, 0}});
  ComputeElementGeometry(model);
  const common::Position position = TestPosition();
  ASSERT_TRUE(NumberBeamDofs(model, position).ok());
  auto lines = plat::ReadLines(position.folder() + "ELEMENTSNODES.TXT");
  ASSERT_TRUE(lines.has_value());
  const std::vector<std::string> expected = {
      "Nodes 1  x = 0.00 y = 0.00 zElements = 1 dofsphi = 1 dofstotal = 3",
      "DofU = 1",
      "DofV = 2",
      "DofPhi = 3",
      "Element 1",
      "",
      "Nodes 2  x = 6.00 y = 0.00 zElements = 2 dofsphi = 2 dofstotal = 4",
      "DofU = 4",
      "DofV = 5",
      "DofPhi = 6",
      "DofPhi = 7",
      "Element 1",
      "Element 2",
      "",
      "Nodes 3  x = 10.00 y = 0.00 zElements = 1 dofsphi = 1 dofstotal = 3",
      "DofU = 8",
      "DofV = 9",
      "DofPhi = 10",
      "Element 2",
      "",
      "Element 1  Node L = 1  Node R = 2  tx = 1.00  ty = 0.00  nx = -0.00  ny = 1.00",
      "Left  dof u = 1 dof v = 2 dof phi = 3 ",
      "Right dof u = 4 dof v = 5 dof phi = 6 ",
      "",
      "Element 2  Node L = 2  Node R = 3  tx = 1.00  ty = 0.00  nx = -0.00  ny = 1.00",
      "Left  dof u = 4 dof v = 5 dof phi = 7 ",
      "Right dof u = 8 dof v = 9 dof phi = 10 ",
      "",
      "Number of nodes = 3 Number of elements = 2  Number of equations = 10",
  };
  EXPECT_EQ(*lines, expected);
}

}  // namespace
}  // namespace kelmf
