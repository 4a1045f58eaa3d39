#pragma once
// The curves of every element for the load case in work, after its displacements: axial
// displacement U, deflection W, moment M, shear force V and normal force N at the 51 samples, in
// the element's own axes; each the part of the end displacements plus the local part of the
// loads between the ends (point loads on the element, line loads, temperature).
#include "Quon/run/run.h"
#include "common/result.h"
#include "mechanics/curves/curve_line.h"

namespace zedir {

mechanics::ElementCurves ElementCurvesOf(const Run& run, int e);

// Fills run.element_results and writes the five curve files of every element ("U01E3.7", ...;
// one that cannot be created is skipped). Fails, writing nothing, when an element has no usable
// EA or EI.
common::Result WriteElementCurves(Run& run);

}  // namespace zedir
