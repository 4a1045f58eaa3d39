#include "loads/editor/pick_cursor.h"

#include "loads/editor/editor_ids.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/window/cursor.h"

namespace pundf {

void MakePickCursor() {
  constexpr int kSize = 32;
  constexpr int kCentre = 15;
  constexpr int kBox = 4;
  const plat::ColorRef see_through = plat::Rgb(255, 0, 255);
  plat::Bitmap picture(kSize, kSize, see_through);
  {
    plat::PainterDc dc(picture);
    dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)});
    dc.SelectBrush(plat::Brush::Null());
    dc.MoveTo(kCentre, 0);
    dc.LineTo(kCentre, kSize - 1);
    dc.MoveTo(0, kCentre);
    dc.LineTo(kSize - 1, kCentre);
    dc.Rectangle(kCentre - kBox, kCentre - kBox, kCentre + kBox + 1, kCentre + kBox + 1);
  }
  plat::CreateCursor(ids::kPickCursor, picture, see_through, plat::Point{kCentre, kCentre});
}

}  // namespace pundf
