#pragma once
// The direct reanalysis: the small system of the dofs of the modified elements and of the changed
// supports, then the change of every displacement through those columns of K^-1.
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "graphics/reanalysis/modification.h"
#include "mechanics/dense_matrix.h"

namespace revuzavi {

// The matrix of an element removed (k near 0) is taken with -0.99 K_e, so that the system stays
// regular.
double DirectFactor(double q);

// Delta K: q_e K_e of every element, c S on the diagonal at every changed support.
// u (n + 1 slots): the displacements of the stored frame in, those of K + Delta K out. own_loads:
// the nodal loads of the removed elements' own loads, which leave the frame with them (n + 1
// slots). Fails with "Singularity in row <i>" (u unchanged) or beyond the reduced system's room.
common::Result SolveDirect(const mechanics::Matrix& inverse, const Modification& modification,
                           double support_stiffness, const std::vector<double>& own_loads, std::vector<double>& u,
                           const common::Position& position);

}  // namespace revuzavi
