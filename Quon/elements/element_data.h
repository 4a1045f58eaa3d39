#pragma once
// The data of one element that the result computations work from: its equation
// numbers, end displacements in global and element axes, rigidities, and its
// stiffness matrix.
#include <array>

#include "Quon/run/run.h"
#include "mechanics/element_loads.h"
#include "mechanics/element_stiffness.h"
#include "mechanics/sample_lines.h"

namespace zedir {

struct ElementData {
  double length = 0;                 // the record's length
  int node_a = 0, node_b = 0;        // start and end node
  int dof_ua = 0, dof_va = 0;        // equations of u and v of node a
  int dof_rotation_a = 0;            // the element's own rotation equation at the start
  int dof_ub = 0, dof_vb = 0;
  int dof_rotation_b = 0;
  double ua = 0, va = 0, ub = 0, vb = 0;  // node displacements in global axes
  double c = 0, s = 0;               // direction cosine and sine (s = dy / l)
  double axial_a = 0;                // c ua + s va
  double transverse_a = 0;           // c va - s ua
  double transverse_a_stored = 0;    // from the stored normal terms: (-s) ua + c va
  double rotation_a = 0;
  double axial_b = 0;
  double transverse_b = 0;
  double transverse_b_stored = 0;
  double rotation_b = 0;
  double ei = 0, ea = 0;
};

// Element e (1..count, checked by the input) with the displacements of the run.
ElementData GatherElementData(const Run& run, int e);

// EA and EI of element e from its material and cross section.
mechanics::Rigidity ElementRigidity(const Run& run, int e);

// The stiffness of element e in global axes, with the length floor 0.01.
mechanics::ElementMatrix ElementStiffnessOf(const Run& run, int e);

// Length and direction of element e as its record holds them, for the load formulas.
mechanics::LoadAxes ElementLoadAxes(const Run& run, int e);

// The six equations of element e in the element matrix's order: u, v of node a,
// the element's own start rotation, u, v of node b, its own end rotation.
std::array<int, 6> ElementEquations(const Run& run, int e);

// The deflections of element e clamped at both ends under a unit force at each
// sample (its length and EI).
mechanics::SampleTable ClampedBeamTableOf(const Run& run, int e);

}  // namespace zedir
