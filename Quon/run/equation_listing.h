#pragma once
// The trace listings of a vector by equation: one line per equation d = 1..n and an empty line
// after every third (a node's u, v and rotation when the node has one rotation).
#include <string>
#include <vector>

#include "common/records/model_tables.h"
#include "mechanics/dense_vector.h"

namespace zedir {

// `format` takes the equation (int) and its value (double), e.g. "t[%i] = %.4lf\n".
std::string EquationListing(const mechanics::Vector& values, const char* format);

// The displacements u[1..n] by node: "Node 1", then "%i    %.4E" per equation, and after every
// third equation an empty line and the next "Node %i" (after the last equation only when
// `heading_after_last`).
std::string DisplacementsByNode(const std::vector<double>& u, int n, bool heading_after_last);

// The displacements u[1..n] grouped by the node of each equation: per node that has equations in
// 1..n, in node order, "Node %i" and its equations "%i    %.4E" in ascending order (u, v and as
// many rotations as its equation count holds, so a hinged node lists each of its rotations), an
// empty line between two nodes.
std::string DisplacementsOfNodes(const std::vector<double>& u, int n, const common::NodeTable& nodes);

}  // namespace zedir
