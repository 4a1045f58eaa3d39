#include "platform/dc/mapping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace plat {

int RoundCoordinate(double v) {
  // Far beyond any surface; kept small enough that differences fit an int.
  constexpr double kLimit = 1 << 30;
  if (std::isnan(v)) return 0;
  const double r = v + 0.5;
  if (r >= kLimit) return static_cast<int>(kLimit);
  if (r < -kLimit) return -static_cast<int>(kLimit);
  // floor(r), without a call into the maths library: this runs for every point drawn.
  const int truncated = static_cast<int>(r);
  return static_cast<double>(truncated) > r ? truncated - 1 : truncated;
}

Mapping::Mapping(int pixels_per_inch_x, int pixels_per_inch_y)
    : ppi_x_(pixels_per_inch_x > 0 ? pixels_per_inch_x : 96),
      ppi_y_(pixels_per_inch_y > 0 ? pixels_per_inch_y : 96) {}

int Mapping::SetMapMode(int mode) {
  if (mode != MM_TEXT && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC) return 0;
  const int previous = mode_;
  if (mode == mode_) return previous;
  mode_ = mode;
  if (mode == MM_TEXT) {
    window_ext_ = {1, 1};
    viewport_ext_ = {1, 1};
  } else if (mode == MM_ISOTROPIC) {
    // GDI's starting point: MM_LOMETRIC, 0.1 mm per logical unit with y up.
    const int horz_size = RoundCoordinate(25400.0 / ppi_x_);  // 100 pixels in 0.1 mm
    const int vert_size = RoundCoordinate(25400.0 / ppi_y_);
    window_ext_ = {horz_size, vert_size};
    viewport_ext_ = {100, -100};
    FixIsotropic();
  }
  return previous;
}

Point Mapping::SetWindowOrg(int x, int y) {
  const Point previous = window_org_;
  window_org_ = {x, y};
  return previous;
}

Point Mapping::SetViewportOrg(int x, int y) {
  const Point previous = viewport_org_;
  viewport_org_ = {x, y};
  return previous;
}

Size Mapping::SetExtent(Size& extent, int cx, int cy) {
  const Size previous = extent;
  if (mode_ == MM_TEXT || cx == 0 || cy == 0) return previous;
  extent = {cx, cy};
  if (mode_ == MM_ISOTROPIC) FixIsotropic();
  return previous;
}

Size Mapping::SetWindowExt(int cx, int cy) { return SetExtent(window_ext_, cx, cy); }
Size Mapping::SetViewportExt(int cx, int cy) { return SetExtent(viewport_ext_, cx, cy); }

// Shrinks the viewport extent of the axis whose scale is larger (in inches per
// logical unit) so that both axes get the smaller scale; the sign stays.
void Mapping::FixIsotropic() {
  const double x_scale = std::fabs(double(viewport_ext_.cx) / window_ext_.cx) / ppi_x_;
  const double y_scale = std::fabs(double(viewport_ext_.cy) / window_ext_.cy) / ppi_y_;
  auto shrink = [](int& extent, double factor) {
    const int sign = extent < 0 ? -1 : 1;
    const int magnitude = RoundCoordinate(std::abs(extent) * factor);
    extent = sign * (magnitude == 0 ? 1 : magnitude);
  };
  if (x_scale > y_scale) {
    shrink(viewport_ext_.cx, y_scale / x_scale);
  } else if (y_scale > x_scale) {
    shrink(viewport_ext_.cy, x_scale / y_scale);
  }
}

int Mapping::SetGraphicsMode(int mode) {
  if (mode != GM_COMPATIBLE && mode != GM_ADVANCED) return 0;
  if (mode == GM_COMPATIBLE && !world_.IsIdentity()) return 0;
  const int previous = graphics_mode_;
  graphics_mode_ = mode;
  return previous;
}

bool Mapping::SetWorldTransform(const XForm& xform) {
  if (graphics_mode_ != GM_ADVANCED) return false;
  if (xform.eM11 * xform.eM22 - xform.eM12 * xform.eM21 == 0) return false;
  world_ = xform;
  return true;
}

PointD Mapping::ToDevice(PointD p) const {
  const double wx = p.x * world_.eM11 + p.y * world_.eM21 + world_.eDx;
  const double wy = p.x * world_.eM12 + p.y * world_.eM22 + world_.eDy;
  return {(wx - window_org_.x) * viewport_ext_.cx / window_ext_.cx + viewport_org_.x,
          (wy - window_org_.y) * viewport_ext_.cy / window_ext_.cy + viewport_org_.y};
}

PointD Mapping::ToLogical(PointD d) const {
  const double wx = (d.x - viewport_org_.x) * window_ext_.cx / viewport_ext_.cx + window_org_.x;
  const double wy = (d.y - viewport_org_.y) * window_ext_.cy / viewport_ext_.cy + window_org_.y;
  if (world_.IsIdentity()) return {wx, wy};
  const XForm& m = world_;
  const double det = m.eM11 * m.eM22 - m.eM12 * m.eM21;
  const double x = wx - m.eDx;
  const double y = wy - m.eDy;
  return {(x * m.eM22 - y * m.eM21) / det, (y * m.eM11 - x * m.eM12) / det};
}

Point Mapping::ToDevice(Point logical) const {
  const PointD d = ToDevice(PointD{double(logical.x), double(logical.y)});
  return {RoundCoordinate(d.x), RoundCoordinate(d.y)};
}

Point Mapping::ToLogical(Point device) const {
  const PointD l = ToLogical(PointD{double(device.x), double(device.y)});
  return {RoundCoordinate(l.x), RoundCoordinate(l.y)};
}

double Mapping::DeviceLengthX(double logical) const {
  const double sx = double(viewport_ext_.cx) / window_ext_.cx;
  const double sy = double(viewport_ext_.cy) / window_ext_.cy;
  return std::fabs(logical) * std::hypot(world_.eM11 * sx, world_.eM12 * sy);
}

double Mapping::DeviceLengthY(double logical) const {
  const double sx = double(viewport_ext_.cx) / window_ext_.cx;
  const double sy = double(viewport_ext_.cy) / window_ext_.cy;
  return std::fabs(logical) * std::hypot(world_.eM21 * sx, world_.eM22 * sy);
}

double Mapping::LogicalLengthX(double device) const {
  const double unit = DeviceLengthX(1.0);
  return std::fabs(device) / unit;
}

double Mapping::LogicalLengthY(double device) const {
  const double unit = DeviceLengthY(1.0);
  return std::fabs(device) / unit;
}

}  // namespace plat
