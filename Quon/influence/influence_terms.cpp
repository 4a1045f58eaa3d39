#include "Quon/influence/influence_terms.h"

#include <cmath>

#include "Quon/elements/node_rotation.h"
#include "Quon/run/messages.h"
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

common::Result WriteInfluenceFiles(const Run& run, std::string_view trace, std::string_view text,
                                   std::string_view values_file, const std::vector<double>& values) {
  const std::string trace_file = run.position.FolderFile(std::string(trace) + run.load_case_text + ".TXT");
  if (!plat::WriteTextFile(trace_file, text)) return CannotStore(trace_file);
  const std::string values_path = run.position.LoadCaseFile(values_file, run.load_case);
  return Stored(plat::WriteBlock(values_path, values.data(), values.size() * sizeof(double)), values_path);
}

}  // namespace zedir
