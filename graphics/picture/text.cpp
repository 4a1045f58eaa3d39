#include "graphics/picture/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>

#include "common/rotated_font.h"

namespace revuzavi {
namespace {

constexpr int kTextHeight = 80;
constexpr double kPi = std::numbers::pi;

plat::ColorRef KindColour(int kind) {
  switch (kind) {
    case kBlueText: return plat::Rgb(0, 0, 200);
    case kRedText: return plat::Rgb(200, 0, 0);
    case kGreenText: return plat::Rgb(0, 200, 0);
    default: return plat::Rgb(0, 0, 0);
  }
}

// How a text sits around its point, in device pixels along and across the
// text (across: towards the glyphs' feet).
struct TextShift {
  double along = 0.0;
  double across = 0.0;
};

struct PlacedText {
  plat::Point reference;  // logical, start of the baseline
  std::array<plat::Point, 4> corners{};
};

// Places a text of the selected font whose reference (baseline start) lies at
// the logical point moved back by the shift.
PlacedText Place(plat::Dc& dc, plat::Point at, std::string_view text, int escapement, const TextShift& shift) {
  const plat::Size extent = dc.GetTextExtent(text);
  const plat::PointD o = dc.LogicalToDevice(plat::PointD{0.0, 0.0});
  const plat::PointD e = dc.LogicalToDevice(plat::PointD{double(extent.cx), double(extent.cy)});
  const double width = std::fabs(e.x - o.x), height = std::fabs(e.y - o.y);
  const double turn = escapement / 1800.0 * kPi;
  const double ax = std::cos(turn), ay = -std::sin(turn);  // along the baseline, device
  const double dx = std::sin(turn), dy = std::cos(turn);   // towards the feet, device
  const plat::PointD p = dc.LogicalToDevice(plat::PointD{double(at.x), double(at.y)});
  const double along = shift.along * width, across = shift.across * height;
  const plat::PointD ref{p.x - ax * along + dx * across, p.y - ay * along + dy * across};
  auto logical = [&](double x, double y) {
    const plat::PointD l = dc.DeviceToLogical(plat::PointD{x, y});
    return plat::Point{static_cast<int>(std::lround(l.x)), static_cast<int>(std::lround(l.y))};
  };
  PlacedText placed;
  placed.reference = logical(ref.x, ref.y);
  placed.corners = {logical(ref.x, ref.y), logical(ref.x + ax * width, ref.y + ay * width),
                    logical(ref.x + ax * width - dx * height, ref.y + ay * width - dy * height),
                    logical(ref.x - dx * height, ref.y - dy * height)};
  return placed;
}

bool TextsOff(const Canvas& c) { return c.viewer.text_scale == 0.0f && !c.view.force_texts; }

// The device box of a text of the selected font whose baseline starts at logical `reference`.
struct DeviceBox {
  double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
  // Overlapping by more than a pixel's rounding.
  bool Meets(const plat::Rect& r) const {
    return left < r.right - 1 && r.left + 1 < right && top < r.bottom - 1 && r.top + 1 < bottom;
  }
  plat::Rect Whole() const {
    return plat::Rect{static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
                      static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom))};
  }
};

