#pragma once
// The deflected shape of the current load case, the Green-function curve of
// the Green point and the shape of a unit displacement of a supported degree
// of freedom, each drawn on the frame picture with its labels in millimetres.
#include <string>

#include "graphics/diagrams/shape_drawing.h"
#include "graphics/picture/canvas.h"
#include "mechanics/curves/curve_line.h"

namespace revuzavi {

struct DeflectionOptions {
  ShapeOptions shape;
  bool exponent_labels = false;  // "%.2e" in place of "%.2lf"
  bool without_loads = false;    // the loads between the element ends left out
  // Above 0: in place of the extreme labels "f <dof> = <load vector entry>"
  // at the node of this equation.
  int unit_dof = 0;
  // The nodes labelled with their resultant displacement in place of the elements' extremes.
  bool resultants = false;
};

// The label of a deflected shape or an eigenmode: `value` metres in
// millimetres, "%.2lf" ("%.2e"), an axial extreme "%.2f"; empty below 0.01 mm.
std::string DeflectionLabel(double value, bool axial, bool exponent_labels);

// Returns the number of elements drawn.
int DrawDeflectedShape(Canvas& c, const DeflectionOptions& o);

struct GreenCurveOptions {
  ShapeOptions shape;
  bool exponent_labels = false;
  int label_unit = 3;    // 3: labels in millimetres
  bool at_point = true;  // the unit dislocation at the Green point, else at the element's middle
};

// The label of a Green function of `kind` (GreenPoint::Kind).
std::string GreenCurveLabel(double value, int kind, const GreenCurveOptions& o);

// The curves of element e under the Green function held in the displacements:
// the end part, and on the Green point's element the unit dislocation at the
// point, or with at_point clear at the middle (an axial force always at the point).
mechanics::ElementCurves GreenElementCurves(const ViewerState& state, const ViewState& view, int e, bool at_point);

int DrawGreenFunctionCurve(Canvas& c, const GreenCurveOptions& o);

struct SupportShapeOptions {
  ShapeOptions shape;
  bool arrows = false;  // an arrow from every element's start to its displaced place
  bool exponent_labels = false;
  int support_index = 0;  // the entry of the support dof list (1-based) that carries the unit displacement
};

int DrawSupportDofShape(Canvas& c, const SupportShapeOptions& o);

// The node that carries equation `dof`, 0 for none.
int NodeOfEquation(const ViewerState& state, int dof);

// The mark of the degree of freedom `dof` of `node` that carries the unit
// displacement: the node's mark, an arrow to the right (horizontal) or down
// (vertical) of 0.3 size, or an arc of that radius with a head (rotation),
// and the number label_number - 1 beside it. A size below the frame's
// tolerance counts as 1. Nothing for a node outside the table.
void DrawUnitDisplacementMarker(Canvas& c, int node, int dof, double size, int label_number);

}  // namespace revuzavi
