#pragma once
// The world window of a frame picture mapped onto the view or the printed
// page: isotropic, z up, centred.
#include "platform/dc/dc.h"

namespace common {

// Where a picture goes: the client rectangle and the picture's room in device
// pixels, centred in the client (on a printer, on the page).
struct PictureRoom {
  plat::Rect client;
  int width = 0;
  int height = 0;
};

// The room of a picture: 0.9 of the client on the screen, 0.8 of the page
// (HORZRES x VERTRES) on a printer.
PictureRoom PictureRoomOf(const plat::Dc& dc, const plat::Rect& client);

// MM_ISOTROPIC with the window's lower left corner (`left`, `bottom`) and its
// extents in logical units (GDI keeps them in 32-bit integers: huge numbers
// are limited, not wrapped), mapped onto the room with z pointing up.
void MapWorldWindow(plat::Dc& dc, double left, double bottom, double width, double height, const PictureRoom& room);

}  // namespace common
