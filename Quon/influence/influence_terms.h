#pragma once
// What the influence values share: the columns of the inverse stiffness matrix in memory (column j
// is the displacement field under a unit force at equation j; K^-1 is symmetric, so the run keeps
// it as row j) and the quotients that must not turn into infinities.
#include <string_view>
#include <vector>

#include "Quon/run/run.h"

namespace zedir {

// Entry d of column j of K^-1; 0 when j or d lies outside 1..n.
double InverseEntry(const Run& run, int column, int d);

// The equations of a node: u, v and its rotation (the one its rigid ends share).
struct NodeEquations {
  int node = 0;
  int u = 0, v = 0, rotation = 0;
};
NodeEquations NodeEquationsOf(const Run& run, int node);

// Those of the start and the end node of element e.
struct ElementNodes {
  NodeEquations a, b;
};
ElementNodes ElementNodesOf(const Run& run, int e);

// numerator / denominator, or 0 when the denominator is 0 or the quotient is not finite.
float GuardedQuotient(float numerator, float denominator);

// Writes the trace text as <trace><lc>.TXT and the values as doubles to <values_file><lc><ext>;
// a file that cannot be created is skipped.
common::Result WriteInfluenceFiles(const Run& run, std::string_view trace, std::string_view text,
                                   std::string_view values_file, const std::vector<double>& values);

}  // namespace zedir
