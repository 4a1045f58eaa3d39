#include "loads/picture/labels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/dc/mapping.h"

namespace pundf::picture {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kLabelHeight = 80;

bool Near(double angle, double target) { return std::fabs(angle - target) < 0.1; }

// The text at its placement in the font selected now, drawn by DrawTexts over every line and fill
// of the picture.
void DrawPlaced(Picture& picture, const TextPlacement& placement, std::string_view text) {
  picture.texts.push_back(PendingText{picture.dc.GetCurrentFont(), placement.start, std::string(text)});
}

// The placement of a text in `font` centred on the world point.
TextPlacement PlaceAt(Picture& picture, std::string_view text, double x, double z, const plat::Font& font) {
  picture.dc.SelectFont(font);
  return PlaceText(picture.dc, plat::PointD{picture.scale * x, picture.scale * z}, text, font.escapement);
}

// Whether two turned boxes (device corners, in order around each box) meet: no
// side of either separates them.
bool BoxesMeet(const std::array<plat::Point, 4>& a, const std::array<plat::Point, 4>& b) {
  for (const auto* box : {&a, &b}) {
    for (std::size_t i = 0; i < 4; ++i) {
      const plat::Point p = (*box)[i], q = (*box)[(i + 1) % 4];
      const double nx = -(q.y - p.y), ny = q.x - p.x;
      double a_min = 1e300, a_max = -1e300, b_min = 1e300, b_max = -1e300;
      for (const plat::Point& c : a) {
        const double v = nx * c.x + ny * c.y;
        a_min = std::min(a_min, v);
        a_max = std::max(a_max, v);
      }
      for (const plat::Point& c : b) {
        const double v = nx * c.x + ny * c.y;
        b_min = std::min(b_min, v);
        b_max = std::max(b_max, v);
      }
      if (a_max <= b_min || b_max <= a_min) return false;
    }
  }
  return true;
}

bool BoundsMeet(const plat::Rect& a, const plat::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool MeetsDrawn(const LabelMemory& labels, const TextPlacement& placement) {
  return std::any_of(labels.text_boxes.begin(), labels.text_boxes.end(), [&](const TextBox& drawn) {
    return BoundsMeet(drawn.bounds, placement.bounds) && BoxesMeet(drawn.corners, placement.corners);
  });
}

// The placement of a text in the selected font centred on the logical point, moved across its
// baseline, away from the texts drawn before, to the first place where it meets none; that place
// is kept for the texts after it.
TextPlacement FreePlacement(Picture& picture, plat::PointD centre, std::string_view text, int escapement) {
  plat::Dc& dc = picture.dc;
  TextPlacement placement = PlaceText(dc, centre, text, escapement);
  if (MeetsDrawn(picture.labels, placement)) {
    const plat::TextMetrics tm = dc.GetTextMetrics();
    const double step = dc.mapping().DeviceLengthY(tm.ascent + tm.descent) + 2.0;
    const double turn = escapement * kPi / 1800.0;
    const plat::PointD c = dc.LogicalToDevice(centre);
    for (int k = 1; k <= kMostTextShifts; ++k) {
      // Towards the text's ascent: up for a level text.
      const plat::PointD moved{c.x - k * step * std::sin(turn), c.y - k * step * std::cos(turn)};
      const TextPlacement there = PlaceText(dc, dc.DeviceToLogical(moved), text, escapement);
      if (!MeetsDrawn(picture.labels, there)) {
        placement = there;
        break;
      }
    }
  }
  picture.labels.text_boxes.push_back(TextBox{placement.corners, placement.bounds});
  return placement;
}

// A text in `font` centred on the world point, clear of the texts drawn before.
TextPlacement DrawFree(Picture& picture, std::string_view text, double x, double z, const plat::Font& font) {
  picture.dc.SelectFont(font);
  const TextPlacement placement =
      FreePlacement(picture, plat::PointD{picture.scale * x, picture.scale * z}, text, font.escapement);
  DrawPlaced(picture, placement, text);
  return placement;
}

bool MeetsPlaced(const LabelMemory& labels, const plat::Rect& r) {
  return std::any_of(labels.placed_rects.begin(), labels.placed_rects.end(),
                     [&](const plat::Rect& kept) { return !plat::IntersectRects(kept, r).IsEmpty(); });
}

}  // namespace

double SegmentAngle(double dx, double dy) {
  if (std::fabs(dx) >= 0.01 && std::fabs(dy) >= 0.01) return std::atan2(dy, dx);
  return std::fabs(dx) < std::fabs(dy) ? kPi / 2 : 0.0;
}

double FoldedAngle(double angle) {
  if (angle > 0.99 * kPi) angle -= kPi;
  if (angle > kPi / 2) angle -= kPi;
  if (angle < -kPi / 2) angle += kPi;
  return angle;
}

int Escapement(double angle) {
  return std::isfinite(angle) ? static_cast<int>(std::lround(-angle * 1800.0 / kPi)) : 0;
}

plat::Font TextFont(double height, double angle) {
  plat::Font font;
  font.face = "ARIAL";
  font.height = std::isfinite(height) ? std::clamp(static_cast<int>(std::lround(height)), 1, 1000000) : kLabelHeight;
  font.escapement = Escapement(angle);
  font.orientation = font.escapement;
  return font;
}

plat::Font LabelFont(const Picture& picture, double angle) {
  double height = kLabelHeight;
  if (!picture.dc.IsPrinting()) {
    height = std::max(height, std::ceil(picture.dc.mapping().LogicalLengthY(kLeastTextPixels)));
  }
  return TextFont(height * picture.view.text_size, angle);
}

plat::PointD LabelCentre(int scale, double x, double z, double angle, int offset) {
  plat::PointD c{scale * x, scale * z};
  if (offset == 0 || Near(angle, 0) || Near(angle, kPi) || Near(angle, -kPi)) return c;
  c.x += offset;
  const bool upright = Near(angle, kPi / 2) || Near(angle, -kPi / 2) || Near(angle, 1.5 * kPi) ||
                       Near(angle, -1.5 * kPi);
  if (!upright) c.y += offset;
  return c;
}

TextPlacement PlaceText(plat::Dc& dc, plat::PointD centre, std::string_view text, int escapement) {
  const plat::Mapping& m = dc.mapping();
  const plat::Size extent = dc.GetTextExtent(text);
  const plat::TextMetrics tm = dc.GetTextMetrics();
  const double width = m.DeviceLengthX(extent.cx);
  const double ascent = m.DeviceLengthY(tm.ascent);
  const double descent = m.DeviceLengthY(tm.descent);
  // Along the baseline (u) and towards the ascent (n) on the device, y down.
  const double turn = escapement * kPi / 1800.0;
  const double ux = std::cos(turn), uy = -std::sin(turn);
  const double nx = -std::sin(turn), ny = -std::cos(turn);
  const plat::PointD c = dc.LogicalToDevice(centre);
  const double lift = 0.5 * (ascent - descent);
  const plat::PointD start{c.x - 0.5 * width * ux - lift * nx, c.y - 0.5 * width * uy - lift * ny};
  auto device = [&](double along, double up) {
    return plat::Point{plat::RoundCoordinate(start.x + along * ux + up * nx),
                       plat::RoundCoordinate(start.y + along * uy + up * ny)};
  };
  TextPlacement p;
  p.corners = {device(0, -descent), device(width, -descent), device(width, ascent), device(0, ascent)};
  const plat::PointD logical_start = dc.DeviceToLogical(start);
  p.start = {plat::RoundCoordinate(logical_start.x), plat::RoundCoordinate(logical_start.y)};
  auto [min_x, max_x] = std::minmax({p.corners[0].x, p.corners[1].x, p.corners[2].x, p.corners[3].x});
  auto [min_y, max_y] = std::minmax({p.corners[0].y, p.corners[1].y, p.corners[2].y, p.corners[3].y});
  p.bounds = {min_x, min_y, max_x, max_y};
  return p;
}

void DrawLoadLabel(Picture& picture, int kind, int index, double x, double z, double angle, std::string_view text) {
  picture.dc.SelectFont(LabelFont(picture, angle));
  const plat::PointD centre = LabelCentre(picture.scale, x, z, angle, picture.view.label_offset);
  const TextPlacement placement = FreePlacement(picture, centre, text, Escapement(angle));
  DrawPlaced(picture, placement, text);
  auto& boxes = picture.labels.boxes;
  if (static_cast<int>(boxes.size()) < LabelMemory::kMaxBoxes) boxes.push_back({kind, index, placement.corners});
}

void DrawTexts(Picture& picture) {
  plat::Dc& dc = picture.dc;
  dc.SetBkMode(plat::TRANSPARENT);
  dc.SetTextAlign(plat::TA_LEFT | plat::TA_BASELINE);
  for (const PendingText& t : picture.texts) {
    dc.SelectFont(t.font);
    dc.TextOut(t.start.x, t.start.y, t.text);
  }
  picture.texts.clear();
}

void DrawTurnedText(Picture& picture, std::string_view text, double x, double z, const plat::Font& font) {
  DrawFree(picture, text, x, z, font);
}

void DrawPointText(Picture& picture, std::string_view text, double x, double z, double angle) {
  if (static_cast<int>(picture.labels.placed_rects.size()) >= LabelMemory::kMaxPlacedRects) return;
  DrawFree(picture, text, x, z, LabelFont(picture, angle));
}

void DrawBoxedText(Picture& picture, std::string_view text, double x, double z, double angle) {
  auto& placed = picture.labels.placed_rects;
  if (static_cast<int>(placed.size()) >= LabelMemory::kMaxPlacedRects) return;
  const TextPlacement placement = PlaceAt(picture, text, x, z, LabelFont(picture, angle));
  if (MeetsPlaced(picture.labels, placement.bounds)) return;
  placed.push_back(placement.bounds);
  picture.labels.text_boxes.push_back(TextBox{placement.corners, placement.bounds});
  DrawPlaced(picture, placement, text);
}

}  // namespace pundf::picture
