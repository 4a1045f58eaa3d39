#pragma once
// The diary DIARY: the position's stored load cases in the order of their
// first store. Reading and finding are shared (common/position/diary_file.h);
// only the load input enters a store.
#include "common/position/diary_file.h"
#include "common/records/load_case_diary.h"

namespace pundf {

using common::FindInDiary;
using common::ReadDiary;

// Records a store of `number` with its origin: an entry already there is
// marked as stored again, a new one is appended. False (and nothing changes)
// when a new entry does not fit.
bool EnterInDiary(common::LoadCaseDiary& diary, int number, int origin);

}  // namespace pundf
