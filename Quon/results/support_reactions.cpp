#include "Quon/results/support_reactions.h"

#include <cstdint>
#include <optional>

#include "Quon/results/result_files.h"
#include "Quon/run/equation_listing.h"
#include "Quon/run/messages.h"
#include "mechanics/assembly.h"
#include "mechanics/model/stiffness_matrix_file.h"
#include "mechanics/model/support_reactions.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/text_file.h"

namespace zedir {
namespace {

// K u in double, summed over the rows in order for every column (K is symmetric).
mechanics::Vector Product(const mechanics::Matrix& k, const std::vector<double>& u) {
  const int n = k.size();
  mechanics::Vector forces(n);
  double* f = forces.data();
  for (int i = 1; i <= n; ++i) {
    const double* row = k.row(i);
    const double ui = u[static_cast<std::size_t>(i)];
    for (int j = 1; j <= n; ++j) f[j] += row[j] * ui;
  }
  return forces;
}

common::Result WriteSupportValues(const Run& run) {
  const std::string copy = run.position.LoadCaseFile(kDisplacementCopyFile, run.load_case);
  if (!plat::WriteBlock(copy, run.displacements.data(), run.displacements.size() * sizeof(double))) {
    return CannotStore(copy);
  }
  const std::string reactions = run.position.LoadCaseFile(kReactionsFile, run.load_case);
  if (!plat::WriteBlock(reactions, run.support_reactions.data() + 1,
                        (run.support_reactions.size() - 1) * sizeof(float))) {
    return CannotStore(reactions);
  }
  const std::string text = run.position.FolderFile(std::string(kReactionTextFile) + run.load_case_text + ".TXT");
  return Stored(plat::WriteTextFile(text, SupportForcesText(run.nodal_forces)), text);
}

}  // namespace

common::Result ReadOriginalStiffness(const Run& run, mechanics::Matrix& k) {
  const std::string path = run.position.File(kOriginalStiffnessFile);
  const common::FileStatus status = mechanics::ReadStiffnessMatrix(path, run.equation_count(), k);
  if (status.missing()) return FileMissing(path);
  if (status.damaged()) return FileDamaged(path, status.problem);
  return common::Result::Ok();
}

std::string SupportForcesText(const mechanics::Vector& forces) {
  return EquationListing(forces, "t[%i] = %.4lf\n");
}

common::Result ComputeSupportReactions(Run& run) {
  mechanics::Matrix k;
  // Every later pass would miss it too.
  if (common::Result failed = ReadOriginalStiffness(run, k); !failed) return Abandon(run, failed);
  const int n = run.equation_count();
  run.nodal_forces = Product(k, run.displacements);

  // The forces that produced the settlements, by equation.
  mechanics::Vector settling(n);
  const Settlements& s = run.settlements;
  for (int c = 0; c < s.count() && c < static_cast<int>(s.forces.size()); ++c) {
    settling[s.dofs[static_cast<std::size_t>(c)]] += s.forces[static_cast<std::size_t>(c)];
  }

  // The load vector holds f plus the settling forces: K u - f = nodal forces - load vector + settling.
  const std::vector<mechanics::SupportReaction> reactions = mechanics::SupportReactionsOf(
      run.nodes, n, run.displacements, run.params.support_stiffness(), [&](int q) { return settling[q] != 0.0; },
      [&](int q) { return run.nodal_forces[q] - run.load_vector[q] + settling[q]; });
  run.support_reactions = mechanics::ReactionVector(reactions, n);
  for (const mechanics::SupportReaction& r : reactions) run.nodal_forces[r.dof] = r.value;
  return WriteSupportValues(run);
}

}  // namespace zedir
