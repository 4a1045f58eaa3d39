#include "graphics/tests/picture_room.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "graphics/app/picture_click.h"
#include "platform/dc/recording_dc.h"

namespace revuzavi::testing {
namespace {

// A diagram line width no other pen of a picture has.
constexpr int kMeasuredWidth = 300;

struct Box {
  int left, top, right, bottom;
};

std::optional<Box> TextBoxOf(const plat::DeviceOp& t) {
  const int x = t.origin.x, y = t.origin.y, w = t.text_width;
  switch (t.font.escapement) {
    case 0: return Box{x, y - t.ascent, x + w, y + t.descent};
    case 900: return Box{x - t.ascent, y - w, x + t.descent, y};
    case -900:
    case 2700: return Box{x - t.descent, y, x + t.ascent, y + w};
    default: return std::nullopt;
  }
}

double DistanceToSegment(double px, double py, plat::Point a, plat::Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0.0 ? ((px - a.x) * dx + (py - a.y) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(px - (a.x + t * dx), py - (a.y + t * dy));
}

}  // namespace

PictureRoom MeasureRoom(CGRAPHView& view, ViewerSession& session, int width, int height) {
  const int kept = session.state.second_line_width;
  session.state.second_line_width = kMeasuredWidth;
  plat::RecordingDc dc;
  view.DrawOn(dc, width, height);
  session.state.second_line_width = kept;

  PictureRoom room;
  room.width = width;
  room.height = height;
  std::vector<std::pair<plat::Point, plat::Point>> axes;
  for (int e = 1; e <= session.state.elements.count(); ++e) {
    const common::ElementRecord& el = session.state.elements[e];
    axes.emplace_back(WorldToClient(session, WorldPoint{el.xa(), el.za()}),
                      WorldToClient(session, WorldPoint{el.xb(), el.zb()}));
  }
  const std::vector<plat::DeviceOp>& ops = dc.ops();
  for (const plat::DeviceOp& op : ops) {
    if (op.kind != plat::DeviceOp::Kind::kPolyline || op.pen.width < 2 || op.pen.color != plat::Rgb(0, 0, 0)) continue;
    for (const plat::Point& p : op.points) {
      ++room.curve_points;
      if (p.x < 0 || p.x > width || p.y < 0 || p.y > height) {
        room.curve_outside.push_back(std::to_string(p.x) + "," + std::to_string(p.y));
      }
      double nearest = 1e300;
      for (const auto& [a, b] : axes) nearest = std::min(nearest, DistanceToSegment(p.x, p.y, a, b));
      room.largest_ordinate = std::max(room.largest_ordinate, nearest);
    }
  }
  // The labels: every text but the title line, which the window draws last.
  const plat::DeviceOp* title = nullptr;
  for (const plat::DeviceOp& op : ops) {
    if (op.kind == plat::DeviceOp::Kind::kText) title = &op;
  }
  for (const plat::DeviceOp& op : ops) {
    if (op.kind != plat::DeviceOp::Kind::kText || op.text.empty() || &op == title) continue;
    const std::optional<Box> box = TextBoxOf(op);
    if (box && (box->left < 0 || box->top < 0 || box->right > width || box->bottom > height)) {
      room.texts_outside.push_back(op.text);
    }
  }
  room.overlapping = OverlappingTexts(ops, title);
  return room;
}

std::vector<std::string> OverlappingTexts(const std::vector<plat::DeviceOp>& ops, const plat::DeviceOp* except) {
  std::vector<std::pair<const plat::DeviceOp*, Box>> texts;
  for (const plat::DeviceOp& op : ops) {
    if (op.kind != plat::DeviceOp::Kind::kText || op.text.empty() || &op == except) continue;
    if (const std::optional<Box> box = TextBoxOf(op)) texts.emplace_back(&op, *box);
  }
  std::vector<std::string> pairs;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    for (std::size_t j = i + 1; j < texts.size(); ++j) {
      const Box& a = texts[i].second;
      const Box& b = texts[j].second;
      if (a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom) {
        pairs.push_back(texts[i].first->text + " / " + texts[j].first->text);
      }
    }
  }
  return pairs;
}

bool CurveReads(CGRAPHView& view, ViewerSession& session) {
  plat::Rect client;
  view.GetClientRect(&client);
  const PictureRoom room = MeasureRoom(view, session, client.Width(), client.Height());
  return room.curve_points > 0 && room.curve_outside.empty() &&
         room.largest_ordinate >= std::min(client.Width(), client.Height()) / 20.0;
}

}  // namespace revuzavi::testing
