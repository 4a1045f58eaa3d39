#include "geometry/editor/drawing_cursor.h"

#include "geometry/editor/editor_ids.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/window/cursor.h"

namespace kelmf {

void MakeDrawingCursor() {
  constexpr int kSize = 32;
  constexpr int kCentre = 15;
  const plat::ColorRef see_through = plat::Rgb(255, 0, 255);
  plat::Bitmap picture(kSize, kSize, see_through);
  {
    plat::PainterDc dc(picture);
    dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)});
    dc.SelectBrush(plat::Brush::Null());
    dc.MoveTo(0, kCentre);
    dc.LineTo(kCentre - 3, kCentre);
    dc.MoveTo(kCentre + 4, kCentre);
    dc.LineTo(kSize - 1, kCentre);
    dc.MoveTo(kCentre, 0);
    dc.LineTo(kCentre, kCentre - 3);
    dc.MoveTo(kCentre, kCentre + 4);
    dc.LineTo(kCentre, kSize - 1);
    dc.Rectangle(kCentre - 3, kCentre - 3, kCentre + 4, kCentre + 4);
  }
  plat::CreateCursor(ids::kDrawingCursor, picture, see_through, plat::Point{kCentre, kCentre});
}

}  // namespace kelmf
