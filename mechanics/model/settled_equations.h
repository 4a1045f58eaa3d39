#pragma once
// The settled equations of a load case: the components of its settled supports that prescribe a
// displacement. The solver moves the supports there; the viewer's reanalysis adds the forces
// that moved them to its load vector.
#include <vector>

#include "common/records/model_tables.h"

namespace mechanics {

// A settlement up to this size is no prescribed displacement.
inline constexpr double kSmallestSettlement = 1e-5;

struct SettledComponent {
  int dof = 0;        // its equation
  double value = 0.0;  // the prescribed displacement
};

// Every settled record of `supports` gives its u, v and phi above kSmallestSettlement in
// magnitude, in this order (phi on the rotation its rigid ends share). The support nodes must lie
// in `nodes`.
std::vector<SettledComponent> SettledComponents(const common::NodeRefTable& supports,
                                                const common::NodeTable& nodes);

}  // namespace mechanics
