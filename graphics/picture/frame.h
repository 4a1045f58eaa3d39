#pragma once
// The frame itself in world units at the drawing scale: elements, nodes and
// supports, hinges and rigid joints, element labels and values, the overall
// dimensions.
#include "graphics/picture/canvas.h"

namespace revuzavi {

struct FrameOptions {
  bool details = false;    // compression-only elements red, tension-only dash-dot
  bool labels = false;     // element numbers and lengths
  bool energies = false;   // the elements' strain energies in place of the labels
  bool recompute = false;  // the energies from the displacements, not from the table
  bool grey = false;       // the elements light grey, beneath a deflected shape
};

// Draws the frame; returns the number of elements drawn.
int DrawFrame(Canvas& c, const FrameOptions& options);

// A white circle at every hinged element end, off the node along the element
// where the node joins hinged and rigid ends.
void DrawHinges(Canvas& c);

// At a node joining hinged and rigid ends, a short line along each rigid end.
void DrawRigidJoints(Canvas& c);

// The origin mark and the overall width and height of the frame in "ARIAL" of
// `font_height` tenths of a point.
void DrawDimensions(Canvas& c, int font_height);

// The angle a label along (dx, dz) of length l is written at (clockwise as
// seen): 0 for a nearly horizontal line, pi / 2 for a nearly vertical one.
double LabelAngle(double dx, double dz, double l);

// Whether the node is supported in direction d (1 x, 2 z, 3 rotation): its flag
// is set or it holds a support value of either sign, as the solver takes it (a
// negative typed value is a support of its absolute value, stored without a flag).
bool SupportHeld(const common::NodeRecord& node, int d);

// The size of the support symbols: 0.01 of the larger span of the extents.
double FrameUnit(const ViewerState& viewer);

// "<e>  l = <l> m" with ", C = 0" / ", T = 0" by the element's flags, blue,
// beside the middle of the line from (x1, z1) to (x2, z2).
void DrawElementLabel(Canvas& c, int e, double x1, double z1, double x2, double z2, double height_factor,
                      double length);

// The value as "%5.1E", black, beside the middle of the line.
void DrawElementValue(Canvas& c, double x1, double z1, double x2, double z2, double value);

// The prestress force of an element as "%6.3E kN", red, beside its middle a
// text line beyond the element's label.
void DrawPrestressLabel(Canvas& c, const common::ElementRecord& element, double force);

}  // namespace revuzavi
