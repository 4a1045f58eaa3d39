#include "graphics/picture/world.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "graphics/picture/hpgl.h"
#include "platform/message_box.h"

namespace revuzavi {
namespace {

// The room around the frame in the frame picture, a share of the frame's size:
// the line-load bands reach 0.08 of it with their values beyond, the longest
// arrows 0.15 (the margins hold the rest).
constexpr double kFrameRoom = 0.1;

// The diagram unit grows no further: an empty diagram world stays empty.
constexpr int kLargestUnit = 100000000;

struct Available {
  int width = 0, height = 0;
};

// The client area, or the printed page, less the margins: a page keeps its
// border and its head clear of the picture as the window keeps its title.
Available AvailableArea(const plat::Dc& dc, int client_width, int client_height, const PictureMargins& margins) {
  if (dc.IsPrinting()) {
    client_width = dc.GetDeviceCaps(plat::HORZRES);
    client_height = dc.GetDeviceCaps(plat::VERTRES);
  }
  return {std::max(1, client_width - margins.width), std::max(1, client_height - margins.height)};
}

// MM_ISOTROPIC with the window extent on the area, z up; the viewport extent
// as the isotropic adjustment left it.
plat::Size MapIsotropic(plat::Dc& dc, int window_x, int window_y, const Available& area) {
  dc.SetMapMode(plat::MM_ISOTROPIC);
  dc.SetWindowExt(window_x, window_y);
  dc.SetViewportExt(area.width, -area.height);
  return dc.GetViewportExt();
}

// The logical size of 3 device pixels along one axis, at least 3.
int PixelStepAlong(const plat::Dc& dc, bool x_axis) {
  const plat::PointD a = dc.DeviceToLogical(plat::PointD{0.0, 0.0});
  const plat::PointD b = dc.DeviceToLogical(plat::PointD{3.0, 3.0});
  const double d = std::fabs(x_axis ? b.x - a.x : b.y - a.y);
  return std::max(3, static_cast<int>(std::lround(d)));
}

void WritePlotWindow(Canvas& c, double a, double b, double cc, double d) {
  const bool fixed = c.view.fixed_scale;
  if (!fixed) {
    a -= 0.15;
    b += 0.15;
    cc -= 0.15;
    d += 0.15;
    const double pen_factor = c.viewer.print_scales.pen_factor();
    if (pen_factor > c.viewer.params.tolerance()) {
      a /= pen_factor;
      b /= pen_factor;
      cc /= pen_factor;
      d /= pen_factor;
    }
  }
  const double g = c.view.paper_aspect > 0.0f ? c.view.paper_aspect : 1.0 / 0.7;
  const double h = std::fabs(b - a);
  const double l = std::fabs(d - cc);
  const double sign = d - cc < 0.0 ? -1.0 : 1.0;
  if (h >= l) {
    d = cc + (h / g) * sign;
    if (l > h / g) {
      b = a + l * g;
      d = cc + l * sign;
    }
  } else if (h > l * g) {
    b = a + h;
    d = cc + h / g;
  } else {
    b = a + l * g;
  }
  PlotWindow window{a, b, cc, d};
  if (fixed) {
    // A page of the paper's size centred on the drawing.
    const double mx = 0.5 * (a + b), my = 0.5 * (cc + d);
    const double pw = c.view.paper_width / std::max(1, c.scale());
    const double ph = c.view.paper_height / std::max(1, c.scale());
    window = PlotWindow{mx - pw / 2, mx + pw / 2, my - ph / 2, my + ph / 2};
  }
  c.picture.plot_window = window;
  if (c.view.plotter != nullptr) {
    *c.view.plotter += "SC" + HpglNumber(window.xmin) + " " + HpglNumber(window.xmax) + " " +
                       HpglNumber(window.ymin) + " " + HpglNumber(window.ymax) + ";";
  }
}

// `margins` widened on every side by a tenth of the frame's size at the scale
// that leaves room for it; unchanged when the area would become too small.
PictureMargins MarginsWithRoom(const Canvas& c, int client_width, int client_height, const PictureMargins& margins) {
  const common::DrawingExtents& e = c.viewer.extents;
  const double room = kFrameRoom * c.view.zoom_x *
                      std::max({static_cast<double>(e.xmax()) - e.xmin(), static_cast<double>(e.zmax()) - e.zmin(), 1.0});
  const WorldBounds& b = c.picture.current_bounds;
  const double width = b.right - b.left, height = 1.1 * (b.top - b.bottom);  // as SetClipRegion maps them
  const Available area = AvailableArea(c.dc, client_width, client_height, margins);
  if (!(width > 0.0) || !(height > 0.0)) return margins;
  const double pixels_per_metre = std::min(area.width / (width + 2.0 * room), area.height / (height + 2.0 * room));
  const int pixels = static_cast<int>(std::ceil(room * pixels_per_metre));
  if (pixels <= 0 || area.width - 2 * pixels < 16 || area.height - 2 * pixels < 16) return margins;
  return PictureMargins{margins.left + pixels, margins.top + pixels, margins.width + 2 * pixels,
                        margins.height + 2 * pixels};
}

}  // namespace

int DefineWorld(PictureState& picture, int index, float x1, float y1, float x2, float y2) {
  if (x1 == x2) x2 = x1 + 1.0f;
  if (y1 == y2) y2 = y1 + 1.0f;
  const bool finite = std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
  if (!finite || x1 == x2 || y1 == y2 || index < 0 || index >= kWorldCount) {
    char text[256];
    std::snprintf(text, sizeof text, "x1 = %.2f y1 = %.2f x2 = %.2f y2 = %.2f", static_cast<double>(x1),
                  static_cast<double>(y1), static_cast<double>(x2), static_cast<double>(y2));
    plat::MessageBox(text, "Error in DefineWorld");
    return 0;
  }
  picture.worlds[static_cast<std::size_t>(index)] = WorldBox{x1, x2, y1, y2};
  picture.world_defined = 1;
  return 1;
}

void SetClipRegion(Canvas& c, int client_width, int client_height, const PictureMargins& margins) {
  const WorldBox& w = c.picture.worlds[kFrameWorld];
  const double fx = c.view.zoom_x, fy = c.view.zoom_y;
  const double half_width = (static_cast<double>(w.x2) - w.x1) * fx / 2.0;
  const double mid_x = (static_cast<double>(w.x1) + w.x2) / 2.0;
  const double half_height = (static_cast<double>(w.y2) - w.y1) * fx / 2.0;
  const double mid_y = (static_cast<double>(w.y1) + w.y2) / 2.0;
  WorldBounds& bounds = c.picture.current_bounds;
  bounds = WorldBounds{mid_x - half_width, mid_x + half_width, mid_y - half_height, mid_y + half_height};

  const int scale = c.scale();
  const int cx = ToLogical((bounds.right - bounds.left) * scale * fy);
  const int cy = ToLogical((bounds.top - bounds.bottom) * scale * 1.1 * fy);
  plat::Dc& dc = c.dc;
  const Available area = AvailableArea(dc, client_width, client_height, margins);
  // z up whatever the angle byte holds: logical y grows upwards.
  const plat::Size viewport = MapIsotropic(dc, cx, cy, area);
  if (dc.IsPrinting()) {
    const int horz_size = std::max(1, dc.GetDeviceCaps(plat::HORZSIZE));
    // millimetres of the page's whole width (HORZSIZE) over its pixels (HORZRES), not over the margins' area
    const double viewport_mm = std::fabs(double(viewport.cx)) * horz_size / std::max(1, dc.GetDeviceCaps(plat::HORZRES));
    c.picture.plot_scale = viewport_mm > 0.0 ? static_cast<float>(cx / (viewport_mm * 0.1) * 0.01) : 0.0f;
  }
  const int origin_x = (area.width - viewport.cx) / 2;
  const int origin_y = static_cast<int>(0.2 * (area.height + viewport.cy)) - viewport.cy;
  dc.SetViewportOrg(origin_x + margins.left, origin_y + margins.top);
  if (dc.IsPrinting() && c.view.plot_clip) {
    dc.SelectClipRect(plat::Rect{150, 150, static_cast<int>(0.9 * dc.GetDeviceCaps(plat::HORZRES)),
                                 static_cast<int>(0.95 * dc.GetDeviceCaps(plat::VERTRES))});
  }
  dc.SetWindowOrg(ToLogical(scale * bounds.left), ToLogical(scale * bounds.bottom));
  if (cx < 100) {
    c.picture.pixel_step_x = c.picture.pixel_step_y = 1;
  } else {
    c.picture.pixel_step_x = PixelStepAlong(dc, true);
    c.picture.pixel_step_y = PixelStepAlong(dc, false);
  }
}

void SetViewport(Canvas& c, int client_width, int client_height, const PictureMargins& margins) {
  const WorldBox& w = c.picture.worlds[kDiagramWorld];
  c.picture.current_bounds = WorldBounds{w.x1, w.x2, w.y1, w.y2};
  const double u = std::fabs(static_cast<double>(w.y1) - w.y2) / std::max(1, c.scale());
  int v = u > 100 ? 10 : u > 50 ? 20 : u > 40 ? 25 : u > 30 ? 30 : u > 20 ? 50 : u > 10 ? 100 : u > 1 ? 500 : 1000;
  int width = 0, height = 0;
  for (int round = 0; round < 100; ++round) {
    width = ToLogical(v * (static_cast<double>(w.x2) - w.x1));
    height = ToLogical(v * (static_cast<double>(w.y2) - w.y1));
    if (width >= 500) {
      if (width <= 1920000 && height >= -19200000 && height <= 19200000) break;
      v = std::max(1, v / 10);
    } else if (v < kLargestUnit) {
      v = 10 * std::max(1, v);
    } else {
      break;  // an empty world: no unit makes it wide
    }
  }
  c.picture.diagram_unit = v;
  plat::Dc& dc = c.dc;
  const Available area = AvailableArea(dc, client_width, client_height, margins);
  const plat::Size viewport = MapIsotropic(dc, width, height, area);
  const int free_height = area.height - std::abs(viewport.cy);
  dc.SetViewportOrg((area.width - viewport.cx) / 2 + (dc.IsPrinting() ? 0 : margins.left),
                    std::abs(viewport.cy) + free_height / 2 + (dc.IsPrinting() ? 0 : margins.top));
  dc.SetWindowOrg(ToLogical(double(v) * w.x1), ToLogical(double(v) * w.y1));
}

bool SetPlotWorld(Canvas& c, int mode, const WorldPoint (&corners)[4], int client_width, int client_height,
                  const PictureMargins& margins) {
  if (mode == 0) {
    const common::DrawingExtents& e = c.viewer.extents;
    const float f = c.view.zoom_x;
    DefineWorld(c.picture, kFrameWorld, e.xmin() * f, e.zmin() * f, std::max(e.xmax() * f, 1.0f),
                std::max(e.zmax() * f, 1.0f));
    ViewState unclipped = c.view;
    unclipped.plot_clip = false;
    Canvas plain{c.viewer, unclipped, c.picture, c.dc};
    SetClipRegion(plain, client_width, client_height, margins);
    // Room for what stands beside the outer members, as wider margins at the
    // scale that leaves it: the world, its scale line and the plot page stay the frame's.
    const PictureMargins roomy = MarginsWithRoom(plain, client_width, client_height, margins);
    if (roomy.width != margins.width) SetClipRegion(plain, client_width, client_height, roomy);
    const WorldBounds& b = c.picture.current_bounds;
    WritePlotWindow(plain, b.left, b.right, b.bottom, b.top);
    return false;
  }
  float x1 = corners[0].x, x2 = corners[0].x, y1 = corners[0].y, y2 = corners[0].y;
  for (const WorldPoint& p : corners) {
    x1 = std::min(x1, p.x);
    x2 = std::max(x2, p.x);
    y1 = std::min(y1, p.y);
    y2 = std::max(y2, p.y);
  }
  DefineWorld(c.picture, kFrameWorld, x1, y1, std::max(x2, 1.0f), std::max(y2, 1.0f));
  SetClipRegion(c, client_width, client_height, margins);
  ViewState loose = c.view;
  loose.fixed_scale = false;
  Canvas plain{c.viewer, loose, c.picture, c.dc};
  const WorldBounds& b = c.picture.current_bounds;
  WritePlotWindow(plain, b.left, b.right, b.bottom, b.top);
  return true;
}

}  // namespace revuzavi
