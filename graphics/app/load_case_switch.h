#pragma once
// The change of the load case shown: the one operation by which every window
// of the results viewer changes it, and the steps through the diary's list.
#include "common/records/load_case_diary.h"
#include "graphics/picture/picture_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Direction codes: 7, 199 and 200 forward; 8, 207 and 208 back.
inline constexpr int kStepForward = 7;
inline constexpr int kStepBack = 8;

struct LoadCaseStep {
  int load_case = 0;  // the load case reached (the current one when none)
  int result = 0;     // 1 when a different load case of the diary was reached
};

// Forward: the entry after the current load case's (the first when it is not
// in the list), none past the last. Back: the entry before, none before the first.
LoadCaseStep StepLoadCaseList(const common::LoadCaseDiary& diary, int current, int code);

// Saves the free texts of the load case left (none for load case 0), reads
// the files, free texts and displacements of load case lc (zeros and the
// no-results flag without a usable UT8; a damaged one is named in a message).
// 1 when the load case is usable, 0 when it has no results while the start-up
// found some.
int SwitchLoadCase(ViewerState& state, LabelTables& labels, int lc);

// StepLoadCaseList, then SwitchLoadCase to the load case reached. `failed`
// tells that the switch returned 0 while results were there before.
struct StepOutcome {
  int switched = 1;
  bool failed = false;
};
StepOutcome StepLoadCase(ViewerState& state, LabelTables& labels, int code);

}  // namespace revuzavi
