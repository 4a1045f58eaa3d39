// A full redraw of the largest load picture the limits allow, on a 1920 x 1080 image: a 20-storey
// frame of two bays (100 elements, 63 nodes) with 100 line loads, 100 point loads, temperatures,
// settlements at its 3 supports, 100 prestress entries, element and node numbers. Target: under
// 16 ms per redraw.
#include <benchmark/benchmark.h>

#include <cmath>

#include "common/position/extents_file.h"
#include "loads/model/load_model.h"
#include "loads/model/point_load_values.h"
#include "loads/model/whole_element_load.h"
#include "loads/picture/draw_load_case.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"

namespace {

constexpr int kStoreys = 20;
constexpr int kPiers = 3;
constexpr float kBay = 6.0f;
constexpr float kStorey = 3.5f;

int NodeAt(int level, int pier) { return level * kPiers + pier + 1; }

void AddElement(pundf::Geometry& g, int a, int b) {
  const common::NodeRecord& na = g.nodes[a];
  const common::NodeRecord& nb = g.nodes[b];
  common::ElementRecord e;
  e.set_xa(na.x());
  e.set_ya(na.y());
  e.set_za(na.z());
  e.set_xb(nb.x());
  e.set_yb(nb.y());
  e.set_zb(nb.z());
  const float dx = nb.x() - na.x(), dy = nb.y() - na.y();
  const float l = std::hypot(dx, dy);
  e.set_length(l);
  e.set_cosine(dx / l);
  e.set_sine(dy / l);
  e.set_node_a(static_cast<std::int16_t>(a));
  e.set_node_b(static_cast<std::int16_t>(b));
  g.elements.Append(e);
}

pundf::LoadModel StoreyFrame() {
  pundf::LoadModel model;
  pundf::Geometry& g = model.geometry;
  g.params.set_vertical_sign(-1);
  for (int level = 0; level <= kStoreys; ++level) {
    for (int pier = 0; pier < kPiers; ++pier) {
      common::NodeRecord n;
      n.set_x(pier * kBay);
      n.set_z(level * kStorey);
      n.set_y(-n.z());
      n.set_number(static_cast<std::int16_t>(NodeAt(level, pier)));
      if (level == 0) {
        for (int d = 1; d <= 3; ++d) {
          n.set_support_flag(d, 1);
          n.set_support(d, 1.0f);
        }
        n.set_first_element(static_cast<std::int16_t>(pier + 1));
      }
      g.nodes.Append(n);
    }
  }
  for (int storey = 0; storey < kStoreys; ++storey) {
    for (int pier = 0; pier < kPiers; ++pier) AddElement(g, NodeAt(storey, pier), NodeAt(storey + 1, pier));
    for (int pier = 0; pier + 1 < kPiers; ++pier) AddElement(g, NodeAt(storey + 1, pier), NodeAt(storey + 1, pier + 1));
  }
  g.extents = common::DrawingExtents::Box(0, 0, (kPiers - 1) * kBay, kStoreys * kStorey);
  g.drawing_step = common::DrawingStep(g.extents);

  model.load_case = pundf::EmptyLoadCase(g, 1);
  pundf::LoadCase& lc = model.load_case;
  for (int e = 1; e <= g.element_count(); ++e) {
    const char direction = "XYNT"[e % 4];
    lc.line_loads.Append(pundf::WholeElementLoad(g.elements[e], e, direction, 2.0f + e % 3, 5.0f - e % 2));
    lc.temperatures[e].set_uniform_t(20.0f);
    lc.temperatures[e].set_delta_t(5.0f);
    lc.temperatures[e].set_loaded(1);
    common::PrestressEntry p;
    p.set_element(e);
    p.set_force(500.0f + e);
    lc.prestress.Append(p);
  }
  for (int k = 1; k <= 100; ++k) {
    const int node = 4 + (k - 1) % (g.node_count() - 3);
    common::PointLoadRecord p;
    p.set_kind(static_cast<std::uint8_t>(k % 5 == 3 ? 4 : k % 5));
    p.set_node(static_cast<std::int16_t>(node));
    p.set_x(g.nodes[node].x());
    p.set_y(g.nodes[node].y());
    p.set_z(g.nodes[node].z());
    pundf::SetPointLoadValue(p, 5.0f + k % 7, "XYNT"[k % 4], 1.0f, 0.0f);
    lc.point_loads.Append(p);
  }
  lc.params.set_temperature_flag(1);
  lc.params.set_prestress_flag(1);
  lc.params.set_prestress_count(static_cast<std::int16_t>(lc.prestress.count()));
  lc.params.set_settlement_flag(1);
  for (int pier = 0; pier < kPiers; ++pier) {
    common::NodeRefRecord s;
    s.set_node(static_cast<std::int16_t>(NodeAt(0, pier)));
    s.set_settlement(1, 0.002f);
    s.set_settlement(2, -0.01f);
    s.set_settlement(3, 0.001f);
    s.set_settled(1);
    lc.settlements.Append(s);
  }
  return model;
}

void BM_DrawLargestLoadPicture(benchmark::State& state) {
  pundf::LoadModel model = StoreyFrame();
  pundf::picture::PictureView view;
  view.drawing_rect = {96, 54, 1824, 1026};
  view.element_numbers = true;
  view.node_numbers = true;
  plat::Bitmap image(1920, 1080);
  for (auto _ : state) {
    // The background is erased before a paint, outside the drawing.
    state.PauseTiming();
    image.Fill(plat::Rgb(255, 255, 255));
    state.ResumeTiming();
    plat::PainterDc dc(image);
    benchmark::DoNotOptimize(pundf::picture::DrawLoadCase(model, view, model.editor.labels, dc));
  }
}
BENCHMARK(BM_DrawLargestLoadPicture)->Unit(benchmark::kMillisecond);

}  // namespace
