#pragma once
// The Green-function pictures of an element: the displacement field of a unit action at its
// middle, combined from the inverse stiffness matrix's columns at its six equations with the
// solver's weights, the nodal sums the solver wrote for it (NODDISPGFELM), and the unit action
// drawn on the element as a pair of opposite actions.
#include <array>
#include <string>
#include <vector>

#include "common/records/record_files.h"
#include "common/result.h"
#include "graphics/diagrams/deflected_shape.h"
#include "graphics/picture/canvas.h"

namespace revuzavi {

// The sums H, V, R of the Green cases 1..6 of one element (index k - 1).
using GreenSumBlocks = std::array<std::array<float, 3>, 6>;

// The record of element e (1..element count) in NODDISPGFELM of the load case shown: 96 bytes
// per element, block k four floats 0, H, V, R. A file shorter than 96 bytes per element, or
// with a number that is not finite, is damaged; nothing is read from it.
common::FileStatus ReadGreenSums(const ViewerState& state, int e, GreenSumBlocks& sums);

// The nodal-sums text of case `kind` with its H, V, R; empty for the dislocation cases 4, 5.
std::string GreenSumsText(int kind, const std::array<float, 3>& hvr);

// Displacements [1..n] of case `kind` (1..6) of element e: the weighted sum of the INVERSE
// columns at its six equations. Fails when INVERSE cannot give a column; `u` is then unchanged.
common::Result GreenDisplacements(const ViewerState& state, int e, int kind, std::vector<double>& u);

// The Green function of the views' current Green element and kind: the views' nodal-sums text
// (blank, then the sums of NODDISPGFELM when it can be read), state.displacements the field.
common::Result ComputeGreenDisplacements(ViewerState& state, const ViewState& view, std::string& sums_text);

// The element-function view's choice: element e's case `kind` becomes the current Green
// function (at the element's middle) and is computed as ComputeGreenDisplacements does.
common::Result ComputeGreenForces(ViewerState& state, ViewState& view, int e, int kind, std::string& sums_text);

// The unit action of the current Green function on its element, as two opposite actions at 0.85
// and 1.15 times p along the element (p its half length, or the views' Green position with
// `at_point`): forces as arrows, moments as arcs. Returns the number of actions drawn.
int DrawGreenReaction(Canvas& c, bool at_point);

// The field held in the displacements drawn as the Green-function curve (`o`, its unit action
// at the element's middle) with the unit action on its element. Returns the elements drawn.
int DrawGreenDisplacements(Canvas& c, GreenCurveOptions o);
// The same picture for the Green function the element-function view made current.
inline int DrawGreenForces(Canvas& c, const GreenCurveOptions& o) { return DrawGreenDisplacements(c, o); }

// A unit action of the influence picture: a force along x ('X') or z ('Y'), or a moment ('M'),
// at (x, z) with its value.
struct InfluenceAction {
  double x = 0.0, z = 0.0;
  char direction = 'X';
  double value = 0.0;
};

// Each action drawn (arrow or arc) with its value "%.3E kN " or "%.3E kNm " in red at its place
// of the load label table; `sums_text` is emptied, then gets ", Fx = ", ", Fy = " or " = " and
// the value of each. Returns the number drawn.
int DrawInfluenceReactions(Canvas& c, const std::vector<InfluenceAction>& actions, std::string& sums_text);

}  // namespace revuzavi
