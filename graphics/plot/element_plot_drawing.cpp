#include "graphics/plot/element_plot_drawing.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/picture/canvas.h"
#include "graphics/picture/text.h"

namespace revuzavi {
namespace {

constexpr int kLabelCount = 10;  // intervals of each axis
constexpr int kLabelHeight = 90;  // tenths of a point at text factor 1
constexpr int kCurveWidthFactor = 7;
constexpr plat::ColorRef kCurveColour = plat::Rgb(0, 0, 170);

std::string Format(const char* format, double v) {
  char text[64];
  std::snprintf(text, sizeof text, format, v);
  return text;
}

struct Label {
  plat::Point at;  // device pixels
  unsigned align;  // TA_LEFT: below and right of a point; TA_RIGHT: left of it, centred on it
  std::string text;
};

// The labels in device pixels, the mapping switched off meanwhile.
void DrawLabels(plat::Dc& dc, const std::vector<Label>& labels, double text_scale) {
  const int saved = dc.SaveDC();
  dc.SetMapMode(plat::MM_TEXT);
  dc.SetWindowOrg(0, 0);
  dc.SetViewportOrg(0, 0);
  dc.SelectFont(MakeRotatedFont(dc, "ARIAL", std::max(1, static_cast<int>(kLabelHeight * text_scale)), 0, 0, 0, true));
  dc.SetBkMode(plat::TRANSPARENT);
  dc.SetTextColor(plat::Rgb(0, 0, 0));
  const int half = dc.GetTextMetrics().height / 2;
  for (const Label& l : labels) {
    dc.SetTextAlign(l.align | plat::TA_TOP);
    dc.TextOut(l.at.x, (l.align & plat::TA_CENTER) == plat::TA_RIGHT ? l.at.y - half : l.at.y, l.text);
  }
  dc.RestoreDC(saved);
}

}  // namespace

PlotWorld ElementPlotWorld(const ElementPlot& plot, const ElementPlotOptions& options) {
  double low = 0.0, high = 0.0;
  for (const double v : plot.values) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  if (std::fabs(low) < options.small_value && std::fabs(high) < options.small_value) {
    low = -2.0;
    high = 2.0;
  }
  const double zoom = options.zoom > 0.0 && std::isfinite(options.zoom) ? options.zoom : 1.0;
  PlotWorld w;
  w.low = low / zoom;
  w.high = high / zoom;
  const double last = 0.1 * (mechanics::kSamples - 1);
  w.x1 = -0.05 * last;
  w.x2 = last + 0.05 * last;
  const double range = w.high - w.low;
  w.y1 = w.low - 0.05 * range;
  w.y2 = w.high + 0.05 * range;
  return w;
}

void MapPlotWorld(plat::Dc& dc, const plat::Rect& area) {
  dc.SetMapMode(plat::MM_ANISOTROPIC);
  dc.SetWindowOrg(0, 0);
  dc.SetWindowExt(kPlotExtent, kPlotExtent);
  dc.SetViewportOrg(area.left, area.bottom);
  dc.SetViewportExt(std::max(1, area.Width()), -std::max(1, area.Height()));
}

plat::Point PlotPoint(const PlotWorld& world, double x, double value) {
  const double fx = (x - world.x1) / (world.x2 - world.x1);
  const double fy = (value - world.y1) / (world.y2 - world.y1);
  return plat::Point{ToLogical(fx * kPlotExtent), ToLogical(fy * kPlotExtent)};
}

void DrawFunctionAxes(const ElementPlot& plot, const PlotWorld& world, const ElementPlotOptions& options,
                      plat::Dc& dc) {
  MapPlotWorld(dc, options.area);
  dc.SelectPen(plat::Pen{plat::PS_SOLID, 0, plat::Rgb(0, 0, 0)});
  const double last = 0.1 * (mechanics::kSamples - 1);
  const plat::Point x_from = PlotPoint(world, 0.0, 0.0), x_to = PlotPoint(world, last, 0.0);
  dc.MoveTo(x_from.x, x_from.y);
  dc.LineTo(x_to.x, x_to.y);
  std::vector<Label> labels;
  const plat::Size gap = {3, 3};
  for (int k = 0; k <= kLabelCount; ++k) {
    const double x = k * last / kLabelCount;
    const plat::Point at = dc.LPtoDP(PlotPoint(world, x, 0.0));
    labels.push_back({{at.x + gap.cx, at.y + gap.cy}, plat::TA_LEFT | plat::TA_TOP, Format("%5.2lf", x * plot.length / last)});
  }
  double low = world.low, high = world.high;
  if (high - low < options.small_value * options.small_value) {
    low = -1.0;
    high = 1.0;
  }
  const plat::Point v_from = PlotPoint(world, 0.0, low), v_to = PlotPoint(world, 0.0, high);
  dc.MoveTo(v_from.x, v_from.y);
  dc.LineTo(v_to.x, v_to.y);
  const int tick = kPlotExtent / 150;
  for (int k = 0; k <= kLabelCount; ++k) {
    const double v = low + k * (high - low) / kLabelCount;
    const plat::Point p = PlotPoint(world, 0.0, v);
    dc.MoveTo(p.x - tick, p.y);
    dc.LineTo(p.x + tick, p.y);
    const plat::Point at = dc.LPtoDP(plat::Point{p.x - tick, p.y});
    labels.push_back({{at.x - gap.cx, at.y}, plat::TA_RIGHT, Format(" %5.2lf", v)});
  }
  DrawLabels(dc, labels, options.text_scale);
}

void DrawElementPlot(const ElementPlot& plot, const ElementPlotOptions& options, plat::Dc& dc) {
  if (!plot.has_values || options.area.Width() <= 0 || options.area.Height() <= 0) return;
  const int saved = dc.SaveDC();
  const PlotWorld world = ElementPlotWorld(plot, options);
  DrawFunctionAxes(plot, world, options, dc);
  std::vector<plat::Point> points;
  points.reserve(plot.values.size());
  for (std::size_t i = 0; i < plot.values.size(); ++i) points.push_back(PlotPoint(world, 0.1 * i, plot.values[i]));
  dc.SelectClipRect(options.area);
  dc.SelectPen(plat::Pen{plat::PS_SOLID, kCurveWidthFactor * std::max(0, options.line_width), kCurveColour});
  dc.Polyline(points);
  dc.RestoreDC(saved);
}

}  // namespace revuzavi
