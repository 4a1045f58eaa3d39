#pragma once
// What the diagrams and the reanalysis read of one element: its geometry,
// equations, end displacements and strain energy, and its five curves
// composed as the solver composes them, with the pictures' switches.
#include <array>
#include <string>
#include <vector>

#include "common/result.h"
#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"
#include "mechanics/curves/curve_line.h"
#include "mechanics/curves/element_curves.h"
#include "mechanics/model/element_curves_of.h"
#include "mechanics/sample_lines.h"

namespace revuzavi {

struct ElementValues {
  double ei = 0.0, ea = 0.0;  // E I and E A of the element's material and section
  double length = 0.0;
  int node_a = 0, node_b = 0;
  // Equations: u, v of the start node, the element's own start rotation, then the end's.
  std::array<int, 6> equations{};
  // The displacements at those equations as the records hold them (v along the records' y).
  std::array<double, 6> displacements{};
  double cosine = 0.0, sine = 0.0;
  mechanics::EndValues local;  // in the element's axes
  double energy = 0.0;         // 0.5 q K q
};

// Element e (1..count, checked by the caller) with the viewer's displacements.
ElementValues ElementValuesAlong(const ViewerState& state, int e);

// Stores an element's energy at e and raises entry 0 to it when larger.
void RecordEnergy(std::vector<float>& energies, int e, double energy);

// The picture's switches of an element's curves.
struct PictureCurveSwitches {
  bool loads = true;  // off for unit displacements and Green functions
  bool green = false; // add the unit dislocation of the Green point on its element
};

// The tables of the viewer as the composition takes them.
mechanics::ElementCurveModel CurveModelOf(const ViewerState& state);

// The composition's switches of element e in the view: its modified stiffness
// in the reanalysis view, the Green point's unit dislocation when asked for.
mechanics::CurveSwitches CurveSwitchesOf(const ViewState& view, int e, const PictureCurveSwitches& switches);

// The five curves of element e: end part plus loads (unless switched off), in
// the reanalysis view a modified element with its modified stiffness, the
// Green point's unit dislocation at its place when asked for.
mechanics::ElementCurves PictureElementCurves(const ViewerState& state, const ViewState& view, int e,
                                              const PictureCurveSwitches& switches);

// Whether a picture draws element e: not when it is switched off, unless the
// views show switched-off elements.
bool ElementShown(const ViewerState& state, const ViewState& view, int e);

// Column `column` (1..n) of the inverse stiffness matrix INVERSE of the
// position into target[1..n]. Missing: "The inverse stiffness matrix is
// missing. ..."; a file of another size than 8 n^2 bytes is damaged; a column
// outside 1..n is refused. The target is left alone on every failure.
common::Result ReadInverseColumn(const ViewerState& state, int column, int n, std::vector<double>& target);

// The deflections of element e held at both ends under a unit force at each
// sample (its length and E I), as the solver's table.
mechanics::SampleTable UnitLoadDeflections(const ViewerState& state, int e);
// The moment line of a point moment on a simply supported span.
using mechanics::JumpLine;

}  // namespace revuzavi
