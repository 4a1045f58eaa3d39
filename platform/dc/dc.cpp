#include "platform/dc/dc.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace plat {
namespace {

// Fonts are never made larger than this many pixels (a wrong scale must not
// ask the font engine for glyphs of millions of pixels).
constexpr int kMaxFontPixels = 10000;

// How far a pen's stroke may reach beyond its points: half its width; a
// geometric pen's square caps up to its width, its miter joins up to five
// widths (GDI's miter limit).
int PenReach(const DevicePen& pen) {
  if (!pen.geometric) return pen.width / 2;
  return pen.join == PS_JOIN_MITER ? 5 * pen.width : pen.width;
}

// The pixels a set of points touches with a stroke reaching that far beyond them.
Rect BoundsOf(std::span<const Point> points, int reach) {
  if (points.empty()) return {};
  Rect r{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point& p : points) {
    r.left = std::min(r.left, p.x);
    r.top = std::min(r.top, p.y);
    r.right = std::max(r.right, p.x);
    r.bottom = std::max(r.bottom, p.y);
  }
  const int grow = reach + 2;
  return {r.left - grow, r.top - grow, r.right + grow, r.bottom + grow};
}

}  // namespace

Rect IntersectRects(const Rect& a, const Rect& b) {
  const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
  return r.IsEmpty() ? Rect{} : r;
}

