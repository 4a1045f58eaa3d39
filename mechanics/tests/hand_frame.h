#pragma once
// Small frames assembled by hand for the tests: the fixture material E = 2e7, A = 0.1, I = 0.001.
#include <vector>

#include "mechanics/assembly.h"
#include "mechanics/dense_matrix.h"
#include "mechanics/element_stiffness.h"

namespace mechanics::testing {

inline constexpr float kE = 2e7f;
inline constexpr float kA = 0.1f;
inline constexpr float kI = 0.001f;
// max E * max A, in single precision as the frame parameters hold it.
inline constexpr float kSupportStiffness = kE * kA;

struct Member {
  double startX, startY, endX, endY;
  ElementDofs dofs;
};

struct Spring {
  int dof;
  double value;
};

inline Matrix AssembleFrame(int n, const std::vector<Member>& members, const std::vector<Spring>& springs) {
  Matrix k(n);
  const Rigidity rigidity = RigidityOf(kE, kA, kI);
  for (const Member& m : members) {
    const ElementMatrix em =
        ElementStiffness(rigidity, DirectionOfEnds(m.startX, m.startY, m.endX, m.endY));
    AddElementMatrix(k, em, m.dofs);
  }
  for (const Spring& s : springs) AddSupportSpring(k, s.dof, s.value, kSupportStiffness);
  return k;
}

}  // namespace mechanics::testing
