#include "Zelko1/tests/recorded_page.h"

#include <utility>

namespace zevril::testing {

plat::DeviceCaps A4Caps(bool landscape) {
  plat::DeviceCaps caps;
  caps.horz_res = 4958;
  caps.vert_res = 7017;
  caps.horz_size = 210;
  caps.vert_size = 297;
  if (landscape) {
    std::swap(caps.horz_res, caps.vert_res);
    std::swap(caps.horz_size, caps.vert_size);
  }
  caps.log_pixels_x = 600;
  caps.log_pixels_y = 600;
  caps.technology = plat::DT_RASPRINTER;
  return caps;
}

std::vector<Segment> Segments(const plat::RecordingDc& dc) {
  std::vector<Segment> segments;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind != plat::DeviceOp::Kind::kPolyline) continue;
    for (std::size_t i = 1; i < op.points.size(); ++i) {
      plat::Point a = op.points[i - 1];
      plat::Point b = op.points[i];
      if (b.y < a.y || (b.y == a.y && b.x < a.x)) std::swap(a, b);
      segments.push_back({a.x, a.y, b.x, b.y});
    }
  }
  return segments;
}

std::vector<PlacedText> Texts(const plat::RecordingDc& dc) {
  std::vector<PlacedText> texts;
  for (const plat::DeviceOp& op : dc.ops()) {
    if (op.kind != plat::DeviceOp::Kind::kText) continue;
    texts.push_back({op.text, op.origin.x, op.origin.y - op.ascent, op.ascent + op.descent});
  }
  return texts;
}

std::vector<PlacedText> TextsStartingWith(const plat::RecordingDc& dc, const std::string& prefix) {
  std::vector<PlacedText> found;
  for (PlacedText& t : Texts(dc)) {
    if (t.text.rfind(prefix, 0) == 0) found.push_back(std::move(t));
  }
  return found;
}

}  // namespace zevril::testing