Rect UnionRects(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

Rect RectFromCorners(Point a, Point b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

DeviceCaps DeviceCaps::Screen(int width, int height, int dpi) {
  DeviceCaps caps;
  caps.horz_res = width;
  caps.vert_res = height;
  caps.log_pixels_x = dpi;
  caps.log_pixels_y = dpi;
  caps.horz_size = RoundCoordinate(width * 25.4 / dpi);
  caps.vert_size = RoundCoordinate(height * 25.4 / dpi);
  caps.technology = DT_RASDISPLAY;
  return caps;
}

Pen StockPen(int index) {
  switch (index) {
    case WHITE_PEN: return Pen{PS_SOLID, 0, Rgb(255, 255, 255)};
    case NULL_PEN: return Pen{PS_NULL, 0, Rgb(0, 0, 0)};
    default: return Pen{PS_SOLID, 0, Rgb(0, 0, 0)};
  }
}

Brush StockBrush(int index) {
  switch (index) {
    case LTGRAY_BRUSH: return Brush::Solid(Rgb(192, 192, 192));
    case GRAY_BRUSH: return Brush::Solid(Rgb(128, 128, 128));
    case DKGRAY_BRUSH: return Brush::Solid(Rgb(64, 64, 64));
    case BLACK_BRUSH: return Brush::Solid(Rgb(0, 0, 0));
    case NULL_BRUSH: return Brush::Null();
    default: return Brush::Solid(Rgb(255, 255, 255));
  }
}

ColorRef GetSysColor(int index) {
  switch (index) {
    case COLOR_WINDOW: return Rgb(255, 255, 255);
    case COLOR_WINDOWTEXT: return Rgb(0, 0, 0);
    case COLOR_HIGHLIGHT: return Rgb(0, 120, 215);
    case COLOR_HIGHLIGHTTEXT: return Rgb(255, 255, 255);
    case COLOR_BTNFACE: return Rgb(240, 240, 240);
    case COLOR_BTNSHADOW: return Rgb(160, 160, 160);
    case COLOR_GRAYTEXT: return Rgb(109, 109, 109);
    case COLOR_BTNTEXT: return Rgb(0, 0, 0);
    case COLOR_BTNHIGHLIGHT: return Rgb(255, 255, 255);
    case COLOR_3DDKSHADOW: return Rgb(105, 105, 105);
    case COLOR_3DLIGHT: return Rgb(227, 227, 227);
    case COLOR_INFOTEXT: return Rgb(0, 0, 0);
    case COLOR_INFOBK: return Rgb(255, 255, 225);
    default: return Rgb(0, 0, 0);
  }
}

Dc::Dc(const DeviceCaps& caps) : caps_(caps) {
  state_.mapping = Mapping(caps.log_pixels_x, caps.log_pixels_y);
}

Dc::~Dc() = default;

int Dc::GetDeviceCaps(int index) const {
  switch (index) {
    case HORZRES: return caps_.horz_res;
    case VERTRES: return caps_.vert_res;
    case HORZSIZE: return caps_.horz_size;
    case VERTSIZE: return caps_.vert_size;
    case LOGPIXELSX: return caps_.log_pixels_x;
    case LOGPIXELSY: return caps_.log_pixels_y;
    case TECHNOLOGY: return caps_.technology;
    default: return 0;
  }
}

void Dc::LPtoDP(std::span<Point> points) const {
  for (Point& p : points) p = state_.mapping.ToDevice(p);
}

void Dc::DPtoLP(std::span<Point> points) const {
  for (Point& p : points) p = state_.mapping.ToLogical(p);
}

int Dc::SaveDC() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

bool Dc::RestoreDC(int level) {
  const long size = static_cast<long>(saved_.size());
  const long index = level < 0 ? size + level : long(level) - 1;
  if (level == 0 || index < 0 || index >= size) return false;
  state_ = saved_[static_cast<std::size_t>(index)];
  saved_.resize(static_cast<std::size_t>(index));
  return true;
}

Pen Dc::SelectPen(const Pen& pen) { return std::exchange(state_.pen, pen); }
Brush Dc::SelectBrush(const Brush& brush) { return std::exchange(state_.brush, brush); }
Font Dc::SelectFont(const Font& font) { return std::exchange(state_.font, font); }
ColorRef Dc::SetTextColor(ColorRef color) { return std::exchange(state_.text_color, color); }
ColorRef Dc::SetBkColor(ColorRef color) { return std::exchange(state_.bk_color, color); }

int Dc::SetBkMode(int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return std::exchange(state_.bk_mode, mode);
}

unsigned Dc::SetTextAlign(unsigned align) { return std::exchange(state_.text_align, align); }

int Dc::SetROP2(int rop) {
  if (rop < R2_BLACK || rop > R2_WHITE) return 0;
  return std::exchange(state_.rop2, rop);
}

int Dc::SetPolyFillMode(int mode) {
  if (mode != ALTERNATE && mode != WINDING) return 0;
  return std::exchange(state_.fill_mode, mode);
}

int Dc::SelectClipRect(const Rect& device_rect) {
  state_.clip = RectFromCorners({device_rect.left, device_rect.top},
                           {device_rect.right, device_rect.bottom});
  return state_.clip->IsEmpty() ? NULLREGION : SIMPLEREGION;
}

void Dc::RemoveClip() { state_.clip.reset(); }

int Dc::IntersectClipRect(int left, int top, int right, int bottom) {
  const Rect surface{0, 0, caps_.horz_res, caps_.vert_res};
  state_.clip = IntersectRects(state_.clip.value_or(surface), DeviceRect(left, top, right, bottom));
  return state_.clip->IsEmpty() ? NULLREGION : SIMPLEREGION;
}

Rect Dc::GetClipBox() const {
  const Rect device = state_.clip.value_or(Rect{0, 0, caps_.horz_res, caps_.vert_res});
  return RectFromCorners(DPtoLP(Point{device.left, device.top}),
                    DPtoLP(Point{device.right, device.bottom}));
}

Rect Dc::DeviceRect(int left, int top, int right, int bottom) const {
  return RectFromCorners(LPtoDP(Point{left, top}), LPtoDP(Point{right, bottom}));
}

DevicePen Dc::ResolvePen() const {
  DevicePen pen;
  pen.style = state_.pen.style & PS_STYLE_MASK;
  pen.geometric = (state_.pen.style & PS_TYPE_MASK) == PS_GEOMETRIC;
  if (pen.geometric) {
    // Bits of no known cap or join count as the defaults (round).
    const int cap = state_.pen.style & PS_ENDCAP_MASK;
    const int join = state_.pen.style & PS_JOIN_MASK;
    pen.end_cap = cap == PS_ENDCAP_SQUARE || cap == PS_ENDCAP_FLAT ? cap : PS_ENDCAP_ROUND;
    pen.join = join == PS_JOIN_BEVEL || join == PS_JOIN_MITER ? join : PS_JOIN_ROUND;
  }
  pen.color = state_.pen.color;
  pen.width = state_.pen.width == 0
                  ? 1
                  : std::max(1, RoundCoordinate(state_.mapping.DeviceLengthX(state_.pen.width)));
  return pen;
}

DeviceFont Dc::ResolveFont() const {
  const Font& f = state_.font;
  DeviceFont font;
  font.face = f.face;
  if (f.height != 0) {
    const int pixels = std::clamp(RoundCoordinate(state_.mapping.DeviceLengthY(f.height)), 1,
                                  kMaxFontPixels);
    font.height = f.height < 0 ? -pixels : pixels;
  }
  if (f.width != 0) {
    font.width = std::clamp(RoundCoordinate(state_.mapping.DeviceLengthX(f.width)), 1,
                            kMaxFontPixels);
  }
  font.escapement = f.escapement;
  font.weight = f.weight == FW_DONTCARE ? FW_NORMAL : f.weight;
  font.italic = f.italic;
  font.underline = f.underline;
  font.strike_out = f.strike_out;
  return font;
}

DeviceOp Dc::MakeOp(DeviceOp::Kind kind, const char* call) const {
  DeviceOp op;
  op.kind = kind;
  op.call = call;
  op.pen = ResolvePen();
  op.brush = state_.brush;
  op.rop2 = state_.rop2;
  op.fill_mode = state_.fill_mode;
  op.text_color = state_.text_color;
  op.bk_mode = state_.bk_mode;
  op.bk_color = state_.bk_color;
  op.clip = state_.clip;
  return op;
}

Point Dc::MoveTo(int x, int y) { return std::exchange(state_.position, Point{x, y}); }

bool Dc::LineTo(int x, int y) {
  DeviceOp op = MakeOp(DeviceOp::Kind::kPolyline, "LineTo");
  op.points = {LPtoDP(state_.position), LPtoDP(Point{x, y})};
  op.bounds = BoundsOf(op.points, PenReach(op.pen));
  state_.position = {x, y};
  Render(op);
  return true;
}

bool Dc::PointsOp(DeviceOp::Kind kind, const char* call, std::span<const Point> points) {
  if (points.size() < 2) return false;
  DeviceOp op = MakeOp(kind, call);
  op.points.reserve(points.size());
  for (const Point& p : points) op.points.push_back(LPtoDP(p));
  op.bounds = BoundsOf(op.points, PenReach(op.pen));
  Render(op);
  return true;
}

bool Dc::Polyline(std::span<const Point> points) {
  return PointsOp(DeviceOp::Kind::kPolyline, "Polyline", points);
}

bool Dc::Polygon(std::span<const Point> points) {
  return PointsOp(DeviceOp::Kind::kPolygon, "Polygon", points);
}

bool Dc::Shape(DeviceOp::Kind kind, const char* call, int left, int top, int right, int bottom) {
  DeviceOp op = MakeOp(kind, call);
  op.rect = DeviceRect(left, top, right, bottom);
  const Point corners[2] = {{op.rect.left, op.rect.top}, {op.rect.right, op.rect.bottom}};
  op.bounds = BoundsOf(corners, PenReach(op.pen));
  Render(op);
  return true;
}

bool Dc::Rectangle(int left, int top, int right, int bottom) {
  return Shape(DeviceOp::Kind::kRectangle, "Rectangle", left, top, right, bottom);
}

bool Dc::Ellipse(int left, int top, int right, int bottom) {
  return Shape(DeviceOp::Kind::kEllipse, "Ellipse", left, top, right, bottom);
}

void Dc::FillRect(const Rect& rect, const Brush& brush) {
  DeviceOp op = MakeOp(DeviceOp::Kind::kFillRect, "FillRect");
  op.rect = DeviceRect(rect.left, rect.top, rect.right, rect.bottom);
  op.brush = brush;
  op.rop2 = R2_COPYPEN;
  op.bounds = op.rect;
  Render(op);
}

void Dc::EdgeLine(Point from, Point to, ColorRef color) {
  DeviceOp op = MakeOp(DeviceOp::Kind::kPolyline, "DrawEdge");
  op.pen = DevicePen{PS_SOLID, 1, color};
  op.rop2 = R2_COPYPEN;
  op.points = {from, to};
  op.bounds = BoundsOf(op.points, 0);
  Render(op);
}

bool Dc::DrawEdge(const Rect& rect, unsigned edge, unsigned sides) {
  const Rect r = DeviceRect(rect.left, rect.top, rect.right, rect.bottom);
  // Outer border first, then the inner one a pixel inside it; light on the
  // left and top, dark on the right and bottom for a raised border.
  struct Border {
    unsigned raised_bit, sunken_bit;
    ColorRef raised_lt, raised_rb, sunken_lt, sunken_rb;
  };
  const Border borders[2] = {
      {BDR_RAISEDOUTER, BDR_SUNKENOUTER, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW),
       GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT)},
      {BDR_RAISEDINNER, BDR_SUNKENINNER, GetSysColor(COLOR_BTNHIGHLIGHT),
       GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT)},
  };
  for (int i = 0; i < 2; ++i) {
    const Border& b = borders[i];
    const bool raised = (edge & b.raised_bit) != 0;
    const bool sunken = (edge & b.sunken_bit) != 0;
    if (!raised && !sunken) continue;
    const ColorRef lt = raised ? b.raised_lt : b.sunken_lt;
    const ColorRef rb = raised ? b.raised_rb : b.sunken_rb;
    const int l = r.left + i, t = r.top + i, rr = r.right - 1 - i, bb = r.bottom - 1 - i;
    if (rr < l || bb < t) break;
    if (sides & BF_TOP) EdgeLine({l, t}, {rr + 1, t}, lt);
    if (sides & BF_LEFT) EdgeLine({l, t}, {l, bb + 1}, lt);
    if (sides & BF_BOTTOM) EdgeLine({l, bb}, {rr + 1, bb}, rb);
    if (sides & BF_RIGHT) EdgeLine({rr, t}, {rr, bb + 1}, rb);
  }
  return true;
}

