#pragma once
// The normal-force influence value fplus of every element, from its axial end displacements and the
// inverse stiffness matrix at the equations along the element (the y equations of an element
// within 0.1 of vertical, else the x equations). Written: FLEXN<lc><ext>, fplus of element e as a
// double at byte 8 (e - 1), and the trace AFPLUSN<lc>.TXT.
#include <string>
#include <vector>

#include "Quon/run/run.h"

namespace zedir {

inline constexpr const char* kNormalForceInfluenceFile = "FLEXN";
inline constexpr const char* kNormalForceTraceFile = "AFPLUSN";

// In single precision, as the trace shows them.
struct NormalForceTerms {
  float cosine = 0, sine = 0;
  float ua = 0, ub = 0;   // axial end displacements in element axes
  float urel = 0;         // ub - ua
  float ea = 0, length = 0;
  float normal_force = 0;  // (urel / l) EA
  bool vertical = false;
  int dof_l = 0, dof_r = 0;  // the equations along the element at the start and the end node
  float flex_l = 0, flex_r = 0;  // K^-1 on the diagonal at dof_l and dof_r
  float delta11s = 0;  // K^-1 (dof_r, dof_r) - K^-1 (dof_r, dof_l)
  float delta11e = 0;  // l / (-0.5 EA)
  float fplus = 0;     // -urel / (delta11s + delta11e); 0 when that sum is 0
};

NormalForceTerms NormalForceTermsOf(const Run& run, int e);

// The trace text of all elements.
std::string NormalForceTrace(const Run& run, const std::vector<NormalForceTerms>& terms);

// Writes FLEXN and AFPLUSN (a file that cannot be created is skipped).
common::Result NormalForceInfluence(const Run& run);

}  // namespace zedir
