#pragma once
// The drawing of an element plot: the world of its values mapped anisotropically
// on the plot area, the axes with their labels and ticks, and the curve as one
// polyline.
#include "graphics/plot/element_plot.h"
#include "platform/dc/dc.h"

namespace revuzavi {

struct ElementPlotOptions {
  plat::Rect area;             // device pixels the plot fills
  int line_width = 1;          // LineWidth: the curve is 7 times as wide (logical units)
  double text_scale = 1.0;     // the pictures' text factor
  double small_value = 1e-6;   // values below it in size count as none
  double zoom = 1.0;           // the wheel's plot factor: the value axis magnified about 0
};

// The plot's world: x from x1 to x2 (tenths of the length), values from y1 to y2; the value axis
// runs from low to high.
struct PlotWorld {
  double x1 = 0.0, x2 = 5.0, y1 = 0.0, y2 = 1.0;
  double low = 0.0, high = 0.0;
};

// Smallest and largest value with 0 among them (-2 and 2 when both are below the small value in
// size), divided by the zoom; the world widened by 5 % of each range at both ends.
PlotWorld ElementPlotWorld(const ElementPlot& plot, const ElementPlotOptions& options);

// Logical units of the plot world along each axis.
inline constexpr int kPlotExtent = 3000;

// MM_ANISOTROPIC with the world on the area, values up.
void MapPlotWorld(plat::Dc& dc, const plat::Rect& area);
// A point of the world in logical units.
plat::Point PlotPoint(const PlotWorld& world, double x, double value);

// The x axis along value 0 with 11 labels "%5.2lf" of x * length / 5 (every fifth point and the
// last), the value axis at x = 0 from low to high with 11 labels " %5.2lf" and their ticks.
// Leaves the plot mapping selected.
void DrawFunctionAxes(const ElementPlot& plot, const PlotWorld& world, const ElementPlotOptions& options,
                      plat::Dc& dc);

// Axes, labels and the curve (one polyline of the 51 points) clipped to the area; nothing without
// values. The Dc is left as it was found.
void DrawElementPlot(const ElementPlot& plot, const ElementPlotOptions& options, plat::Dc& dc);

}  // namespace revuzavi
