#pragma once
// The numbers of the model that the viewer indexes with, checked when the model
// is read: each check gives the first problem as a phrase, or nothing.
#include <optional>
#include <string>

#include "common/records/model_tables.h"

namespace revuzavi {

using Problem = std::optional<std::string>;

// Equation numbers of the nodes (and their rotation counts) within 1..n.
Problem CheckNodeEquations(const common::NodeTable& nodes, int n);
// Nodes, material, cross section and equations (1..n) of every element.
Problem CheckElementIndices(const common::ElementTable& elements, int node_count, int material_count,
                            int section_count, int n);
// The node of every support.
Problem CheckSupportNodes(const common::NodeRefTable& supports, int node_count);

}  // namespace revuzavi
