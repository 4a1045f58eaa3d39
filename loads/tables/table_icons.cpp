#include "loads/tables/table_icons.h"

#include <array>

#include "platform/dc/painter_dc.h"

namespace pundf::tables {
namespace {

// A text sheet at the left and an arrow at the right, pointing right (out of
// the sheet) or left (into it).
plat::Bitmap SheetWithArrow(bool out) {
  plat::Bitmap bitmap(20, 20, plat::Rgb(192, 192, 192));
  plat::PainterDc dc(bitmap);
  dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)});
  dc.SelectBrush(plat::Brush::Solid(plat::Rgb(255, 255, 255)));
  dc.Rectangle(2, 2, 12, 18);
  for (int y = 5; y <= 14; y += 3) {
    dc.MoveTo(4, y);
    dc.LineTo(10, y);
  }
  const plat::ColorRef arrow_colour = out ? plat::Rgb(0, 0, 160) : plat::Rgb(0, 128, 0);
  dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, arrow_colour});
  dc.SelectBrush(plat::Brush::Solid(arrow_colour));
  dc.FillRect(plat::Rect{out ? 11 : 13, 9, out ? 15 : 18, 12}, plat::Brush::Solid(arrow_colour));
  const std::array<plat::Point, 3> head =
      out ? std::array<plat::Point, 3>{plat::Point{15, 6}, plat::Point{19, 10}, plat::Point{15, 14}}
          : std::array<plat::Point, 3>{plat::Point{13, 6}, plat::Point{9, 10}, plat::Point{13, 14}};
  dc.Polygon(head);
  return bitmap;
}

}  // namespace

plat::Bitmap SaveTableIcon() { return SheetWithArrow(true); }
plat::Bitmap LoadTableIcon() { return SheetWithArrow(false); }

}  // namespace pundf::tables
