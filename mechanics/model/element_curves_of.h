#pragma once
// The one composition of an element's curves from the position's records, for the solver's curve
// files and the viewer's pictures alike: the part of its end displacements plus the local parts of
// the loads between its ends (point loads placed on it, line loads, temperature), each from
// mechanics/curves.
#include <vector>

#include "common/records/load_tables.h"
#include "mechanics/curves/curve_line.h"
#include "mechanics/curves/element_curves.h"
#include "mechanics/model/element_own_loads.h"

namespace mechanics {

// The tables an element's curves are computed from: those of its own loads, the line loads and
// the displacement vector (1-based by equation, slot 0 unused).
struct ElementCurveModel {
  ElementLoadModel tables;
  const common::LineLoadTable& line_loads;
  const std::vector<double>& displacements;
};

// What the pictures switch: the loads between the ends, the modified stiffness of the reanalysis,
// and a unit dislocation (a Green function) placed on the element.
struct CurveSwitches {
  bool loads = true;
  // A modified element (ElementRecord byte 0 set) takes its own EA and EI (bytes 140, 144) when
  // byte 16 is set, else EA and EI times its factor k (byte 136).
  bool modified_stiffness = false;
  bool dislocation = false;
  PointLoadOnElement unit_dislocation;
};

// The unit dislocation at `position` metres from the start node that makes a Green function of
// kind 1 u (axial force), 2 w (transverse force), 3 w' (moment), 4 N (axial jump), 5 V (transverse
// jump), 6 M (kink); false for another kind.
bool GreenDislocation(int kind, double position, PointLoadOnElement& dislocation);

// The element's end displacements in its own axes, from the displacement vector.
EndValues EndValuesOf(const ElementCurveModel& model, int e);

// EA and EI of the curves: the element's own, or in the reanalysis its modified ones.
Rigidity CurveRigidity(const ElementCurveModel& model, int e, bool modified_stiffness);

// The five curves of element e.
ElementCurves ComposeElementCurves(const ElementCurveModel& model, int e, const CurveSwitches& switches = {});

// N, M and V of element e at x metres from its start node (0 <= x <= l), composed as its curves
// are: exactly at a place between the samples, such as a release's station.
SectionForces ComposeElementForcesAt(const ElementCurveModel& model, int e, const CurveSwitches& switches, double x);

}  // namespace mechanics