void Dc::DrawFocusRect(const Rect& rect) {
  DeviceOp op = MakeOp(DeviceOp::Kind::kFocusRect, "DrawFocusRect");
  op.rect = DeviceRect(rect.left, rect.top, rect.right, rect.bottom);
  op.rop2 = R2_XORPEN;
  op.bounds = op.rect;
  Render(op);
}

void Dc::DrawTextLine(const char* call, Point reference, unsigned align, std::string_view text,
                      const std::optional<Rect>& clip) {
  DeviceOp op = MakeOp(DeviceOp::Kind::kText, call);
  op.font = ResolveFont();
  op.text = std::string(text);
  op.clip = clip;
  const TextMetrics m = MeasureFont(op.font);
  op.text_width = MeasureText(op.font, text);
  op.ascent = m.ascent;
  op.descent = m.descent;

  // Along the baseline (u) and towards the ascent (n), y pointing down.
  const double angle = op.font.escapement * std::numbers::pi / 1800.0;
  const double sine = op.font.escapement == 0 ? 0.0 : std::sin(angle);
  const double cosine = op.font.escapement == 0 ? 1.0 : std::cos(angle);
  const double ux = cosine, uy = -sine;
  const double nx = -sine, ny = -cosine;
  double along = 0;
  if ((align & TA_CENTER) == TA_CENTER) {
    along = -op.text_width / 2.0;
  } else if (align & TA_RIGHT) {
    along = -op.text_width;
  }
  double across = -m.ascent;  // TA_TOP: the baseline lies an ascent below
  if ((align & TA_BASELINE) == TA_BASELINE) {
    across = 0;
  } else if (align & TA_BOTTOM) {
    across = m.descent;
  }
  op.origin = {RoundCoordinate(reference.x + along * ux + across * nx),
               RoundCoordinate(reference.y + along * uy + across * ny)};

  // The text cell's corners, with room for overhangs.
  Point corners[4];
  const double spans[2] = {0.0, double(op.text_width)};
  const double heights[2] = {-double(m.descent), double(m.ascent)};
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 2; ++j) {
      corners[i * 2 + j] = {RoundCoordinate(op.origin.x + spans[i] * ux + heights[j] * nx),
                            RoundCoordinate(op.origin.y + spans[i] * uy + heights[j] * ny)};
    }
  }
  op.bounds = BoundsOf(corners, std::max(4, m.height / 2) / 2);
  Render(op);
}

