#include "platform/binary_io.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/files.h"
#include "platform/testing/testing.h"

namespace {

std::vector<std::byte> TableBytes(std::int16_t count, int records, std::size_t size) {
  std::vector<std::byte> data(2 + static_cast<std::size_t>(records) * size);
  std::memcpy(data.data(), &count, 2);
  for (std::size_t i = 2; i < data.size(); ++i) data[i] = static_cast<std::byte>(i);
  return data;
}

TEST(TableFile, CountIsClampedToRecordsAndCapacity) {
  const std::string path = plat::testing::TestFolder() + "NODES.1";
  struct Case {
    std::int16_t declared;
    int present;
    int capacity;
    int count;
    plat::TableState state;
  } cases[] = {
      {300, 2, 200, 2, plat::TableState::kDamaged},  // claims more than present and capacity
      {3, 2, 200, 2, plat::TableState::kDamaged},    // cut off in its third record
      {5, 5, 4, 4, plat::TableState::kDamaged},      // beyond the capacity
      {-1, 2, 200, 0, plat::TableState::kDamaged},
      {2, 2, 200, 2, plat::TableState::kOk},
      {1, 3, 200, 1, plat::TableState::kOk},  // surplus bytes are ignored
      {0, 0, 200, 0, plat::TableState::kOk},
  };
  for (const auto& c : cases) {
    auto bytes = TableBytes(c.declared, c.present, 8);
    ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
    plat::TableFile t = plat::ReadTableFile(path, 8, c.capacity);
    EXPECT_EQ(t.count, c.count) << c.declared;
    EXPECT_EQ(t.state, c.state) << c.declared;
    EXPECT_EQ(t.declared, c.declared);
    ASSERT_EQ(t.records.size(), static_cast<std::size_t>(c.count) * 8);
    if (c.count > 0) {
      EXPECT_EQ(t.records[0], std::byte{2});
    }
  }
}

TEST(TableFile, MissingReadsEmptyAndWriteRoundTrips) {
  const std::string path = plat::testing::TestFolder() + "CROSS.1";
  plat::TableFile missing = plat::ReadTableFile(path, 140, 50);
  EXPECT_EQ(missing.state, plat::TableState::kMissing);
  EXPECT_EQ(missing.count, 0);

  std::vector<std::byte> records(3 * 4, std::byte{7});
  ASSERT_TRUE(plat::WriteTableFile(path, 4, 3, records));
  EXPECT_EQ(plat::FileSize(path), 14);
  plat::TableFile back = plat::ReadTableFile(path, 4, 50);
  EXPECT_EQ(back.state, plat::TableState::kOk);
  EXPECT_EQ(back.records, records);
  EXPECT_FALSE(plat::WriteTableFile(path, 4, 4, records));  // fewer records than the count
}

TEST(Blocks, ShortFileFailsExactRead) {
  const std::string path = plat::testing::TestFolder() + "PARAMR.1";
  ASSERT_TRUE(plat::WriteBlock(path, "abcd", 4));
  char buffer[8] = {};
  EXPECT_FALSE(plat::ReadBlock(path, buffer, 8));
  EXPECT_EQ(plat::ReadUpTo(path, buffer, 8), 4u);
  EXPECT_TRUE(plat::AppendBlock(path, "ef", 2));
  EXPECT_EQ(plat::ReadWholeFile(path)->size(), 6u);
  EXPECT_FALSE(plat::ReadUpTo(path + "x", buffer, 8).has_value());
}

TEST(Blocks, WritingTheSameSizeAgainReplacesTheContent) {
  const std::string path = plat::testing::TestFolder() + "M01E1.1";
  ASSERT_TRUE(plat::WriteBlock(path, "abcd", 4));
  ASSERT_TRUE(plat::WriteBlock(path, "wxyz", 4));
  char buffer[8] = {};
  EXPECT_EQ(plat::ReadUpTo(path, buffer, 8), 4u);
  EXPECT_EQ(std::string(buffer, 4), "wxyz");
}

TEST(Blocks, WritingAgainReplacesTheWholeFile) {
  const std::string path = plat::testing::TestFolder() + "UT801.1";
  ASSERT_TRUE(plat::WriteBlock(path, "0123456789", 10));
  ASSERT_TRUE(plat::WriteBlock(path, "ab", 2));
  EXPECT_EQ(plat::FileSize(path), 2);
  char buffer[12] = {};
  EXPECT_EQ(plat::ReadUpTo(path, buffer, 4), 2u);
  EXPECT_EQ(std::string(buffer, 2), "ab");
  ASSERT_TRUE(plat::WriteBlock(path, "ABCDEFGHIJK", 11));  // and grown again
  EXPECT_EQ(plat::ReadUpTo(path, buffer, 12), 11u);
  EXPECT_EQ(std::string(buffer, 11), "ABCDEFGHIJK");
  // A folder of that name is no file to replace.
  const std::string folder = plat::testing::TestFolder() + "SDIR1";
  ASSERT_TRUE(plat::MakeFolder(folder));
  EXPECT_FALSE(plat::WriteBlock(folder, "ab", 2));
  EXPECT_TRUE(plat::FolderExists(folder));
}

// A file written from pieces where they lie: more pieces than one gathered write takes, some
// empty, of many sizes; the file holds them one after the other and nothing of a longer old file.
TEST(Blocks, PiecesAreWrittenOneAfterTheOther) {
  const std::string path = plat::testing::TestFolder() + "INVERSE.1";
  std::vector<std::string> texts;
  std::string whole;
  for (int k = 0; k < 2500; ++k) {
    texts.push_back(std::string(static_cast<std::size_t>(k % 7), static_cast<char>('a' + k % 26)));
    whole += texts.back();
  }
  ASSERT_TRUE(plat::WriteBlock(path, std::string(whole.size() + 100, 'x').data(), whole.size() + 100));
  std::vector<plat::BlockPiece> pieces;
  for (const std::string& text : texts) pieces.push_back({text.data(), text.size()});
  ASSERT_TRUE(plat::WriteBlock(path, pieces));
  const auto bytes = plat::ReadWholeFile(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()), whole);
  // No pieces: an empty file.
  ASSERT_TRUE(plat::WriteBlock(path, std::span<const plat::BlockPiece>()));
  EXPECT_EQ(plat::FileSize(path), 0);
  // A file that cannot be made is no success.
  EXPECT_FALSE(plat::WriteBlock(plat::testing::TestFolder() + "missing/INVERSE.1", pieces));
}

}  // namespace
