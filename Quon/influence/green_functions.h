#pragma once
// The Green's functions of every element at the frame's nodes: six unit actions in the element
// (axial force, transverse force and moment at mid-length; axial dislocation, transverse
// dislocation and kink), each applied through its equivalent end forces to the columns of the
// inverse stiffness matrix at the element's six equations. Of each displacement field the x, y
// and rotation displacements are summed over the nodes without a horizontal support.
//
// Written: NODDISPGFELM<lc><ext>, 96 bytes per element e at byte 96 (e - 1): block k = 1..6 at
// 16 (k - 1) holds four floats: 0, H, V, R.
#include <array>
#include <vector>

#include "Quon/run/run.h"
#include "common/position/file_names.h"
#include "mechanics/model/green_coefficients.h"

namespace zedir {

inline constexpr const char* kGreenDisplacementFile = common::file_names::kGreenDisplacements;
using mechanics::kGreenCases;
using mechanics::GreenCoefficients;

struct GreenSums {
  float h = 0, v = 0, r = 0;
};

// The sums of the six cases of element e.
std::array<GreenSums, kGreenCases> GreenSumsOf(const Run& run, int e);

// Writes NODDISPGFELM (skipped when it cannot be created); computed anew only when the model is
// not the one of the pass before (run.green_memo).
common::Result NodalDisplacementGreenFunctions(Run& run);

}  // namespace zedir
