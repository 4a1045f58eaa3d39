#include "graphics/reanalysis/iteration_load_vector.h"

#include <set>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "graphics/fem/element_load_vector.h"
#include "graphics/model/file_outcomes.h"
#include "graphics/model/model_checks.h"
#include "graphics/model/read_results.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "mechanics/model/settled_equations.h"
#include "mechanics/model/stiffness_matrix_file.h"

namespace revuzavi {
namespace fn = common::file_names;

common::Outcome<std::set<int>> SettledEquations(const ViewerState& state) {
  std::set<int> dofs;
  if (state.load_case_params.settlement_flag() == 0) return dofs;
  const std::string path = state.position.LoadCaseFile(fn::kSupports, state.current_load_case);
  auto read = common::ReadTable<common::NodeRefTable>(path);
  if (read.status.damaged()) return UnusableFile(path, read.status);
  if (auto problem = CheckSupportNodes(read.table, state.nodes.count())) {
    return UnusableFile(path, DamagedStatus(*problem));
  }
  const common::NodeRefTable& supports = read.status.missing() ? state.supports : read.table;
  for (const mechanics::SettledComponent& c : mechanics::SettledComponents(supports, state.nodes)) {
    if (c.dof >= 1 && c.dof <= state.equation_count()) dofs.insert(c.dof);
  }
  return dofs;
}

common::Outcome<std::vector<double>> IterationLoadVector(ViewerState& state, const Modification& modification) {
  const int n = state.equation_count();
  const std::string rhsg = state.position.FolderFile(std::string(fn::kLoadVector) + state.current_load_case_text);
  if (const common::FileStatus read = ReadRightHandSide(state, state.current_load_case_text); !read.ok()) {
    return UnusableFile(rhsg, read);
  }
  std::vector<double> f(state.right_hand_side.begin(), state.right_hand_side.begin() + n + 1);

  auto settled = SettledEquations(state);
  if (!settled) return settled.failure();
  if (!settled->empty()) {
    const std::string path = state.position.File(fn::kOriginalStiffness);
    mechanics::Matrix k;
    if (const common::FileStatus read = mechanics::ReadStiffnessMatrix(path, n, k); !read.ok()) {
      return UnusableFile(path, read);
    }
    for (int d : *settled) {
      const double* row = k.row(d);
      double ku = 0.0;
      for (int j = 1; j <= n; ++j) ku += row[j] * state.displacements[static_cast<std::size_t>(j)];
      f[static_cast<std::size_t>(d)] = ku;  // RHSG plus the settling force K u - RHSG
    }
  }

  for (const ModifiedElement& element : modification.elements) {
    const mechanics::Vector own = ElementLoadVector(state, element.element);
    for (int i = 1; i <= n; ++i) f[static_cast<std::size_t>(i)] -= own[i];
  }
  return f;
}

}  // namespace revuzavi
