#include "Quon/influence/influence_terms.h"

#include <cmath>

#include "Quon/elements/node_rotation.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace zedir {

double InverseEntry(const Run& run, int column, int d) {
  const int n = run.inverse.size();
  if (column < 1 || column > n || d < 1 || d > n) return 0.0;
  return run.inverse.row(column)[d];
}

NodeEquations NodeEquationsOf(const Run& run, int node) {
  const common::NodeRecord& record = run.nodes[node];
  return NodeEquations{node, record.dof_u(), record.dof_v(), NodeRotation(record)};
}

ElementNodes ElementNodesOf(const Run& run, int e) {
  const common::ElementRecord& element = run.elements[e];
  return ElementNodes{NodeEquationsOf(run, element.node_a()), NodeEquationsOf(run, element.node_b())};
}

float GuardedQuotient(float numerator, float denominator) {
  if (denominator == 0.0f) return 0.0f;
  const float quotient = numerator / denominator;
  return std::isfinite(quotient) ? quotient : 0.0f;
}

void WriteInfluenceFiles(const Run& run, std::string_view trace, std::string_view text, std::string_view values_file,
                         const std::vector<double>& values) {
  plat::WriteTextFile(run.position.FolderFile(std::string(trace) + run.load_case_text + ".TXT"), text);
  plat::WriteBlock(run.position.LoadCaseFile(values_file, run.load_case), values.data(), values.size() * sizeof(double));
}

}  // namespace zedir
