#pragma once
// What a run changes in the frame: the picked elements with their factor q = k - 1 and matrix,
// and the changed support directions of the picked nodes with their change c.
#include <array>
#include <vector>

#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"
#include "mechanics/element_stiffness.h"

namespace revuzavi {

struct ModifiedElement {
  int element = 0;
  double q = 0.0;  // k - 1
  bool removed = false;  // k 0: out of the frame with its loads
  mechanics::ElementMatrix k;
  std::array<int, 6> dofs{};
};

struct ChangedSupport {
  int dof = 0;
  double change = 0.0;  // c: new minus old support value
};

struct Modification {
  std::vector<ModifiedElement> elements;
  std::vector<ChangedSupport> supports;
  std::vector<int> node_dofs;  // u, v and the supported rotation of every picked node
  // The dofs of the removed elements that no other element and no support holds: they leave the
  // frame with them.
  std::vector<int> loose_dofs;
};

// The picked elements and nodes that lie in the frame, in the order picked; a node's changed
// directions in the order x, vertical, rotation.
Modification ModificationOf(const ViewerState& state, const ReanalysisState& run);

// The six displacements of an element's dofs.
std::array<double, 6> EndDisplacements(const std::vector<double>& u, const std::array<int, 6>& dofs);

// K_e u_e.
std::array<double, 6> EndForces(const mechanics::ElementMatrix& k, const std::array<double, 6>& u);

}  // namespace revuzavi
