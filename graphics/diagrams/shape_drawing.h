#pragma once
// The drawing every displacement picture shares (deflected shape, eigenmode,
// Green-function curve, unit displacement of a support): each element's axial
// and transverse displacement U and W drawn as a dashed polyline moved off the
// element axis, z up, with its curve files "W" and "U" and its labels in the
// deflection label table.
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "graphics/picture/canvas.h"
#include "graphics/picture/scale_fit.h"
#include "mechanics/curves/curve_line.h"

namespace revuzavi {

struct ShapeOptions {
  double scale = 1.0;  // drawn metres per metre of displacement
  bool horizontal_only = false;  // only the global horizontal component, drawn off the axis
  bool vertical_only = false;    // only the global vertical component
  // The label that would meet the one before at their shared node is stacked
  // above it instead of left out.
  bool stacked = false;
  // The elements' "W" and "U" curve files are written: only for the load case's own field,
  // never for a Green's function, an eigenmode or a unit displacement.
  bool curve_files = true;
};

// The drawn points of one element's shape, samples 1..51 at index 0..50:
// the axis point and the scaled offset from it, in the frame's (x, z up).
struct ShapePoints {
  std::array<WorldPoint, 51> axis{};
  std::array<WorldPoint, 51> offset{};
  WorldPoint Drawn(int k) const;
};

// The records' y times this is the drawn z: the frame's vertical sign, -1 when it holds 0.
double VerticalSign(const ViewerState& state);

// The value a component picture labels at sample k: the global horizontal
// (cs U - sn W) or vertical (sn U + cs W, along the records' y) displacement.
double ComponentValue(const ViewerState& state, int e, const mechanics::CurveLine& u, const mechanics::CurveLine& w,
                      bool horizontal, int k);

// The drawn points of element e with its curves u and w (metres, own axes).
ShapePoints ShapeOf(const Canvas& c, int e, const mechanics::CurveLine& u, const mechanics::CurveLine& w,
                    const ShapeOptions& o);

// The 50 segments in pen 2; in the component modes the lines joining both
// ends of the curve to the axis.
void DrawShapeCurve(Canvas& c, const ShapePoints& p, const ShapeOptions& o);

// The text of a label of `value` metres; an empty text draws nothing. `axial`
// tells a U extreme from a W extreme.
using ShapeLabelText = std::function<std::string(double value, bool axial)>;

// The curves an element's shape is drawn from.
using ShapeCurves = std::function<mechanics::ElementCurves(int e)>;

// The axis points and unit offsets of the shapes of `shown` (element, curves), for sizing them.
std::vector<OffsetPoint> ShapeReachPoints(const Canvas& c,
                                          const std::vector<std::pair<int, mechanics::ElementCurves>>& shown,
                                          const ShapeOptions& o);

// Every element shown: its curves, its "W" and "U" files (with o.curve_files), its shape and, with
// a label text, the label of its largest value (and of its entry in the label
// sample list) at the axis point plus 0.99 times the offset, 0.1 higher,
// remembered in the deflection label table. In a composed picture the scale is
// fitted to the window where it would not read (FitCurveScale); the scale drawn
// with is c.picture.fit.scale. Returns the elements drawn.
int DrawShapes(Canvas& c, const ShapeOptions& o, const ShapeCurves& curves, const ShapeLabelText& label);

// Label `number` of the deflection table at sample k of the shape: its
// remembered place, or the default one remembered now; the text drawn there.
// `lift` raises its default place (world units).
void DrawShapeLabel(Canvas& c, const ShapePoints& p, int k, int number, const std::string& text,
                    double lift = 0.0);

// A value as printf `format` would write it (one double).
std::string FormatValue(const char* format, double value);

}  // namespace revuzavi
