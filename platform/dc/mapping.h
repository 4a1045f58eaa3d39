#pragma once
// The logical-to-device mapping of a device context with GDI's rules, computed
// in double precision: device = (world(logical) - window origin) * viewport
// extent / window extent + viewport origin. Points given as integers come back
// rounded to the nearest integer, as GDI rounds.
#include "platform/dc/gdi_objects.h"
#include "platform/dc/gdi_types.h"

namespace plat {

class Mapping {
 public:
  // The device's pixels per inch decide what "isotropic" means (equal physical
  // lengths in x and y).
  explicit Mapping(int pixels_per_inch_x = 96, int pixels_per_inch_y = 96);

  // MM_TEXT (extents fixed at 1:1), MM_ISOTROPIC, MM_ANISOTROPIC. Returns the
  // previous mode, or 0 (nothing changed) for any other mode. Switching into
  // MM_ISOTROPIC starts from GDI's default extents (0.1 mm per logical unit, y up).
  int SetMapMode(int mode);
  int map_mode() const { return mode_; }

  // The setters return the previous value. Extents are ignored in MM_TEXT, and a
  // zero extent is refused (returns the current value, nothing changes). In
  // MM_ISOTROPIC GDI's adjustment follows every extent change: the viewport
  // extent of the stretched axis is shrunk so that both axes have one scale,
  // and the shrunk extent is kept (so set the window extent first).
  Point SetWindowOrg(int x, int y);
  Size SetWindowExt(int cx, int cy);
  Point SetViewportOrg(int x, int y);
  Size SetViewportExt(int cx, int cy);
  Point window_org() const { return window_org_; }
  Size window_ext() const { return window_ext_; }
  Point viewport_org() const { return viewport_org_; }
  Size viewport_ext() const { return viewport_ext_; }  // as adjusted

  // GM_COMPATIBLE or GM_ADVANCED; returns the previous mode or 0. Going back to
  // GM_COMPATIBLE needs the identity world transform (as in GDI).
  int SetGraphicsMode(int mode);
  int graphics_mode() const { return graphics_mode_; }
  // Only in GM_ADVANCED; false otherwise or when the transform is singular.
  bool SetWorldTransform(const XForm& xform);
  const XForm& world_transform() const { return world_; }

  // Logical to device and back.
  PointD ToDevice(PointD logical) const;
  PointD ToLogical(PointD device) const;
  Point ToDevice(Point logical) const;
  Point ToLogical(Point device) const;

  // Device lengths of logical lengths along x and along y (absolute, not rounded).
  double DeviceLengthX(double logical) const;
  double DeviceLengthY(double logical) const;
  // Logical lengths of device lengths along x and along y (absolute, not rounded).
  double LogicalLengthX(double device) const;
  double LogicalLengthY(double device) const;

  friend bool operator==(const Mapping&, const Mapping&) = default;

 private:
  Size SetExtent(Size& extent, int cx, int cy);
  void FixIsotropic();

  int ppi_x_;
  int ppi_y_;
  int mode_ = MM_TEXT;
  int graphics_mode_ = GM_COMPATIBLE;
  Point window_org_;
  Size window_ext_{1, 1};
  Point viewport_org_;
  Size viewport_ext_{1, 1};
  XForm world_;
};

// Rounds a device or logical coordinate as GDI does (half up); values beyond
// +-2^30 stop there.
int RoundCoordinate(double v);

}  // namespace plat
