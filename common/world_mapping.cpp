#include "common/world_mapping.h"

#include <algorithm>
#include <cmath>

namespace common {
namespace {

constexpr double kMaxExtent = 1.0e9;

int LimitedExtent(double value) {
  return std::isfinite(value) ? static_cast<int>(std::clamp(value, 1.0, kMaxExtent)) : 1;
}
int Truncated(double value) {
  return std::isfinite(value) ? static_cast<int>(std::clamp(value, -kMaxExtent, kMaxExtent)) : 0;
}

}  // namespace

PictureRoom PictureRoomOf(const plat::Dc& dc, const plat::Rect& client) {
  if (dc.IsPrinting()) {
    return PictureRoom{client, static_cast<int>(0.8 * dc.GetDeviceCaps(plat::HORZRES)),
                       static_cast<int>(0.8 * dc.GetDeviceCaps(plat::VERTRES))};
  }
  return PictureRoom{client, static_cast<int>(0.9 * (client.right - client.left)),
                     static_cast<int>(0.9 * (client.bottom - client.top))};
}

void MapWorldWindow(plat::Dc& dc, double left, double bottom, double width, double height, const PictureRoom& room) {
  dc.SetMapMode(plat::MM_ISOTROPIC);
  dc.SetWindowExt(LimitedExtent(width), LimitedExtent(height));
  // z points up: the viewport's height is negative and its origin the bottom.
  dc.SetViewportExt(std::max(room.width, 1), -std::max(room.height, 1));
  const plat::Size v = dc.GetViewportExt();
  int ox = 0;
  int oy = 0;
  if (dc.IsPrinting()) {
    ox = (dc.GetDeviceCaps(plat::HORZRES) - v.cx) / 2;
    oy = (v.cy + dc.GetDeviceCaps(plat::VERTRES)) / 2;
  } else {
    ox = (room.client.right - v.cx - room.client.left) / 2;
    oy = (v.cy - room.client.top + room.client.bottom) / 2;
  }
  dc.SetViewportOrg(ox, oy - v.cy);
  dc.SetWindowOrg(Truncated(left), Truncated(bottom));
}

}  // namespace common
