#include "common/position/diary_file.h"

#include "common/position/file_names.h"
#include "common/position/load_checks.h"
#include "common/records/record_files.h"

namespace common {

Outcome<LoadCaseDiary> ReadDiary(const Position& position) {
  const std::string path = position.File(file_names::kDiary);
  auto read = ReadBlockRecord<LoadCaseDiary>(path);
  if (read.status.missing()) return LoadCaseDiary{};
  if (auto check = CheckFile(path, read.status); !check) return check;
  if (!read.record.has_valid_count()) {
    return DamagedFile(path, *CheckCount("load cases", read.record.count(), LoadCaseDiary::kMaxEntries));
  }
  return read.record;
}

int FindInDiary(const LoadCaseDiary& diary, int number) {
  const int count = diary.has_valid_count() ? diary.count() : 0;
  for (int k = 1; k <= count; ++k) {
    if (diary.load_case(k) == number) return k;
  }
  return 0;
}

int LoadCaseToShow(const LoadCaseDiary& diary, int asked) {
  if (asked >= 1 && FindInDiary(diary, asked) > 0) return asked;
  if (diary.has_valid_count() && diary.count() > 0) return diary.load_case(1);
  return 0;
}

}  // namespace common
