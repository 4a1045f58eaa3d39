#include "Quon/run/equation_listing.h"

#include <algorithm>
#include <cstdio>

namespace zedir {

std::string EquationListing(const mechanics::Vector& values, const char* format) {
  std::string text;
  char line[400];  // room for any double in a fixed-point format
  for (int d = 1; d <= values.size(); ++d) {
    std::snprintf(line, sizeof line, format, d, values[d]);
    text += line;
    if (d % 3 == 0) text += "\n";
  }
  return text;
}

std::string DisplacementsByNode(const std::vector<double>& u, int n, bool heading_after_last) {
  std::string text = "Node 1\n";
  char line[64];
  for (int d = 1; d <= n; ++d) {
    std::snprintf(line, sizeof line, "%i    %.4E\n", d, u[static_cast<std::size_t>(d)]);
    text += line;
    if (d % 3 == 0 && (d < n || heading_after_last)) {
      std::snprintf(line, sizeof line, "\nNode %i\n", d / 3 + 1);
      text += line;
    }
  }
  return text;
}

namespace {

// The equations of a node within 1..n, ascending.
std::vector<int> NodeEquations(const common::NodeRecord& node, int n) {
  std::vector<int> equations;
  const int rotations = std::clamp(node.dof_count() - 2, 0, common::NodeRecord::kMaxRotations);
  auto add = [&](int d) {
    if (d >= 1 && d <= n) equations.push_back(d);
  };
  add(node.dof_u());
  add(node.dof_v());
  for (int k = 1; k <= rotations; ++k) add(node.rotation_dof(k));
  std::sort(equations.begin(), equations.end());
  equations.erase(std::unique(equations.begin(), equations.end()), equations.end());
  return equations;
}

}  // namespace

std::string DisplacementsOfNodes(const std::vector<double>& u, int n, const common::NodeTable& nodes) {
  std::string text;
  char line[64];
  for (int k = 1; k <= nodes.count(); ++k) {
    const std::vector<int> equations = NodeEquations(nodes[k], n);
    if (equations.empty()) continue;
    std::snprintf(line, sizeof line, "%sNode %i\n", text.empty() ? "" : "\n", k);
    text += line;
    for (int d : equations) {
      std::snprintf(line, sizeof line, "%i    %.4E\n", d, u[static_cast<std::size_t>(d)]);
      text += line;
    }
  }
  return text;
}

}  // namespace zedir
