#include "geometry/editor/view_marks.h"

namespace kelmf {
namespace {

constexpr int kCrossReach = 3000;
constexpr int kCrossSquare = 5;

// R2_NOT with a one-pixel pen and no fill, for the state of `dc` given back after.
class InvertingPen {
 public:
  explicit InvertingPen(plat::Dc& dc) : dc_(dc), saved_(dc.SaveDC()) {
    dc.SetROP2(plat::R2_NOT);
    dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)});
    dc.SelectBrush(plat::Brush::Null());
  }
  ~InvertingPen() { dc_.RestoreDC(saved_); }
  InvertingPen(const InvertingPen&) = delete;
  InvertingPen& operator=(const InvertingPen&) = delete;

 private:
  plat::Dc& dc_;
  int saved_;
};

}  // namespace

void DrawCrosshair(plat::Dc& dc, plat::Point p) {
  InvertingPen pen(dc);
  dc.MoveTo(p.x - kCrossReach, p.y);
  dc.LineTo(p.x + kCrossReach, p.y);
  dc.MoveTo(p.x, p.y - kCrossReach);
  dc.LineTo(p.x, p.y + kCrossReach);
  dc.Rectangle(p.x - kCrossSquare, p.y - kCrossSquare, p.x + kCrossSquare, p.y + kCrossSquare);
}

void DrawRubberRectangle(plat::Dc& dc, plat::Point a, plat::Point b) {
  InvertingPen pen(dc);
  dc.Rectangle(a.x, a.y, b.x, b.y);
}

void DrawRubberLine(plat::Dc& dc, plat::Point a, plat::Point b) {
  InvertingPen pen(dc);
  dc.MoveTo(a.x, a.y);
  dc.LineTo(b.x, b.y);
}

void DrawPointMarker(plat::Dc& dc, plat::Point p, int r) {
  InvertingPen pen(dc);
  dc.Ellipse(p.x - r, p.y - r, p.x + r, p.y + r);
}

void DrawNewElement(plat::Dc& dc, const plat::Pen& pen, plat::Point a, plat::Point b, int half) {
  const int saved = dc.SaveDC();
  dc.SelectPen(pen);
  dc.SelectBrush(plat::Brush::Null());
  dc.MoveTo(a.x, a.y);
  dc.LineTo(b.x, b.y);
  dc.Rectangle(a.x - half, a.y - half, a.x + half, a.y + half);
  dc.Rectangle(b.x - half, b.y - half, b.x + half, b.y + half);
  dc.RestoreDC(saved);
}

}  // namespace kelmf
