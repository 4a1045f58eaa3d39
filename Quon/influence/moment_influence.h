#pragma once
// The end-moment influence values X1, X2 of every element: the end moments whose rotations, with
// the flexibility of the frame at the element's node rotations (from the inverse stiffness matrix,
// taken less the rigid turn by the y equations over l) and of the element itself, match the
// element's end rotations. Written: FLEXM<lc><ext>, X1 and X2 of element e as doubles at bytes
// 16 (e - 1) and 16 (e - 1) + 8, and the trace AFPLUSM<lc>.TXT.
#include <string>
#include <vector>

#include "Quon/run/run.h"

namespace zedir {

inline constexpr const char* kEndMomentInfluenceFile = "FLEXM";
inline constexpr const char* kEndMomentTraceFile = "AFPLUSM";

// In single precision.
struct EndMomentTerms {
  float phi_a = 0, phi_b = 0;  // at the element's own rotations
  float fa = 0, fb = 0;        // l / (3 EI), -l / (6 EI)
  float f11 = 0, f12 = 0, f22 = 0;
  float det = 0;               // f11 f22 - f12^2
  float x1 = 0, x2 = 0;        // F X = (phi_a, phi_b); both 0 when det is 0
};

EndMomentTerms EndMomentTermsOf(const Run& run, int e);

std::string EndMomentTrace(const Run& run, const std::vector<EndMomentTerms>& terms);

// Writes FLEXM and AFPLUSM (a file that cannot be created is skipped).
common::Result MomentInfluence(const Run& run);

}  // namespace zedir
