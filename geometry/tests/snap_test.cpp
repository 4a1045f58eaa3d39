// Snapping a click to the nearer end of an element near it.
#include "geometry/generators/snap.h"

#include <gtest/gtest.h>

#include "geometry/tests/frame_builder.h"

namespace kelmf {
namespace {

using testing::Frame;

struct SnapCase {
  const char* name;
  ClickPoint click;
  int element;  // 0: none found
  ClickPoint moved;
};

TEST(SnapToElementEnd, MovesTheClickToTheNearerEnd) {
  const FrameModel model = Frame({{0, 0, 4, 0}});
  const SnapCase cases[] = {
      {"near end b", {3.9f, 0.05f}, 1, {4, 0}},
      {"near end a", {0.2f, -0.05f}, 1, {0, 0}},
      {"midway: a tie goes to end b", {2.0f, 0.05f}, 1, {4, 0}},
      {"far above", {2.0f, 1.0f}, 0, {2.0f, 1.0f}},
      {"far beyond the end", {6.0f, 0.0f}, 0, {6.0f, 0.0f}},
  };
  for (const SnapCase& c : cases) {
    SCOPED_TRACE(c.name);
    ClickPoint click = c.click;
    EXPECT_EQ(SnapToElementEnd(model, 0.1f, click), c.element);
    EXPECT_EQ(click.x, c.moved.x);
    EXPECT_EQ(click.z, c.moved.z);
  }
}

TEST(SnapToElementEnd, TheHigherElementNumberWins) {
  // Both elements pass the click; element 2 is searched first.
  const FrameModel model = Frame({{0, 0, 4, 0}, {3, 0, 8, 0}});
  ClickPoint click{3.5f, 0.02f};
  EXPECT_EQ(SnapToElementEnd(model, 0.1f, click), 2);
  EXPECT_EQ(click.x, 3.0f);
  EXPECT_EQ(click.z, 0.0f);
}

TEST(SnapToElementEnd, FindsAVerticalElement) {
  FrameModel model = Frame({{0, 0, 6, 0}, {2, 0, 2, 5}});
  model.params.set_tolerance(1e-6);
  ClickPoint click{2.05f, 4.9f};
  EXPECT_EQ(SnapToElementEnd(model, 0.1f, click), 2);
  EXPECT_EQ(click.x, 2.0f);
  EXPECT_EQ(click.z, 5.0f);
}

TEST(SegmentMeetsBox, TheLineThroughTheElementAgainstTheSides) {
  const SnapBox box{1.0f, 1.0f, 2.0f, 2.0f};
  struct Case {
    const char* name;
    float x1, z1, x2, z2;
    bool meets;
  } cases[] = {
      {"diagonal through the box", 0, 0, 3, 3, true},
      {"diagonal beside the box", 0, 2.5f, 1, 3.5f, false},
      {"line through the box, segment short of it", 0, 0, 0.5f, 0.5f, true},
      {"steep line through the box", 1.5f, 0, 1.5f, 5, true},
      {"vertical line beside the box: parallel sides count as met", 2.5f, 0, 2.5f, 5, true},
      {"shallow line through a vertical side", 0, 1.5f, 5, 1.6f, true},
      {"shallow line below the box", 0, 0.5f, 5, 0.6f, false},
      {"horizontal line: parallel sides count as met", 0, 5, 5, 5, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SegmentMeetsBox(c.x1, c.z1, c.x2, c.z2, box, 1e-6), c.meets);
  }
}

}  // namespace
}  // namespace kelmf
