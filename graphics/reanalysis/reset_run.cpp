#include "graphics/reanalysis/reanalysis.h"

#include <algorithm>

#include "common/position/file_names.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/reanalysis/reanalysis_files.h"
#include "graphics/reanalysis/reanalysis_messages.h"
#include "graphics/reanalysis/releases.h"
#include "graphics/reanalysis/working_copies.h"
#include "platform/files.h"

namespace revuzavi {
namespace fn = common::file_names;
void DeleteWorkingCopies(const ViewerState& state, const ReanalysisState& run) {
  const common::Position& position = state.position;
  (void)plat::RemoveFile(position.FolderFile(kForcesFPlusFile));
  for (int e : run.picked_elements.items()) {
    (void)plat::RemoveFile(
        position.FolderFile(kRemovedLoadsFile + std::to_string(e) + state.current_load_case_text));
  }
  // The views number the steps of the releases in the same copies, up to one per release.
  const int last = std::max({1, run.step_count, kMostMomentReleases + kMostShearReleases + kMostCuts});
  DeleteStepCopies(state, 0, last);
  DeletePointLoadCopies(state, last);
}

void DeleteStepCopies(const ViewerState& state, int first, int last) {
  const common::Position& position = state.position;
  for (int i = std::max(0, first); i <= last; ++i) {
    if (i > 0) (void)plat::RemoveFile(StepFile(position, kDisplacementCopyFile, i));
    (void)plat::RemoveFile(StepFile(position, kNodeCopyFile, i));
    (void)plat::RemoveFile(StepFile(position, kElementCopyFile, i));
    (void)plat::RemoveFile(StepFile(position, kSupportCopyFile, i));
  }
}

void ClearLabelPositions(PictureState& picture) { picture.labels.Clear(); }

common::Result ResetModifications(ViewerState& state, ReanalysisState& run, PictureState& picture,
                                  ReanalysisView& view) {
  DeleteWorkingCopies(state, run);
  run.picked_elements.Clear();
  run.picked_nodes.Clear();
  run.steps.Clear();
  run.iteration_count = 0;
  run.first_error = run.last_error = 0.0;
  run.converged = true;
  run.rule_typed_k = -1.0f;
  run.typed_factors.clear();
  run.report_written = false;
  for (common::ElementRecord& element : state.elements.used()) {
    element.set_modified_flag(0);
    element.set_switched_off_flag(0);
    element.set_own_stiffness_flag(0);
    element.set_stiffness_factor(-1.0f);
  }
  DropReleases(state, run.releases);

  // Every file is read; the first damaged one is reported.
  common::Result result = common::Result::Ok();
  auto note = [&result](const std::string& path, const common::FileStatus& status) {
    if (result.ok() && status.damaged()) result = common::CheckFile(path, status);
  };
  note(state.position.LoadCaseFile(fn::kDisplacements, state.current_load_case), ReadDisplacementCopy(state, 0));
  note(state.position.File(fn::kNodes), ReadNodeCopy(state, run.steps, 0));
  run.steps.node_count(0) = 0;
  note(state.position.File(fn::kElements), ReadElementCopy(state, 0));
  note(state.position.File(fn::kSupports), ReadNodeRefCopy(state, 0));
  ClearLabelPositions(picture);
  view.ClearPictureFlags();
  return result;
}

}  // namespace revuzavi
