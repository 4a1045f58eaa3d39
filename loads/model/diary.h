#pragma once
// The diary DIARY: the position's stored load cases in the order of their
// first store.
#include "common/position/position.h"
#include "common/records/load_case_diary.h"
#include "common/result.h"

namespace pundf {

// DIARY of the position; an empty diary when it is missing. A file shorter
// than its block, or whose count lies outside 0..99, is damaged.
common::Outcome<common::LoadCaseDiary> ReadDiary(const common::Position& position);

// Entry k (1..count) of load case `number`, or 0.
int FindInDiary(const common::LoadCaseDiary& diary, int number);

// Records a store of `number` with its origin: an entry already there is
// marked as stored again, a new one is appended. False (and nothing changes)
// when a new entry does not fit.
bool EnterInDiary(common::LoadCaseDiary& diary, int number, int origin);

}  // namespace pundf
