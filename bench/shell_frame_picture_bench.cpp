// A full paint of the shell's frame picture on a 1920 x 1080 image: a
// zig-zag of 100 elements over 101 supported nodes, every element end hinged,
// every other node a joint of mixed ends. Target: under 16 ms per paint.
#include <benchmark/benchmark.h>

#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "shell/view/frame_picture.h"

namespace {

constexpr int kElements = 100;

quentaris::FrameData ZigZag() {
  quentaris::FrameData frame;
  frame.params_read = true;
  frame.extents = common::DrawingExtents::Box(0, 0, 2.0f * kElements, 6);
  frame.units_per_metre = quentaris::UnitsPerMetre(frame.extents);
  frame.nodes.SetCount(kElements + 1);
  for (int k = 1; k <= kElements + 1; ++k) {
    common::NodeRecord& n = frame.nodes[k];
    n.set_x(2.0f * (k - 1));
    n.set_z(k % 2 == 0 ? 6.0f : 0.0f);
    n.set_support_flag(1, 1);
    n.set_support(1, 1.0f);
    n.set_support(3, k % 3 == 0 ? 1.0f : 0.0f);
    n.set_mixed_hinges(k % 2 == 0 ? 1 : 0);
  }
  frame.elements.SetCount(kElements);
  for (int k = 1; k <= kElements; ++k) {
    common::ElementRecord& e = frame.elements[k];
    const common::NodeRecord& a = frame.nodes[k];
    const common::NodeRecord& b = frame.nodes[k + 1];
    e.set_xa(a.x());
    e.set_za(a.z());
    e.set_xb(b.x());
    e.set_zb(b.z());
    e.set_node_a(static_cast<std::int16_t>(k));
    e.set_node_b(static_cast<std::int16_t>(k + 1));
    e.set_hinge_a(1);
    e.set_hinge_b(1);
    frame.nodes[k].set_end_count(2);
    frame.nodes[k].set_element(1, static_cast<std::int16_t>(k));
  }
  return frame;
}

void BM_PaintShellFramePicture(benchmark::State& state) {
  const quentaris::FrameData frame = ZigZag();
  plat::Bitmap image(1920, 1080);
  for (auto _ : state) {
    // The background is erased before a paint, outside the drawing.
    state.PauseTiming();
    image.Fill(plat::Rgb(255, 255, 255));
    state.ResumeTiming();
    plat::PainterDc dc(image);
    quentaris::FramePictureOptions options;
    options.room = common::PictureRoomOf(dc, plat::Rect{0, 0, 1920, 1080});
    benchmark::DoNotOptimize(quentaris::DrawFramePicture(frame, options, dc));
  }
}
BENCHMARK(BM_PaintShellFramePicture)->Unit(benchmark::kMillisecond);

}  // namespace
