// The circular arc and the parabola.
#include "geometry/generators/curve_generators.h"

#include <gtest/gtest.h>

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

struct Xz {
  float x, z;
};

// The points of a chain: end a of every element, then end b of the last.
std::vector<Xz> ChainPoints(const FrameModel& model) {
  std::vector<Xz> points;
  for (const common::ElementRecord& e : model.elements.used()) points.push_back({e.xa(), e.za()});
  if (!model.elements.empty()) {
    const common::ElementRecord& last = model.elements[model.elements.count()];
    points.push_back({last.xb(), last.zb()});
  }
  return points;
}

void ExpectPoints(const FrameModel& model, const std::vector<Xz>& expected) {
  const std::vector<Xz> points = ChainPoints(model);
  ASSERT_EQ(points.size(), expected.size());
  for (std::size_t k = 0; k < points.size(); ++k) {
    SCOPED_TRACE(k + 1);
    EXPECT_NEAR(points[k].x, expected[k].x, 1e-4);
    EXPECT_NEAR(points[k].z, expected[k].z, 1e-4);
  }
}

TEST(GenerateArc, HalfCircleInFourElements) {
  FrameModel model = ExistingFrame();
  model.params.set_vertical_sign(1);
  const common::Position position = TestPosition();
  ASSERT_TRUE(GenerateArc(model, 4, 10.0, 180.0, 0.0, position).ok());

  ExpectPoints(model, {{-10, 0}, {-7.0711f, 7.0711f}, {0, 10}, {7.0711f, 7.0711f}, {10, 0}});
  for (const common::ElementRecord& e : model.elements.used()) {
    EXPECT_NEAR(e.length(), 7.6537, 1e-4);
    EXPECT_EQ(e.ya(), -e.za());
    EXPECT_EQ(e.material(), 1);
    EXPECT_EQ(e.cross_section(), 1);
    EXPECT_EQ(e.compression_flag(), 1);
    EXPECT_EQ(e.tension_flag(), 1);
  }
  EXPECT_EQ(model.params.vertical_sign(), -1);
  EXPECT_EQ(model.nodes.count(), 5);
  EXPECT_EQ(model.params.equation_count(), 15);

  std::int32_t marker = 0;
  ASSERT_TRUE(plat::ReadBlock(position.File("GEOMETRY"), &marker, sizeof marker));
  EXPECT_EQ(marker, 0);  // not checked until Store
  auto extents = common::ReadBlockRecord<common::DrawingExtents>(position.File("EXTENSIOR"));
  EXPECT_NEAR(extents.record.xmin(), -10.0f, 1e-5);
  EXPECT_NEAR(extents.record.zmax(), 10.0f, 1e-5);
  EXPECT_EQ(common::ReadTable<common::ElementTable>(position.File("ELEMENTS")).table.count(), 4);
  EXPECT_EQ(common::ReadTable<common::NodeTable>(position.File("NODES")).table.count(), 5);
}

TEST(GenerateArc, RunsFromTheLargerAngleWhicheverComesFirst) {
  FrameModel model = ExistingFrame();
  ASSERT_TRUE(GenerateArc(model, 2, 5.0, 0.0, 90.0, TestPosition()).ok());
  ExpectPoints(model, {{0, 5}, {3.5355f, 3.5355f}, {5, 0}});
}

TEST(GenerateParabola, RiseOfTwoOverTenMetresInFourElements) {
  FrameModel model = ExistingFrame();
  const ParabolaInput input{10.0f, 2.0f, 4};
  const common::Position position = TestPosition();
  ASSERT_TRUE(GenerateParabola(model, input, position).ok());

  ExpectPoints(model, {{0, 0}, {2.5f, 1.5f}, {5, 2}, {7.5f, 1.5f}, {10, 0}});
  testing::ExpectSameParabola(input, model.parabola);
  EXPECT_EQ(model.params.vertical_sign(), -1);
  EXPECT_EQ(model.nodes.count(), 5);
  EXPECT_EQ(model.elements[1].compression_flag(), 1);
  EXPECT_EQ(model.elements[4].tension_flag(), 1);
  EXPECT_TRUE(plat::FileExists(position.File("GEOMETRY")));
}

TEST(GenerateParabola, TwoElementsPeakAtTheRise) {
  FrameModel model = ExistingFrame();
  ASSERT_TRUE(GenerateParabola(model, {8.0f, 3.0f, 2}, TestPosition()).ok());
  ExpectPoints(model, {{0, 0}, {4, 3}, {8, 0}});
}

TEST(CurveGenerators, RefusedInputsChangeNothing) {
  const double inf = std::numeric_limits<double>::infinity();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    std::string name;
    bool arc;
    int n;
    double a, b, c;  // arc: R, angle 1, angle 2; parabola: L, f
    std::string message;
    int flag;
  } cases[] = {
      {"arc n = 0", true, 0, 10, 180, 0, "The number of elements must be at least 1", 0},
      {"arc n < 0", true, -4, 10, 180, 0, "The number of elements must be at least 1", 0},
      {"arc n = 101", true, 101, 10, 180, 0, "Too many elements, max = 100", 1},
      {"arc R = 0", true, 4, 0, 180, 0, "The radius must be a number greater than 0", 0},
      {"arc R < 0", true, 4, -10, 180, 0, "The radius must be a number greater than 0", 0},
      {"arc R infinite", true, 4, inf, 180, 0, "The radius must be a number greater than 0", 0},
      {"arc angle no number", true, 4, 10, nan, 0, "The angles must be numbers", 0},
      {"arc equal angles", true, 4, 10, 90, 90, "Element 1 is shorter than 0.05 m", 0},
      {"arc too fine", true, 100, 0.5, 180, 0, "Element 1 is shorter than 0.05 m", 0},
      {"parabola n = 0", false, 0, 10, 2, 0, "The number of elements must be at least 1", 0},
      {"parabola n = 101", false, 101, 10, 2, 0, "Too many elements, max = 100", 1},
      {"parabola L = 0", false, 4, 0, 2, 0, "The length of the base line must be a number greater than 0", 0},
      {"parabola L < 0", false, 4, -10, 2, 0, "The length of the base line must be a number greater than 0", 0},
      {"parabola f no number", false, 4, 10, nan, 0, "The height must be a number", 0},
      {"parabola too fine", false, 100, 2, 0, 0, "Element 1 is shorter than 0.05 m", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FrameModel model = ExistingFrame();
    model.parabola = {12.0f, 3.0f, 6};  // of an earlier parabola
    testing::ExpectRefused(
        model,
        [&c](FrameModel& m, const common::Position& position) {
          return c.arc ? GenerateArc(m, c.n, c.a, c.b, c.c, position)
                       : GenerateParabola(m, {static_cast<float>(c.a), static_cast<float>(c.b), c.n}, position);
        },
        c.message, c.flag);
  }
}

}  // namespace
}  // namespace kelmf
