// The frame picture of the geometry editor (Zeichnen) redrawn into a 1920 x
// 1080 bitmap through the painter, for the two largest frames the limits
// allow: a storey frame of 20 storeys of 3 piers (100 elements) and 100
// separate clamped bars (200 nodes). The target is at most 16 ms a picture.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "common/position/model_defaults.h"
#include "geometry/editor/frame_drawing.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/model/ordinary_element.h"
#include "platform/application.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"

namespace {

kelmf::FrameModel Frame(const std::vector<common::ElementRecord>& bars) {
  kelmf::FrameModel model;
  common::ResetFrameParams(model.params);
  model.params.set_vertical_sign(-1);
  model.materials.Append(common::DefaultMaterial());
  model.cross_sections.Append(common::DefaultCrossSection());
  for (const common::ElementRecord& e : bars) model.elements.Append(e);
  model.params.set_element_count(static_cast<std::int16_t>(model.elements.count()));
  if (!kelmf::RebuildTopology(model).ok()) std::abort();
  // The feet at z = 0 clamped.
  for (common::NodeRecord& node : model.nodes.used()) {
    if (node.z() != 0.0f) continue;
    for (int d = 1; d <= 3; ++d) {
      node.set_support_flag(d, 1);
      node.set_support(d, 1.0f);
    }
  }
  model.extents = kelmf::ElementExtents(model);
  return model;
}

// 20 storeys of 3 piers 5 m apart and 3 m high, the pier tops of each level joined by beams.
kelmf::FrameModel StoreyFrame() {
  std::vector<common::ElementRecord> bars;
  for (int s = 0; s < 20; ++s) {
    const float z = 3.0f * static_cast<float>(s);
    for (int p = 0; p < 3; ++p) bars.push_back(kelmf::OrdinaryElement(5.0f * p, z, 5.0f * p, z + 3.0f));
    for (int p = 0; p < 2; ++p) bars.push_back(kelmf::OrdinaryElement(5.0f * p, z + 3.0f, 5.0f * (p + 1), z + 3.0f));
  }
  return Frame(bars);
}

// 100 separate bars of 4 m, 2 m apart.
kelmf::FrameModel ClampedBars() {
  std::vector<common::ElementRecord> bars;
  for (int c = 0; c < 100; ++c) bars.push_back(kelmf::OrdinaryElement(2.0f * c, 0.0f, 2.0f * c, 4.0f));
  return Frame(bars);
}

void Redraw(benchmark::State& state, kelmf::FrameModel model) {
  kelmf::ViewState view;
  kelmf::PenSet pens;
  plat::Bitmap bitmap(1920, 1080);
  const plat::Rect client{0, 0, 1920, 1080};
  for (auto _ : state) {
    bitmap.Fill(plat::Rgb(255, 255, 255));
    plat::PainterDc dc(bitmap);
    if (!kelmf::Zeichnen(dc, model, view, pens, kelmf::DrawAreaOf(dc, client))) std::abort();
  }
  state.counters["labels"] = static_cast<double>(view.label_rects.size());
}

void BM_StoreyFrame20x3(benchmark::State& state) { Redraw(state, StoreyFrame()); }
void BM_ClampedBars100(benchmark::State& state) { Redraw(state, ClampedBars()); }

BENCHMARK(BM_StoreyFrame20x3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClampedBars100)->Unit(benchmark::kMillisecond);

}  // namespace
