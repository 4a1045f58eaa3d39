#include "graphics/app/load_case_switch.h"

#include <algorithm>

#include "common/position/file_names.h"
#include "graphics/app/free_texts.h"
#include "graphics/model/read_load_case_files.h"
#include "graphics/model/read_results.h"
#include "platform/message_box.h"

namespace revuzavi {
namespace {

bool Forward(int code) { return code == 7 || code == 199 || code == 200; }
bool Back(int code) { return code == 8 || code == 207 || code == 208; }

}  // namespace

LoadCaseStep StepLoadCaseList(const common::LoadCaseDiary& diary, int current, int code) {
  const int count = diary.has_valid_count() ? diary.count() : 0;
  int position = 0;
  for (int k = 1; k <= count; ++k) {
    if (diary.load_case(k) == current) {
      position = k;
      break;
    }
  }
  int next = 0;
  if (Forward(code) && position < count) next = position + 1;
  if (Back(code) && position >= 2) next = position - 1;
  if (next == 0 || diary.load_case(next) == current) return LoadCaseStep{current, 0};
  return LoadCaseStep{diary.load_case(next), 1};
}

int SwitchLoadCase(ViewerState& state, LabelTables& labels, int lc) {
  if (state.current_load_case > 0) SaveFreeTexts(state, labels);
  state.current_load_case = lc;
  state.current_load_case_text = common::CurrentLoadCaseText(lc);
  if (const common::ReadOutcome read = ReadLoadCaseFiles(state); !read.ok()) {
    plat::MessageBox(read.message().text(), read.message().caption(), plat::MB_OK);
  }
  state.energies_present = ReadEnergies(state) == 1;
  ReadFreeTexts(state, labels);
  std::fill(state.displacements.begin(), state.displacements.end(), 0.0);
  state.foreign_field = false;
  const common::FileStatus u = ReadDisplacementVector(state, state.current_load_case_text);
  if (const common::Result damaged = common::CheckFile(
          state.position.LoadCaseFile(common::file_names::kDisplacements, state.current_load_case), u);
      !damaged.ok()) {
    plat::MessageBox(damaged.text(), damaged.caption(), plat::MB_OK);
  }
  state.no_results = !u.ok();
  if (!state.no_results) return 1;
  return state.results_present ? 0 : 1;
}

StepOutcome StepLoadCase(ViewerState& state, LabelTables& labels, int code) {
  const bool had_results = !state.no_results;
  const LoadCaseStep step = StepLoadCaseList(state.diary, state.current_load_case, code);
  StepOutcome out;
  out.switched = SwitchLoadCase(state, labels, step.load_case);
  out.failed = out.switched == 0 && had_results;
  return out;
}

}  // namespace revuzavi
