#pragma once
// The support reactions as the solver writes them: the force each support takes along +x, +y or
// its rotation is the spring's force k |s| u_d less the residual (K u)_d - f_d, which at a
// settled equation is the force that moved the support there (and round-off elsewhere). The solver and the results viewer
// (for a modified frame) both compute them here, so a picture never disagrees with a listing.
#include <functional>
#include <vector>

#include "common/records/model_tables.h"

namespace mechanics {

struct SupportReaction {
  int dof = 0;        // its equation
  int direction = 1;  // 1 x, 2 y, 3 rotation
  double value = 0.0; // the force the support takes
};

// Every node direction of equations 1..n with a support spring (SupportSpring of the node's
// value) or a settlement, node by node in the order u, v, rotation (the one its support acts
// on), each with `residual` (K u - f) of its equation.
std::vector<SupportReaction> SupportReactionsOf(const common::NodeTable& nodes, int n, const std::vector<double>& u,
                                                double support_stiffness, const std::function<bool(int)>& settled,
                                                const std::function<double(int)>& residual);

// The reaction vector (slots 0..n, slot 0 unused): each reaction at its equation, x taken
// negative (the force on the frame), y and rotation as the support takes them; 0 elsewhere.
std::vector<float> ReactionVector(const std::vector<SupportReaction>& reactions, int n);

}  // namespace mechanics
