#pragma once
// The drawing every force diagram shares: the strips between an element's axis
// and its curve, the closing lines at its ends and the labels at a sample.
#include <string>
#include <utility>
#include <vector>

#include "graphics/picture/canvas.h"
#include "graphics/picture/scale_fit.h"
#include "mechanics/curves/curve_line.h"

namespace revuzavi {

// An element's diagram as drawn: the values in kN or kNm and the world metres
// per unit of value.
struct ElementDiagram {
  int element = 0;
  const mechanics::CurveLine* values = nullptr;
  double scale = 1.0;
};

// The sample step of the strips: 2 for an element shorter than a tenth of the
// drawing's width, else 1.
int StripStep(const ViewerState& state, int e);

// The drawn point of sample k: on the axis, or moved by the scaled value along
// the element's normal (drawn z up).
WorldPoint AxisPoint(const ViewerState& state, int e, int k);
WorldPoint CurvePoint(const ViewerState& state, const ElementDiagram& d, int k);

// The axis points and the offsets at scale 1 of the diagrams `shown` (element, values), for sizing them.
std::vector<OffsetPoint> DiagramReachPoints(const ViewerState& state,
                                            const std::vector<std::pair<int, mechanics::CurveLine>>& shown);

// The strips from sample 1 to 51 and the closing lines at both ends.
void DrawElementStrips(Canvas& c, const ElementDiagram& d);

// Where a label of sample k stands: beyond the middle of the outer edge of the
// strip that holds k, at an end of the element moved inwards.
WorldPoint LabelPoint(const Canvas& c, const ElementDiagram& d, int k);

// The angle of the element's labels (along it, clockwise as seen).
double DiagramLabelAngle(const ViewerState& state, int e);

// A label at sample k; with a table, its place is remembered as label `number`.
void DrawDiagramLabel(Canvas& c, const ElementDiagram& d, int k, const std::string& text, LabelPositionTable* table,
                      int number, int kind_word);

}  // namespace revuzavi
