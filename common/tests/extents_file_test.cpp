#include "common/position/extents_file.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "common/records/record_files.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

common::Position TestPosition() {
  const common::Position p(plat::testing::TestFolder() + "extents/", ".1");
  EXPECT_TRUE(common::EnsurePositionFolder(p));
  return p;
}

TEST(ReadExtents, AMissingBoxIsTheDefault) {
  const common::Position p = TestPosition();
  const auto extents = common::ReadExtents(p);
  ASSERT_TRUE(extents.ok());
  EXPECT_EQ(extents->box.xmax(), 50.0f);
  EXPECT_EQ(extents->box.zmax(), 30.0f);
  EXPECT_EQ(extents->step, 500);  // 50 by 30
}

// Every picture is scaled from the box: a short file or a number that is not
// finite is damage, named, never a box to draw with.
TEST(ReadExtents, AShortOrNonFiniteBoxIsADamagedFile) {
  const common::Position p = TestPosition();
  const std::string path = p.File("EXTENSIOR");
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  struct Case {
    const char* what;
    common::DrawingExtents box;
    std::size_t bytes;
    const char* problem;
  };
  const Case cases[] = {
      {"12 bytes", common::DrawingExtents::Box(0, 0, 20, 10), 12, "it holds 12 bytes instead of 16"},
      {"nan xmin", common::DrawingExtents::Box(nan, 0, 20, 10), 16, "it holds a number that is not finite"},
      {"inf zmax", common::DrawingExtents::Box(0, 0, 20, inf), 16, "it holds a number that is not finite"},
      {"-inf zmin", common::DrawingExtents::Box(0, -inf, 20, 10), 16, "it holds a number that is not finite"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(plat::WriteBlock(path, &c.box, c.bytes)) << c.what;
    const auto extents = common::ReadExtents(p);
    ASSERT_FALSE(extents.ok()) << c.what;
    EXPECT_EQ(extents.failure().text(), "The file " + path + " is damaged: " + c.problem + ".") << c.what;
  }
}

}  // namespace