DeviceBox TextBoxOnDevice(plat::Dc& dc, plat::Point reference, std::string_view text, int escapement) {
  const plat::Size extent = dc.GetTextExtent(text);
  const plat::TextMetrics metrics = dc.GetTextMetrics();
  const plat::PointD o = dc.LogicalToDevice(plat::PointD{0.0, 0.0});
  const auto device = [&](double v) { return std::fabs(dc.LogicalToDevice(plat::PointD{v, 0.0}).x - o.x); };
  const double width = device(extent.cx), ascent = device(metrics.ascent), descent = device(metrics.descent);
  const double turn = escapement / 1800.0 * kPi;
  const double ax = std::cos(turn), ay = -std::sin(turn);  // along the baseline
  const double dx = std::sin(turn), dy = std::cos(turn);   // towards the feet
  const plat::PointD r = dc.LogicalToDevice(plat::PointD{double(reference.x), double(reference.y)});
  DeviceBox box{1e300, 1e300, -1e300, -1e300};
  for (const double along : {0.0, width}) {
    for (const double across : {-ascent, descent}) {
      const double x = r.x + ax * along + dx * across, y = r.y + ay * along + dy * across;
      box = DeviceBox{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
    }
  }
  return box;
}

// The box moved by (mx, my) and then into the window as far as it fits.
DeviceBox MovedInside(const DeviceBox& b, double mx, double my, const plat::Rect& w) {
  DeviceBox m{b.left + mx, b.top + my, b.right + mx, b.bottom + my};
  const auto into = [](double low, double high, double from, double to) {
    if (low < from) return from - low;
    if (high > to) return std::max(to - high, from - low);
    return 0.0;
  };
  const double sx = into(m.left, m.right, w.left, w.right), sy = into(m.top, m.bottom, w.top, w.bottom);
  return DeviceBox{m.left + sx, m.top + sy, m.right + sx, m.bottom + sy};
}

// In a composed picture, a text goes where it lies inside the window and off the texts drawn
// before it: its own place, else the nearest one a line (or more) across its direction. Returns
// the logical move of its reference point; the place taken is kept for the texts after it.
plat::Point KeepTextClear(Canvas& c, plat::Point reference, std::string_view text, int escapement) {
  const plat::Rect& w = c.picture.window;
  if (w.IsEmpty() || text.empty()) return plat::Point{0, 0};
  plat::Dc& dc = c.dc;
  const DeviceBox box = TextBoxOnDevice(dc, reference, text, escapement);
  const double turn = escapement / 1800.0 * kPi;
  const double step = std::fabs(std::sin(turn)) < 0.5 ? box.bottom - box.top : box.right - box.left;
  const double dx = std::sin(turn), dy = std::cos(turn);  // across the text
  constexpr int kTries = 8;
  DeviceBox chosen = MovedInside(box, 0.0, 0.0, w);
  for (int k = 0; k <= 2 * kTries; ++k) {
    const double lines = k == 0 ? 0.0 : (k % 2 == 1 ? -1.0 : 1.0) * ((k + 1) / 2);
    const DeviceBox tried = MovedInside(box, dx * lines * (step + 1.0), dy * lines * (step + 1.0), w);
    const bool free = std::none_of(c.picture.text_rects.begin(), c.picture.text_rects.end(),
                                   [&](const plat::Rect& r) { return tried.Meets(r); });
    if (free) {
      chosen = tried;
      break;
    }
  }
  c.picture.text_rects.push_back(chosen.Whole());
  const plat::PointD from = dc.DeviceToLogical(plat::PointD{box.left, box.top});
  const plat::PointD to = dc.DeviceToLogical(plat::PointD{chosen.left, chosen.top});
  return plat::Point{static_cast<int>(std::lround(to.x - from.x)), static_cast<int>(std::lround(to.y - from.y))};
}

void Shift(PlacedText& placed, plat::Point by) {
  placed.reference = plat::Point{placed.reference.x + by.x, placed.reference.y + by.y};
  for (plat::Point& p : placed.corners) p = plat::Point{p.x + by.x, p.y + by.y};
}

double AngleDistance(double angle, double to) { return std::fabs(angle - to); }

bool Near(double angle, std::initializer_list<double> targets) {
  for (double t : targets) {
    if (AngleDistance(angle, t) <= 0.1) return true;
  }
  return false;
}

}  // namespace

plat::Font MakeRotatedFont(plat::Dc& dc, std::string_view face, int height, int width, int style, int escapement,
                           bool logical_pixels) {
  common::RotatedFontRequest request;
  request.face = std::string(face);
  request.size = height;
  request.width = width;
  request.style = style;
  request.angle = escapement;
  request.logical_pixels = logical_pixels;
  return common::CreateRotatedFont(dc, request);
}

