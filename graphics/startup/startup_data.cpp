#include "graphics/startup/startup_data.h"

#include <algorithm>
#include <new>
#include <vector>

#include "common/position/diary_file.h"
#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "graphics/model/file_outcomes.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_model_files.h"
#include "graphics/model/read_results.h"
#include "graphics/settings/graphics_settings_file.h"
#include "graphics/settings/print_scales.h"
#include "graphics/settings/small_settings_files.h"

namespace revuzavi {
namespace {

void Call(const std::function<void()>& operation) {
  if (operation) operation();
}

// The load case shown is shown as one without results.
void WithoutResults(ViewerState& state) {
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  state.results_present = false;
  state.no_results = true;
}

// The load case and the results of the load case shown. A damaged UT8 is named among the notes
// and the load case is shown without results: the others stay reachable.
common::ReadOutcome ReadLoadCaseShown(ViewerState& state, const FreeTextOperations& texts,
                                      std::vector<common::Result>& notes) {
  if (auto r = ReadLoadCaseFiles(state); !r.ok()) return r;
  state.energies_present = ReadEnergies(state) == 1;
  Call(texts.read);
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  state.foreign_field = false;
  const common::FileStatus u = ReadDisplacementVector(state, state.current_load_case_text);
  state.results_present = u.ok();
  state.no_results = !u.ok();
  if (u.damaged()) {
    notes.push_back(common::CheckFile(
        state.position.LoadCaseFile(common::file_names::kDisplacements, state.current_load_case), u));
    WithoutResults(state);
  }
  return common::ReadOutcome::Ok();
}

common::ReadOutcome MakeInverseRows(ViewerState& state) {
  try {
    state.inverse_rows = mechanics::Matrix(state.equation_count());
  } catch (const std::bad_alloc&) {
    return common::ReadOutcome::Fatal(
        common::Result::Fail("Not enough memory for the inverse stiffness matrix of " +
                                 std::to_string(state.equation_count()) + " equations.",
                             "Error"),
        -1);
  }
  return common::ReadOutcome::Ok();
}

}  // namespace

common::ReadOutcome StartupData(ViewerState& state, const StartupRequest& request, const FreeTextOperations& texts,
                                std::vector<common::Result>& notes) {
  notes.clear();
  state.position = common::Position(request.data_path, request.ext);
  state.settings = common::SettingsContext::Discover();
  if (state.position_open) {
    state.saving = true;
    Call(texts.save);
  }
  state.load_case_marks.fill(0);
  state.diary = common::LoadCaseDiary{};
  auto diary = common::ReadDiary(state.position);
  if (!diary) return common::ReadOutcome::Fatal(diary.failure(), -1);
  state.diary = *diary;

  state.start_load_case = request.start_load_case;
  state.current_load_case = common::LoadCaseToShow(state.diary, request.start_load_case);
  state.current_load_case_text = common::CurrentLoadCaseText(state.current_load_case);

  if (auto r = ReadModelFiles(state); !r.ok()) return r;
  if (auto r = ReadLoadCaseShown(state, texts, notes); !r.ok()) return r;

  if (const common::Result scales = ReadPrintScales(state); !scales.ok()) notes.push_back(scales);
  ReadGraphicsSettings(state);
  ReadReanalysisScales(state);
  ReadPageCounters(state);
  state.line_width = 1;
  state.saving = false;
  state.position_open = true;

  if (auto r = MakeInverseRows(state); !r.ok()) return r;
  const common::FileStatus f = ReadRightHandSide(state, state.current_load_case_text);
  if (f.damaged()) {
    notes.push_back(common::CheckFile(
        state.position.FolderFile(std::string(common::file_names::kLoadVector) + state.current_load_case_text), f));
    WithoutResults(state);
  }
  return common::ReadOutcome::Ok();
}

}  // namespace revuzavi