bool Dc::TextOut(int x, int y, std::string_view text) {
  DrawTextLine("TextOut", LPtoDP(Point{x, y}), state_.text_align, text, state_.clip);
  return true;
}

Size Dc::GetTextExtent(std::string_view text) {
  const DeviceFont font = ResolveFont();
  const TextMetrics m = MeasureFont(font);
  const int width = MeasureText(font, text);
  return {RoundCoordinate(state_.mapping.LogicalLengthX(width)),
          RoundCoordinate(state_.mapping.LogicalLengthY(m.height))};
}

TextMetrics Dc::GetTextMetrics() {
  const TextMetrics m = MeasureFont(ResolveFont());
  auto y = [&](int v) { return RoundCoordinate(state_.mapping.LogicalLengthY(v)); };
  auto x = [&](int v) { return RoundCoordinate(state_.mapping.LogicalLengthX(v)); };
  TextMetrics tm;
  tm.height = y(m.height);
  tm.ascent = y(m.ascent);
  tm.descent = y(m.descent);
  tm.internal_leading = y(m.internal_leading);
  tm.external_leading = y(m.external_leading);
  tm.ave_char_width = x(m.ave_char_width);
  tm.max_char_width = x(m.max_char_width);
  tm.weight = state_.font.weight == FW_DONTCARE ? FW_NORMAL : state_.font.weight;
  return tm;
}

}  // namespace plat
