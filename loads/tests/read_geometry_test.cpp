#include "loads/model/read_geometry.h"

#include <gtest/gtest.h>

#include "common/position/extents_file.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"

namespace pundf {
namespace {
namespace fn = common::file_names;

TEST(ReadGeometry, ReadsTheModelFiles) {
  Geometry portal = testing::PortalFrame();
  common::NodeRefRecord support;
  support.set_node(1);
  support.set_support_flag(2, 1);
  portal.supports.Append(support);
  LoadModel model;
  model.position = testing::WritePosition(portal);

  const auto read = ReadGeometry(model);
  ASSERT_TRUE(read.ok()) << read.message().text();
  EXPECT_EQ(model.geometry.element_count(), 3);
  EXPECT_EQ(model.geometry.node_count(), 4);
  EXPECT_EQ(model.geometry.cross_sections.count(), 1);
  EXPECT_EQ(model.geometry.supports.count(), 1);
  EXPECT_EQ(model.geometry.elements[2].length(), 6.0f);
  EXPECT_EQ(model.geometry.params.vertical_sign(), -1);
  // Without EXTENSIOR: the box 0..50 by 0..30.
  EXPECT_EQ(model.geometry.extents.xmax(), 50.0f);
  EXPECT_EQ(model.geometry.extents.zmax(), 30.0f);
  EXPECT_EQ(model.geometry.drawing_step, 500);
}

TEST(ReadGeometry, MissingFrameEndsTheProgramWithZero) {
  LoadModel model;
  model.position = testing::WritePosition(testing::PortalFrame());
  ASSERT_TRUE(plat::RemoveFile(model.position.File(fn::kFrameParams)));

  const auto read = ReadGeometry(model);
  EXPECT_TRUE(read.ends_program());
  EXPECT_EQ(read.exit_code(), 0);
  EXPECT_EQ(read.message().text(), "No frame, no file " + model.position.File(fn::kFrameParams) + ".");
  EXPECT_EQ(model.geometry.element_count(), 0);
}

TEST(ReadGeometry, DamagedFilesAreNamedAndNotUsed) {
  struct Case {
    const char* file;
    std::vector<std::byte> bytes;
  };
  // ELEMENTS claiming 2 records but holding one; NODES claiming 300; a
  // support at node 9 of a frame with 4 nodes; a short EXTENSIOR.
  std::vector<std::byte> two_claimed(2 + 148);
  two_claimed[0] = std::byte{2};
  std::vector<std::byte> too_many(2);
  too_many[0] = std::byte{300 & 0xFF};
  too_many[1] = std::byte{300 >> 8};
  std::vector<std::byte> support_at_9(2 + 32);
  support_at_9[0] = std::byte{1};
  support_at_9[2] = std::byte{9};
  const Case cases[] = {
      {fn::kElements, two_claimed},
      {fn::kNodes, too_many},
      {fn::kSupports, support_at_9},
      {fn::kExtents, std::vector<std::byte>(10)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    LoadModel model;
    model.position = testing::WritePosition(testing::PortalFrame());
    const std::string path = model.position.File(c.file);
    ASSERT_TRUE(plat::WriteBlock(path, c.bytes.data(), c.bytes.size()));
    const auto read = ReadGeometry(model);
    EXPECT_TRUE(read.ends_program());
    EXPECT_EQ(read.exit_code(), -1);
    EXPECT_NE(read.message().text().find(path), std::string::npos) << read.message().text();
    EXPECT_EQ(read.message().caption(), "Error");
    EXPECT_EQ(model.geometry.element_count(), 0);
  }
}

TEST(ReadExtents, ReadsTheBoxAndItsDrawingStep) {
  const common::Position pos = testing::WritePosition(testing::PortalFrame());
  ASSERT_TRUE(common::WriteBlockRecord(pos.File(fn::kExtents), common::DrawingExtents::Box(-1, -2, 11, 9)));
  const auto extents = ReadExtents(pos);
  ASSERT_TRUE(extents.ok());
  EXPECT_EQ(extents->box.xmin(), -1.0f);
  EXPECT_EQ(extents->box.zmax(), 9.0f);
  EXPECT_EQ(extents->step, 1000);  // 12 by 11
}

TEST(DrawingStep, FollowsTheSizeOfTheBox) {
  struct Case {
    float w, h;
    int step;
  };
  const Case cases[] = {
      {101, 1, 100},  {1, 101, 100}, {60, 60, 200}, {60, 45, 250}, {45, 35, 300}, {35, 25, 500},
      {25, 11, 1000}, {2, 2.9f, 5000}, {2, 3, 2000}, {50, 50, 250}, {11, 5, 2000},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DrawingStep(common::DrawingExtents::Box(0, 0, c.w, c.h)), c.step) << c.w << " x " << c.h;
    // The order of the corners does not matter.
    EXPECT_EQ(DrawingStep(common::DrawingExtents::Box(c.w, c.h, 0, 0)), c.step) << c.w << " x " << c.h;
  }
}

}  // namespace
}  // namespace pundf
