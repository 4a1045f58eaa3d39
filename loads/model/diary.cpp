#include "loads/model/diary.h"

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "loads/model/load_checks.h"

namespace pundf {

common::Outcome<common::LoadCaseDiary> ReadDiary(const common::Position& position) {
  const std::string path = position.File(common::file_names::kDiary);
  auto read = common::ReadBlockRecord<common::LoadCaseDiary>(path);
  if (read.status.missing()) return common::LoadCaseDiary{};
  if (auto check = common::CheckFile(path, read.status); !check) return check;
  if (!read.record.has_valid_count()) {
    return DamagedFile(path, *CheckCount("load cases", read.record.count(), common::LoadCaseDiary::kMaxEntries));
  }
  return read.record;
}

int FindInDiary(const common::LoadCaseDiary& diary, int number) {
  const int count = diary.has_valid_count() ? diary.count() : 0;
  for (int k = 1; k <= count; ++k) {
    if (diary.load_case(k) == number) return k;
  }
  return 0;
}

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
