#pragma once
// The diary DIARY: the position's stored load cases in the order of their
// first store, and the load case a program starts on.
#include "common/position/position.h"
#include "common/records/load_case_diary.h"
#include "common/result.h"

namespace common {

// DIARY of the position; an empty diary when it is missing. A file shorter
// than its block, or whose count lies outside 0..99, is damaged.
Outcome<LoadCaseDiary> ReadDiary(const Position& position);

// Entry k (1..count) of load case `number`, or 0.
int FindInDiary(const LoadCaseDiary& diary, int number);

// The load case to show: `asked` when the diary holds it, else the number of
// the diary's first entry, else 0.
int LoadCaseToShow(const LoadCaseDiary& diary, int asked);

}  // namespace common
