#include "Quon/solution/solve_load_case.h"

#include <algorithm>

#include "Quon/loads/load_vector.h"
#include "Quon/loads/state_line_files.h"
#include "Quon/run/equation_listing.h"
#include "Quon/results/finite_results.h"
#include "Quon/run/messages.h"
#include "Quon/solution/inverse_file.h"
#include "Quon/solution/settlements.h"
#include "platform/binary_io.h"
#include "platform/text_file.h"

namespace zedir {

void MultiplyByInverse(const mechanics::Matrix& inverse, const mechanics::Vector& f, std::vector<double>& u) {
  const int n = inverse.size();
  std::fill(u.begin(), u.end(), 0.0);
  const double* fv = f.data();
  for (int r = 1; r <= n; ++r) {
    const double* row = inverse.row(r);
    double sum = 0.0;
    for (int c = 1; c <= n; ++c) sum += fv[c] * row[c];
    u[static_cast<std::size_t>(r)] = sum;
  }
}

std::string SolutionText(const std::vector<double>& u, int n) { return DisplacementsByNode(u, n, true); }

common::Result SolveLoadCase(Run& run) {
  RunNotifier nobody;
  return SolveLoadCase(run, nobody);
}

common::Result SolveLoadCase(Run& run, RunNotifier& notifier) {
  if (common::Result failed = WriteStateLines(run); !failed) return failed;
  if (common::Result failed = ReadInverse(run); !failed) return failed;
  if (common::Result failed = BuildLoadVector(run); !failed) return failed;
  run.settlements = Settlements{};
  if (run.load_case_params.settlement_flag() != 0) {
    if (common::Result failed = ReadSupportDisplacements(run); !failed) return failed;
    if (common::Result failed = SupportDisplacementForces(run); !failed) return failed;
    const int columns = run.settlements.count();
    for (int column = 1; column <= columns; ++column) notifier.SettlementColumn(column, columns);
  }
  MultiplyByInverse(run.inverse, run.load_vector, run.displacements);
  if (!AllFinite(std::span<const double>(run.displacements))) return ResultsNotFinite(run.load_case);
  const std::string solution = run.position.LoadCaseFile(kDisplacementFile, run.load_case);
  if (!plat::WriteBlock(solution, run.displacements.data(), run.displacements.size() * sizeof(double))) {
    return CannotStore(solution);
  }
  const std::string text = run.position.FolderFile(std::string(kSolutionTextFile) + run.load_case_text + ".TXT");
  return Stored(plat::WriteTextFile(text, SolutionText(run.displacements, run.equation_count())), text);
}

}  // namespace zedir
