#include "common/position/diary_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "common/position/file_names.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

// DIARY bytes: the count at 0, the load-case numbers from 4 on.
std::vector<std::byte> DiaryBytes(std::int16_t count, const std::vector<std::int16_t>& numbers,
                                  std::size_t size = 4836) {
  std::vector<std::byte> bytes(size);
  std::memcpy(bytes.data(), &count, 2);
  for (std::size_t k = 0; k < numbers.size(); ++k) std::memcpy(bytes.data() + 4 + 2 * k, &numbers[k], 2);
  return bytes;
}

TEST(ReadDiary, ReadsTheStoredLoadCasesAndNamesADamagedFile) {
  struct Case {
    const char* name;
    std::vector<std::byte> bytes;
    int count;            // of the diary read, when it reads
    const char* problem;  // of the message, when it does not
  };
  const Case cases[] = {
      {"two load cases", DiaryBytes(2, {3, 7}), 2, nullptr},
      {"none", DiaryBytes(0, {}), 0, nullptr},
      {"99, the most", DiaryBytes(99, {}), 99, nullptr},
      {"100", DiaryBytes(100, {}), 0, "it claims 100 load cases, at most 99 are possible"},
      {"negative", DiaryBytes(-1, {}), 0, "it claims -1 load cases, at most 99 are possible"},
      {"shorter than its block", DiaryBytes(2, {3, 7}, 100), 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const common::Position pos(plat::testing::TestFolder(), ".D");
    ASSERT_TRUE(common::EnsurePositionFolder(pos));
    const std::string path = pos.File(common::file_names::kDiary);
    ASSERT_TRUE(plat::WriteBlock(path, c.bytes.data(), c.bytes.size()));
    const auto diary = common::ReadDiary(pos);
    if (c.problem == nullptr) {
      ASSERT_TRUE(diary.ok()) << diary.failure().text();
      EXPECT_EQ(diary->count(), c.count);
      continue;
    }
    ASSERT_FALSE(diary.ok());
    EXPECT_EQ(diary.failure().caption(), "Error");
    const std::string head = "The file " + path + " is damaged: ";
    EXPECT_EQ(diary.failure().text().substr(0, head.size()), head);
    if (*c.problem != '\0') {
      EXPECT_EQ(diary.failure().text(), head + c.problem + ".");
    }
  }
}

TEST(ReadDiary, AMissingDiaryIsEmpty) {
  const common::Position pos(plat::testing::TestFolder(), ".D");
  const auto diary = common::ReadDiary(pos);
  ASSERT_TRUE(diary.ok());
  EXPECT_EQ(diary->count(), 0);
}

TEST(FindInDiary, GivesTheEntryOfALoadCase) {
  common::LoadCaseDiary diary;
  diary.set_count(2);
  diary.set_load_case(1, 3);
  diary.set_load_case(2, 7);
  diary.set_load_case(3, 9);  // beyond the count
  EXPECT_EQ(common::FindInDiary(diary, 7), 2);
  EXPECT_EQ(common::FindInDiary(diary, 9), 0);
  diary.set_count(150);  // a count no file may hold finds nothing
  EXPECT_EQ(common::FindInDiary(diary, 3), 0);
}

}  // namespace
