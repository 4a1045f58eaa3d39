#include "graphics/loads/recomputed_reactions.h"

#include <string>

#include "common/position/file_names.h"
#include "graphics/loads/support_reactions.h"
#include "graphics/model/read_results.h"
#include "graphics/reanalysis/iteration_load_vector.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "mechanics/model/stiffness_matrix_file.h"
#include "mechanics/model/support_reactions.h"

namespace revuzavi {
namespace fn = common::file_names;

common::Outcome<std::vector<float>> RecomputedReactions(ViewerState& state) {
  const int n = state.equation_count();
  auto settled = SettledEquations(state);
  if (!settled) return settled.failure();
  mechanics::Matrix k;
  if (!settled->empty()) {
    const std::string rhsg = state.position.FolderFile(std::string(fn::kLoadVector) + state.current_load_case_text);
    if (const common::FileStatus read = ReadRightHandSide(state, state.current_load_case_text); !read.ok()) {
      return UnusableFile(rhsg, read);
    }
    const std::string path = state.position.File(fn::kOriginalStiffness);
    if (const common::FileStatus read = mechanics::ReadStiffnessMatrix(path, n, k); !read.ok()) {
      return UnusableFile(path, read);
    }
  }
  const std::vector<double>& u = state.displacements;
  auto is_settled = [&](int q) { return settled->count(q) != 0; };
  // K u - f at a settled equation; the spring force alone elsewhere.
  auto residual = [&](int q) {
    if (!is_settled(q)) return 0.0;
    const double* row = k.row(q);
    double ku = 0.0;
    for (int j = 1; j <= n; ++j) ku += row[j] * u[static_cast<std::size_t>(j)];
    return ku - state.right_hand_side[static_cast<std::size_t>(q)];
  };
  return mechanics::ReactionVector(
      mechanics::SupportReactionsOf(state.nodes, n, u, state.params.support_stiffness(), is_settled, residual), n);
}

common::Outcome<std::vector<float>> ReactionsToDraw(ViewerState& state, const ViewState& view, bool recompute) {
  if (recompute || !view.picked_elements.empty() || !view.picked_nodes.empty() || view.green.element != 0) {
    return RecomputedReactions(state);
  }
  std::vector<float> reactions;
  const std::string path = state.position.LoadCaseFile(fn::kReactions, state.current_load_case);
  if (const common::FileStatus read = ReadSupportReactions(state, reactions); !read.ok()) {
    return UnusableFile(path, read);
  }
  return reactions;
}

}  // namespace revuzavi