int EscapementOf(double angle) { return static_cast<int>(-angle / (2.0 * kPi) * 3600.0); }

void DrawValueText(Canvas& c, double x, double y, std::string_view text, int kind, double height_factor,
                   double angle, int tag, int kind_word) {
  if (c.picture.held_texts != nullptr) {
    c.picture.held_texts->push_back([&c, x, y, t = std::string(text), kind, height_factor, angle, tag, kind_word] {
      DrawValueText(c, x, y, t, kind, height_factor, angle, tag, kind_word);
    });
    return;
  }
  if (TextsOff(c)) return;
  plat::Dc& dc = c.dc;
  const int escapement = EscapementOf(angle);
  const int height = static_cast<int>(c.viewer.text_scale * kTextHeight * height_factor);
  const plat::Font previous = dc.SelectFont(MakeRotatedFont(dc, "ARIAL", height, 0, 0, escapement, true));
  const int mode = dc.SetBkMode(plat::TRANSPARENT);
  const unsigned align = dc.SetTextAlign(plat::TA_LEFT | plat::TA_BASELINE);
  const plat::ColorRef colour = dc.SetTextColor(KindColour(kind));
  PlacedText placed = Place(dc, plat::Point{c.Logical(x), c.Logical(y)}, text, escapement, {0.5, 0.0});
  Shift(placed, KeepTextClear(c, placed.reference, text, escapement));
  dc.TextOut(placed.reference.x, placed.reference.y, text);
  if (kind_word != 0) {
    TextBox box;
    box.corners = placed.corners;
    box.kind = kind_word;
    box.tag = tag;
    c.picture.text_boxes.Add(box);
  }
  dc.SetTextColor(colour);
  dc.SetTextAlign(align);
  dc.SetBkMode(mode);
  dc.SelectFont(previous);
}

TextsOnTop::TextsOnTop(Canvas& c) : c_(c), outer_(c.picture.held_texts) { c_.picture.held_texts = &held_; }

TextsOnTop::~TextsOnTop() {
  c_.picture.held_texts = outer_;
  for (const std::function<void()>& draw : held_) draw();
}

void DrawRotatedText(Canvas& c, double x, double y, std::string_view text, int kind, double angle, int tag,
                     int kind_word, bool centred) {
  if (c.picture.held_texts != nullptr) {
    c.picture.held_texts->push_back([&c, x, y, t = std::string(text), kind, angle, tag, kind_word, centred] {
      DrawRotatedText(c, x, y, t, kind, angle, tag, kind_word, centred);
    });
    return;
  }
  if (c.viewer.text_scale == 0.0f) return;
  plat::Dc& dc = c.dc;
  const int escapement = EscapementOf(angle);
  const int height = static_cast<int>(c.viewer.text_scale * kTextHeight);
  const plat::Font previous = dc.SelectFont(MakeRotatedFont(dc, "ARIAL", height, 0, 0, escapement, true));
  // Labels of kinds 1, 2 and 4 cover what lies under them; other kinds are
  // transparent and the only ones moved across their direction.
  const bool plain = kind != 1 && kind != kGreenText && kind != kRedText;
  const int mode = dc.SetBkMode(plain ? plat::TRANSPARENT : plat::OPAQUE);
  const unsigned align = dc.SetTextAlign(plat::TA_LEFT | plat::TA_BASELINE);
  const plat::ColorRef colour = dc.SetTextColor(KindColour(kind == kBlueText ? 0 : kind));
  TextShift shift;
  if (centred) {
    const int o = c.view.label_offset;
    if (o == 0) {
      shift = {0.5, 0.5};
    } else {
      // The offset in pixels of the text's height.
      const plat::Size extent = dc.GetTextExtent(text);
      const double across = extent.cy != 0 ? double(o) / extent.cy : 0.0;
      const double along = extent.cx != 0 ? double(o) / extent.cx : 0.0;
      if (Near(angle, {0.0, kPi, -kPi})) {
        shift = {0.5, across};
      } else if (Near(angle, {kPi / 2, -kPi / 2, 3 * kPi / 2, -3 * kPi / 2})) {
        shift = {0.5 + along, 0.0};
      } else {
        shift = {0.5 + along, across};
      }
    }
  }
  if (!plain) shift.across = 0.0;
  PlacedText placed = Place(dc, plat::Point{c.Logical(x), c.Logical(y)}, text, escapement, shift);
  Shift(placed, KeepTextClear(c, placed.reference, text, escapement));
  dc.TextOut(placed.reference.x, placed.reference.y, text);
  TextBox box;
  box.corners = placed.corners;
  box.kind = kind_word;
  box.tag = tag;
  c.picture.text_boxes.Add(box);
  dc.SetTextColor(colour);
  dc.SetTextAlign(align);
  dc.SetBkMode(mode);
  dc.SelectFont(previous);
}

