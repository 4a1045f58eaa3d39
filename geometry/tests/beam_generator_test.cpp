// The continuous beam from its span table.
#include "geometry/generators/beam_generator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/records/record_files.h"
#include "geometry/tests/generator_fixture.h"
#include "platform/binary_io.h"

namespace kelmf {
namespace {

using testing::ExistingFrame;
using testing::TestPosition;

void SetSpans(FrameModel& model, const std::vector<float>& ends) {
  model.spans.Clear();
  for (float x : ends) {
    SpanRecord span;
    span.set_number(model.spans.count() + 1);
    span.set_x_end(x);
    model.spans.Append(span);
  }
  model.params.set_span_count(static_cast<std::int16_t>(model.spans.count()));
}

std::int32_t GeometryMarker(const common::Position& position) {
  std::int32_t value = -1;
  EXPECT_TRUE(plat::ReadBlock(position.File("GEOMETRY"), &value, sizeof value));
  return value;
}

TEST(GenerateBeam, ThreeSpansGiveThreeElementsAlongTheAxis) {
  FrameModel model = ExistingFrame();
  SetSpans(model, {4.0f, 7.5f, 12.3f});
  const common::Position position = TestPosition();
  const std::int32_t stored = 1;  // the marker and inverse of a former, checked frame
  ASSERT_TRUE(plat::WriteBlock(position.File("GEOMETRY"), &stored, sizeof stored));
  ASSERT_TRUE(plat::WriteBlock(position.File("INVERSE"), &stored, sizeof stored));
  ASSERT_TRUE(GenerateBeam(model, position).ok());

  ASSERT_EQ(model.elements.count(), 3);
  EXPECT_EQ(model.params.element_count(), 3);
  const float ends[] = {0.0f, 4.0f, 7.5f, 12.3f};
  for (int e = 1; e <= 3; ++e) {
    SCOPED_TRACE(e);
    const common::ElementRecord& element = model.elements[e];
    EXPECT_EQ(element.xa(), ends[e - 1]);
    EXPECT_EQ(element.xb(), ends[e]);
    EXPECT_EQ(element.za(), 0.0f);
    EXPECT_EQ(element.zb(), 0.0f);
    EXPECT_FLOAT_EQ(element.length(), ends[e] - ends[e - 1]);
    EXPECT_EQ(element.cosine(), 1.0f);
    EXPECT_EQ(element.material(), 1);
    EXPECT_EQ(element.cross_section(), 1);
    EXPECT_EQ(element.hinge_a(), 0);
    EXPECT_EQ(element.hinge_b(), 0);
    EXPECT_EQ(element.compression_flag(), 1);
    EXPECT_EQ(element.tension_flag(), 1);
    EXPECT_GT(element.ea(), 0.0f);
  }
  EXPECT_EQ(model.nodes.count(), 4);
  EXPECT_EQ(model.params.support_count(), 4);
  EXPECT_EQ(model.params.equation_count(), 12);
  EXPECT_EQ(GeometryMarker(position), 0);  // not checked until Store
  EXPECT_FALSE(plat::FileExists(position.File("INVERSE")));

  auto written = common::ReadTable<common::ElementTable>(position.File("ELEMENTS"));
  ASSERT_TRUE(written.status.ok());
  EXPECT_EQ(written.table.count(), 3);
  auto extents = common::ReadBlockRecord<common::DrawingExtents>(position.File("EXTENSIOR"));
  ASSERT_TRUE(extents.status.ok());
  EXPECT_EQ(extents.record, common::DrawingExtents::Box(0.0f, 0.0f, 12.3f, 0.0f));
  EXPECT_TRUE(plat::FileExists(position.folder() + "ELEMENTSNODES.TXT"));
}

TEST(GenerateBeam, OneSpanHoldsBothNodesInXAndVertically) {
  FrameModel model = ExistingFrame();  // its clamped support does not survive
  SetSpans(model, {6.0f});
  const common::Position position = TestPosition();
  ASSERT_TRUE(GenerateBeam(model, position).ok());

  ASSERT_EQ(model.elements.count(), 1);
  EXPECT_EQ(model.elements[1].xb(), 6.0f);
  ASSERT_EQ(model.nodes.count(), 2);
  for (int n = 1; n <= 2; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(model.nodes[n].support(1), 1.0f);
    EXPECT_EQ(model.nodes[n].support(2), 1.0f);
    EXPECT_EQ(model.nodes[n].support(3), 0.0f);
    EXPECT_EQ(model.nodes[n].support_flag(3), 0);
  }
  EXPECT_EQ(model.params.Get<std::int16_t>(702), 2);
  auto supports = common::ReadTable<common::NodeRefTable>(position.File("LKNOTENR"));
  ASSERT_EQ(supports.table.count(), 2);
  EXPECT_EQ(supports.table[2].node(), 2);
  EXPECT_EQ(supports.table[2].support_flag(1), 1);
  EXPECT_EQ(supports.table[2].support_flag(2), 1);
  EXPECT_EQ(GeometryMarker(position), 0);
}

TEST(GenerateBeam, RefusedSpanTablesChangeNothing) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::vector<float> too_many;
  for (int k = 1; k <= 31; ++k) too_many.push_back(2.0f * k);
  struct Case {
    std::vector<float> ends;
    std::string message;
    int flag;
  } cases[] = {
      {{4.0f, 4.0f}, "Coordinates of field ends must be increasing, x1 < x2 < x3 ...", 0},
      {{4.0f, 7.5f, 6.0f}, "Coordinates of field ends must be increasing, x1 < x2 < x3 ...", 0},
      {{0.0f}, "Zero length of field 1", 0},
      {{-3.0f, 5.0f}, "Zero length of field 1", 0},
      {{nan}, "Zero length of field 1", 0},
      {{4.0f, nan}, "Coordinates of field ends must be increasing, x1 < x2 < x3 ...", 0},
      {{4.0f, 4.03f}, "Element 2 is shorter than 0.05 m", 0},
      {too_many, "Too many spans, max = 30", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    FrameModel model = ExistingFrame();
    SetSpans(model, c.ends);
    testing::ExpectRefused(model, GenerateBeam, c.message, c.flag);
  }
}

TEST(GenerateBeam, AnEmptySpanTableGeneratesNothing) {
  testing::ExpectNothingGenerated(ExistingFrame(), GenerateBeam);
}

}  // namespace
}  // namespace kelmf
