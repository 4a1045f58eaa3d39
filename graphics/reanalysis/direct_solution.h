#pragma once
// The direct reanalysis: the small system of the dofs of the modified elements and of the changed
// supports, then the change of every displacement through those columns of K^-1.
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "graphics/reanalysis/modification.h"
#include "mechanics/dense_matrix.h"

namespace revuzavi {

// The matrix of an element whose k is below 0.01 (removed ones too) is taken with -0.99 K_e, so
// that the system stays regular: it is solved with k = kRuleFactor.
double DirectFactor(double q);
inline constexpr float kRuleFactor = 0.01f;
// Whether the rule replaces the factor k.
bool RuleReplaces(double k);

// Whether taking the removed elements out (q = -1, k = 0; the other elements at the factors the
// direct method solves with) leaves a mechanism: a pivot of I + F Delta K below 1e-10 of the
// largest, or a load left on a dof that only removed elements held. False without a removed
// element. own_loads and u as for SolveDirect. Both methods refuse such a removal, also one whose
// mechanism the load does not move (the iteration would converge on it).
bool RemovalLeavesMechanism(const mechanics::Matrix& inverse, const Modification& modification,
                            double support_stiffness, const std::vector<double>& own_loads,
                            const std::vector<double>& u);

// Delta K: q_e K_e of every element, c S on the diagonal at every changed support.
// u (n + 1 slots): the displacements of the stored frame in, those of K + Delta K out. own_loads:
// the nodal loads of the removed elements' own loads, which leave the frame with them (n + 1
// slots). With removed elements, the removal itself is tested first (RemovalLeavesMechanism): a
// mechanism gives "No convergence, K + Delta K probably singular", caption "Error".
// Fails so, with "Singularity in row <i>" or beyond the reduced system's room; u is then
// unchanged.
common::Result SolveDirect(const mechanics::Matrix& inverse, const Modification& modification,
                           double support_stiffness, const std::vector<double>& own_loads, std::vector<double>& u,
                           const common::Position& position);

}  // namespace revuzavi