namespace {

// The extent of `text` in the labels' unturned font, in world units.
std::array<double, 2> LabelExtent(Canvas& c, std::string_view text) {
  const int height = static_cast<int>(c.viewer.text_scale * kTextHeight);
  const plat::Font previous = c.dc.SelectFont(MakeRotatedFont(c.dc, "ARIAL", height, 0, 0, 0, true));
  const plat::Size extent = c.dc.GetTextExtent(text);
  c.dc.SelectFont(previous);
  if (c.scale() <= 0) return {0.0, 0.0};
  return {static_cast<double>(extent.cx) / c.scale(), static_cast<double>(extent.cy) / c.scale()};
}

}  // namespace

double LabelLineHeight(Canvas& c) { return LabelExtent(c, "R")[1]; }

double LabelWidth(Canvas& c, std::string_view text) { return LabelExtent(c, text)[0]; }

void DrawLegendText(Canvas& c, std::string_view text, double x_fraction, double y_fraction) {
  plat::Dc& dc = c.dc;
  const int saved = dc.SaveDC();
  dc.SetMapMode(plat::MM_TEXT);
  dc.SetViewportOrg(0, 0);
  dc.SetWindowOrg(0, 0);
  dc.SelectFont(MakeRotatedFont(dc, "ARIAL", kTextHeight, 0, 0, 1, true));
  const plat::Point at = dc.DPtoLP(plat::Point{static_cast<int>(dc.GetDeviceCaps(plat::HORZRES) * x_fraction),
                                               static_cast<int>(dc.GetDeviceCaps(plat::VERTRES) * y_fraction)});
  dc.TextOut(at.x, at.y, text);
  dc.RestoreDC(saved);
}

WorldPoint DrawRubberBand(Canvas& c, const TextBoxTable& boxes, int mouse_x, int mouse_y, int b, int start_x,
                          int start_y) {
  if (b < 1 || b > boxes.count()) return WorldPoint{};
  plat::Dc& dc = c.dc;
  const int saved = dc.SaveDC();
  dc.SetROP2(plat::R2_NOT);
  const TextBox& box = boxes[b];
  const int mx = mouse_x - start_x, my = mouse_y - start_y;
  std::array<plat::Point, 5> outline{};
  for (std::size_t i = 0; i < 4; ++i) outline[i] = plat::Point{box.corners[i].x + mx, box.corners[i].y + my};
  outline[4] = outline[0];
  dc.Polyline(outline);
  dc.RestoreDC(saved);
  const double scale = std::max(1, c.scale());
  return WorldPoint{static_cast<float>((outline[0].x + outline[2].x) / 2.0 / scale),
                    static_cast<float>((outline[0].y + outline[2].y) / 2.0 / scale)};
}

}  // namespace revuzavi
