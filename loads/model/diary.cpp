#include "loads/model/diary.h"

namespace pundf {

bool EnterInDiary(common::LoadCaseDiary& diary, int number, int origin) {
  int k = FindInDiary(diary, number);
  if (k > 0) {
    diary.set_stored_again(k, 1);
  } else {
    if (!diary.has_valid_count() || diary.count() >= common::LoadCaseDiary::kMaxEntries) return false;
    k = diary.count() + 1;
    diary.set_count(static_cast<std::int16_t>(k));
    diary.set_load_case(k, static_cast<std::int16_t>(number));
  }
  diary.set_origin(k, static_cast<std::int16_t>(origin));
  return true;
}

}  // namespace pundf
