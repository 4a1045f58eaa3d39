// The reanalysis's files: the working copies of a step, the reset that deletes them, the files a
// run leaves, and "Scales".
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <cmath>
#include <string>
#include <vector>

#include "common/records/record_files.h"
#include "graphics/fem/element_matrices.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/reanalysis/scales.h"
#include "graphics/reanalysis/working_copies.h"
#include "graphics/tests/reanalysis_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace revuzavi {
namespace {

using testing::SolvedViewer;
using zedir::testing::FileBytes;
using zedir::testing::FloatAt;
using zedir::testing::LoadCaseFiles;

template <class T>
T At(const std::vector<std::byte>& bytes, std::size_t offset) {
  T value{};
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

LoadCaseFiles SpanOneLoaded(const zedir::testing::FrameModel& model) {
  LoadCaseFiles lc;
  lc.line_loads.Append(zedir::testing::StoredLineLoad(model, 1, 'Y', 10, 10));
  return lc;
}

struct Viewer : SolvedViewer {
  Viewer() : SolvedViewer(zedir::testing::TwoSpans(), SpanOneLoaded(zedir::testing::TwoSpans().Build())) {}
};

TEST(WorkingCopies, NodeCopyHoldsTheStepEntryAndTheRecords) {
  Viewer v;
  v.run.steps.node_count(2) = 7;
  v.state.nodes[2].set_changed_support(2, -0.5f);
  ASSERT_TRUE(WriteNodeCopy(v.state, v.run.steps, 2));
  const std::vector<std::byte> bytes = FileBytes(v.File("KNOTENRTEMP2"));
  ASSERT_EQ(bytes.size(), 4u + 3 * 204);
  EXPECT_EQ(At<std::int32_t>(bytes, 0), 7);
  EXPECT_EQ(FloatAt(bytes, 4 + 204 + 36), -0.5f);

  v.state.nodes[2].set_changed_support(2, 0.0f);
  v.run.steps.node_count(2) = 0;
  ASSERT_TRUE(ReadNodeCopy(v.state, v.run.steps, 2).ok());
  EXPECT_EQ(v.state.nodes[2].changed_support(2), -0.5f);
  EXPECT_EQ(v.run.steps.node_count(2), 7);

  // Step 0 is NODES, its entry cleared.
  ASSERT_TRUE(ReadNodeCopy(v.state, v.run.steps, 0).ok());
  EXPECT_EQ(v.state.nodes[2].changed_support(2), 0.0f);
  EXPECT_EQ(v.run.steps.node_count(0), 0);
  // A missing copy changes nothing.
  v.state.nodes[2].set_changed_support(1, 1.0f);
  EXPECT_TRUE(ReadNodeCopy(v.state, v.run.steps, 5).missing());
  EXPECT_EQ(v.state.nodes[2].changed_support(1), 1.0f);
}

TEST(WorkingCopies, ElementCopyKeepsTheMarksAndStepZeroClearsThem) {
  Viewer v;
  v.state.elements[2].set_stiffness_factor(0.5f);
  v.state.elements[2].set_modified_flag(1);
  ASSERT_TRUE(WriteElementCopy(v.state, 1));
  const std::vector<std::byte> bytes = FileBytes(v.File("ELEMENTS1"));
  ASSERT_EQ(bytes.size(), 2u + 2 * 148);
  EXPECT_EQ(At<std::int16_t>(bytes, 0), 2);
  EXPECT_EQ(FloatAt(bytes, 2 + 148 + 136), 0.5f);

  ASSERT_TRUE(ReadElementCopy(v.state, 0).ok());
  EXPECT_EQ(v.state.elements[2].stiffness_factor(), -1.0f);
  EXPECT_EQ(v.state.elements[2].modified_flag(), 0);
  ASSERT_TRUE(ReadElementCopy(v.state, 1).ok());
  EXPECT_EQ(v.state.elements[2].stiffness_factor(), 0.5f);
  EXPECT_EQ(v.state.elements[2].modified_flag(), 1);
}

TEST(WorkingCopies, DamagedCopiesChangeNothing) {
  Viewer v;
  // A count beyond the records present.
  common::ElementTable elements = v.state.elements;
  std::vector<std::byte> short_file(2);
  const std::int16_t three = 3;
  std::memcpy(short_file.data(), &three, 2);
  short_file.insert(short_file.end(), elements.used_bytes().begin(), elements.used_bytes().end());
  ASSERT_TRUE(plat::WriteBlock(v.File("ELEMENTS1"), short_file.data(), short_file.size()));
  // An element on a node the frame lacks.
  elements[1].set_node_b(9);
  ASSERT_TRUE(common::WriteTable(v.File("ELEMENTS2"), elements));
  // A support on a node the frame lacks.
  common::NodeRefTable supports = v.state.supports;
  supports[1].set_node(4);
  ASSERT_TRUE(common::WriteTable(v.File("LKNOTENRTEMP1"), supports));
  // Displacements that are not finite.
  std::vector<double> u(1001, 0.0);
  u[3] = std::numeric_limits<double>::infinity();
  ASSERT_TRUE(plat::WriteBlock(v.File("UCT81"), u.data(), 8008));

  const std::vector<std::byte> elements_before(v.state.elements.used_bytes().begin(),
                                               v.state.elements.used_bytes().end());
  const std::vector<double> displacements_before = v.state.displacements;
  EXPECT_TRUE(ReadElementCopy(v.state, 1).damaged());
  EXPECT_TRUE(ReadElementCopy(v.state, 2).damaged());
  EXPECT_TRUE(ReadNodeRefCopy(v.state, 1).damaged());
  EXPECT_TRUE(ReadDisplacementCopy(v.state, 1).damaged());
  EXPECT_EQ(std::vector<std::byte>(v.state.elements.used_bytes().begin(), v.state.elements.used_bytes().end()),
            elements_before);
  EXPECT_EQ(v.state.supports[1].node(), 1);
  EXPECT_EQ(v.state.displacements, displacements_before);
}

TEST(WorkingCopies, DisplacementAndSupportCopiesOfAStepAndOfTheLoadCase) {
  Viewer v;
  std::vector<double> u(1001, 0.0);
  u[4] = 0.25;
  ASSERT_TRUE(plat::WriteBlock(v.File("UCT83"), u.data(), 8008));
  ASSERT_TRUE(ReadDisplacementCopy(v.state, 3).ok());
  EXPECT_EQ(v.state.displacements[4], 0.25);
  ASSERT_TRUE(ReadDisplacementCopy(v.state, 0).ok());
  EXPECT_EQ(v.state.displacements, testing::Ut8(v));

  common::NodeRefTable supports = v.state.supports;
  ASSERT_TRUE(supports.Erase(2));
  ASSERT_TRUE(common::WriteTable(v.File("LKNOTENRTEMP3"), supports));
  ASSERT_TRUE(ReadNodeRefCopy(v.state, 3).ok());
  EXPECT_EQ(v.state.supports.count(), 2);
  ASSERT_TRUE(ReadNodeRefCopy(v.state, 0).ok());
  EXPECT_EQ(v.state.supports.count(), 3);
}

TEST(ResetModifications, DeletesTheWorkingFilesAndReadsTheLoadCaseAgain) {
  Viewer v;
  v.run.picked_elements.Add(2);
  v.run.picked_nodes.Add(2);
  v.run.steps.node_count(1) = 1;
  v.run.step_count = 2;
  v.run.current_step = 2;
  v.WriteScales(0.5f);
  int step = 1;
  ASSERT_TRUE(IterateModifiedStiffness(v.state, v.run, v.view, step).ok());
  ASSERT_TRUE(WriteNodeCopy(v.state, v.run.steps, 1));
  ASSERT_TRUE(WriteElementCopy(v.state, 2));
  ASSERT_TRUE(common::WriteTable(v.File("LKNOTENRTEMP2"), v.state.supports));
  const std::vector<std::string> made = {v.File("UCT81"), v.File("KNOTENRTEMP1"), v.File("ELEMENTS2"),
                                         v.File("LKNOTENRTEMP2"), v.FolderFile("ForcesFPlus"),
                                         v.FolderFile("RHSGElM201")};
  ASSERT_TRUE(plat::WriteBlock(v.FolderFile("RHSGElM201"), "x", 1));
  for (const std::string& path : made) ASSERT_TRUE(plat::FileExists(path)) << path;
  v.state.elements[1].set_switched_off_flag(1);
  v.state.elements[1].set_own_stiffness_flag(1);
  v.state.nodes[2].set_changed_support(2, -1.0f);

  PictureState picture;
  picture.labels.moment.Place(3, 1.0f, 2.0f);
  picture.labels.deflection.Place(1000, 4.0f, 5.0f);
  ASSERT_EQ(picture.labels.moment.At(3).placed, 1);
  ASSERT_TRUE(ResetModifications(v.state, v.run, picture, v.view).ok());
  EXPECT_EQ(picture.labels.moment.At(3).placed, 0);
  EXPECT_EQ(picture.labels.deflection.At(1000).placed, 0);
  for (const std::string& path : made) EXPECT_FALSE(plat::FileExists(path)) << path;
  EXPECT_TRUE(plat::FileExists(v.File("ELEMENTS")));
  EXPECT_TRUE(plat::FileExists(v.File("NODES")));
  EXPECT_TRUE(v.run.picked_elements.empty());
  EXPECT_TRUE(v.run.picked_nodes.empty());
  EXPECT_EQ(v.run.steps.node_count(1), 0);
  EXPECT_EQ(v.run.step_count, 2);  // the view's counters stay the view's
  for (int e = 1; e <= 2; ++e) {
    EXPECT_EQ(v.state.elements[e].modified_flag(), 0);
    EXPECT_EQ(v.state.elements[e].switched_off_flag(), 0);
    EXPECT_EQ(v.state.elements[e].own_stiffness_flag(), 0);
    EXPECT_EQ(v.state.elements[e].stiffness_factor(), -1.0f);
  }
  EXPECT_EQ(v.state.nodes[2].changed_support(2), 0.0f);
  EXPECT_EQ(v.state.displacements, testing::Ut8(v));
  EXPECT_EQ(v.view.flags_cleared, 1);
}

TEST(RunFiles, PickedAndForcesFPlusLayout) {
  Viewer v;
  v.WriteScales(0.5f);
  v.run.picked_elements.Add(2);
  int step = 1;
  ASSERT_TRUE(IterateModifiedStiffness(v.state, v.run, v.view, step).ok());

  const std::vector<std::byte> picked = FileBytes(v.FolderFile("Picked"));
  ASSERT_EQ(picked.size(), 4u + 148);
  EXPECT_EQ(At<std::int32_t>(picked, 0), 2);
  EXPECT_EQ(FloatAt(picked, 4 + 136), 0.5f);
  EXPECT_FALSE(plat::FileExists(v.FolderFile("PickedNodes")));

  // f+ = -q K_e u_e = 0.5 K_e u_e of the new displacements.
  const mechanics::ElementMatrix ke = ElementStiffness(v.state, 2);
  double f[7] = {};
  for (int a = 1; a <= 6; ++a) {
    for (int b = 1; b <= 6; ++b) {
      f[a] += 0.5 * ke(a, b) * v.state.displacements[static_cast<std::size_t>(v.state.elements[2].dof(b))];
    }
  }
  const std::vector<std::byte> forces = FileBytes(v.FolderFile("ForcesFPlus"));
  ASSERT_EQ(forces.size(), 4u + 6 * 100);
  EXPECT_EQ(At<std::int32_t>(forces, 0), 6);
  for (int end = 0; end < 2; ++end) {
    const std::size_t x = 4 + static_cast<std::size_t>(end) * 300, y = x + 100, m = x + 200;
    SCOPED_TRACE(end);
    EXPECT_EQ(FloatAt(forces, x + 0), end == 0 ? 6.0f : 12.0f);
    for (const std::size_t r : {x, y, m}) EXPECT_EQ(At<std::int16_t>(forces, r + 82), 2);
    EXPECT_EQ(At<char>(forces, x + 96), 'X');
    EXPECT_EQ(At<std::uint8_t>(forces, x + 76), 0);
    EXPECT_NEAR(FloatAt(forces, x + 40), f[3 * end + 1], 1e-3);
    EXPECT_EQ(FloatAt(forces, x + 44), FloatAt(forces, x + 40));
    EXPECT_EQ(At<char>(forces, y + 96), 'Y');
    EXPECT_NEAR(FloatAt(forces, y + 40), f[3 * end + 2], 1e-3);
    EXPECT_EQ(FloatAt(forces, y + 48), FloatAt(forces, y + 40));
    EXPECT_EQ(At<std::uint8_t>(forces, m + 76), 1);
    EXPECT_NEAR(FloatAt(forces, m + 60), f[3 * end + 3], 1e-3);
    EXPECT_EQ(FloatAt(forces, m + 40), FloatAt(forces, m + 60));
  }
  EXPECT_GT(std::fabs(f[3]), 1.0);
}

TEST(PickList, RoomForOneHundredWithoutRepeats) {
  PickList list;
  for (int k = 1; k <= 100; ++k) ASSERT_TRUE(list.Add(k));
  EXPECT_FALSE(list.Add(101));
  EXPECT_EQ(list.count(), 100);
  PickList few;
  EXPECT_TRUE(few.Add(3));
  EXPECT_FALSE(few.Add(3));
  EXPECT_EQ(few[1], 3);
}

TEST(Scales, ReadsTheFiveValuesAndFallsBackWithoutThem) {
  Viewer v;
  v.WriteScales(0.25f, 1e-6f, 1e-8f, 40, 70);
  ScalesParams scales;
  ReadScales(v.state, scales);
  EXPECT_EQ(v.state.scales_factor, 0.25f);
  EXPECT_EQ(scales.element_eps, 1e-6f);
  EXPECT_EQ(scales.node_eps, 1e-8f);
  EXPECT_EQ(scales.element_limit, 40);
  EXPECT_EQ(scales.node_limit, 70);

  // Missing, or with a negative k: k 0 and the limit 50000.
  for (const bool missing : {true, false}) {
    if (missing) {
      ASSERT_TRUE(plat::RemoveFile(v.FolderFile("Scales")));
    } else {
      v.WriteScales(-1.0f);
    }
    v.state.scales_factor = 0.5f;
    ReadScales(v.state, scales);
    EXPECT_EQ(v.state.scales_factor, 0.0f);
    EXPECT_EQ(scales.element_limit, 50000);
    EXPECT_EQ(scales.node_limit, 50000);
  }
}

}  // namespace
}  // namespace revuzavi
