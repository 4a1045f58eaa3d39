#include "loads/tests/frame_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/model/read_geometry.h"
#include "loads/model/whole_element_load.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace pundf::testing {
namespace fn = common::file_names;

namespace {

// The stored y of a point: -z, a zero never negative.
float Y(Point p) { return 0.0f - p.z; }

int NodeOf(Geometry& g, Point p) {
  for (int k = 1; k <= g.nodes.count(); ++k) {
    if (g.nodes[k].x() == p.x && g.nodes[k].z() == p.z) return k;
  }
  common::NodeRecord n;
  n.set_x(p.x);
  n.set_y(Y(p));
  n.set_z(p.z);
  n.set_number(static_cast<std::int16_t>(g.nodes.count() + 1));
  g.nodes.Append(n);
  return g.nodes.count();
}

}  // namespace

Geometry MakeGeometry(const std::vector<Bar>& bars) {
  Geometry g;
  g.params.set_vertical_sign(-1);
  common::CrossSectionRecord section;
  section.set_area(0.08f);
  section.set_inertia(0.0010666667f);
  section.set_number(1);
  g.cross_sections.Append(section);
  for (const Bar& bar : bars) {
    common::ElementRecord e;
    e.set_xa(bar.a.x);
    e.set_ya(Y(bar.a));
    e.set_za(bar.a.z);
    e.set_xb(bar.b.x);
    e.set_yb(Y(bar.b));
    e.set_zb(bar.b.z);
    const float dx = bar.b.x - bar.a.x, dy = Y(bar.b) - Y(bar.a);
    const float l = std::sqrt(dx * dx + dy * dy);
    e.set_dx(dx);
    e.set_dy(dy);
    e.set_length(l);
    e.set_cosine(dx / l);
    e.set_sine(dy / l);
    e.set_minus_sine(-dy / l);
    e.set_normal_cosine(dx / l);
    e.set_cross_section(static_cast<std::int16_t>(bar.section));
    e.set_material(1);
    e.set_node_a(static_cast<std::int16_t>(NodeOf(g, bar.a)));
    e.set_node_b(static_cast<std::int16_t>(NodeOf(g, bar.b)));
    g.elements.Append(e);
  }
  g.params.set_element_count(static_cast<std::int16_t>(g.elements.count()));
  g.params.set_node_count(static_cast<std::int16_t>(g.nodes.count()));
  g.params.set_cross_section_count(1);
  return g;
}

Geometry PortalFrame(float w, float h) {
  return MakeGeometry({{{0, 0}, {0, h}}, {{0, h}, {w, h}}, {{w, h}, {w, 0}}});
}

common::Position WritePosition(const Geometry& g, const std::string& ext) {
  common::Position pos(plat::testing::TestFolder() + "data/", ext);
  EXPECT_TRUE(common::EnsurePositionFolder(pos));
  EXPECT_TRUE(common::WriteBlockRecord(pos.File(fn::kFrameParams), g.params));
  EXPECT_TRUE(common::WriteTable(pos.File(fn::kElements), g.elements));
  EXPECT_TRUE(common::WriteTable(pos.File(fn::kNodes), g.nodes));
  EXPECT_TRUE(common::WriteTable(pos.File(fn::kCrossSections), g.cross_sections));
  EXPECT_TRUE(common::WriteTable(pos.File(fn::kSupports), g.supports));
  return pos;
}

LoadModel LoadedModel(const Geometry& geometry, const std::string& ext) {
  return ReadModel(WritePosition(geometry, ext));
}

LoadModel ReadModel(const common::Position& position) {
  LoadModel model;
  model.position = position;
  const auto read = ReadGeometry(model);
  EXPECT_TRUE(read.ok()) << read.message().text();
  model.load_case = EmptyLoadCase(model.geometry, 1);
  return model;
}

common::LineLoadRecord WholeLoad(const Geometry& geometry, int e, char direction, float a, float b) {
  return WholeElementLoad(geometry.elements[e], e, direction, a, b);
}

std::string ReadText(const std::string& path) {
  auto data = plat::ReadWholeFile(path);
  if (!data) return {};
  return std::string(reinterpret_cast<const char*>(data->data()), data->size());
}

common::LoadCaseDiary DiaryOf(std::initializer_list<int> numbers) {
  common::LoadCaseDiary diary;
  int k = 0;
  for (int n : numbers) diary.set_load_case(++k, static_cast<std::int16_t>(n));
  diary.set_count(static_cast<std::int16_t>(k));
  return diary;
}

}  // namespace pundf::testing
