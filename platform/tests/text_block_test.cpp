// A text made in one buffer and written in one piece: its line ends follow the text writer's
// rule, and it replaces a file as a page written afresh does.
#include "platform/text_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "platform/text_file.h"

namespace {

std::string FileText(const std::string& path) {
  auto bytes = plat::ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : "<missing>";
}

TEST(TextBlock, LineEndsAsTheTextWriterWritesThem) {
  const std::vector<std::vector<const char*>> cases = {
      {"a\r", "\nb\n\n", "\r", "c\r\r\n", "", "\n", "d"},
      {"\n", "\n\r\n", "x"},
      {"no end"},
      {"\r", "\r", "\n"},
  };
  for (const auto& pieces : cases) {
    std::string written;
    plat::TextWriter writer;
    ASSERT_TRUE(writer.OpenText(written));
    plat::TextBlock block;
    for (const char* piece : pieces) {
      writer.Write(piece);
      block.Append(piece);
    }
    ASSERT_TRUE(writer.Close());
    EXPECT_EQ(block.text(), written) << pieces.front();
  }
}

TEST(TextBlock, RoomIsWrittenStraightIntoTheText) {
  plat::TextBlock block;
  block.Append("head\n");
  for (int row = 0; row < 2000; ++row) {  // grows the buffer again and again
    char* p = block.Room(300);
    std::memset(p, 'a' + row % 26, 250);
    std::memcpy(p + 250, "\r\n", 2);
    block.Commit(p + 252);
  }
  ASSERT_EQ(block.text().size(), 6u + 2000u * 252u);
  EXPECT_EQ(block.text().substr(0, 8), "head\r\naa");
  EXPECT_EQ(block.text().substr(6 + 1999 * 252, 3), "xxx");  // row 1999: 'a' + 1999 % 26
  block.Clear();
  block.Append("again\n");
  EXPECT_EQ(block.text(), "again\r\n");
}

// Over a longer, a shorter and no file before; a folder in its place fails and stays; a write that
// fails is reported.
TEST(TextBlock, ReplacesAFileAsAPageWrittenAfresh) {
  const std::string path = plat::testing::TestFolder() + "MATH_RREF.TXT";
  for (const char* before : {"a much longer listing of before\r\n", "x", static_cast<const char*>(nullptr)}) {
    plat::RemoveFile(path);
    if (before) {
      ASSERT_TRUE(plat::WriteBlock(path, before, std::strlen(before)));
    }
    plat::TextBlock block;
    block.Append("1.00  0.00  \n\n");
    ASSERT_TRUE(block.WriteTo(path));
    EXPECT_EQ(FileText(path), "1.00  0.00  \r\n\r\n") << (before ? before : "none");
  }
  const std::string folder = plat::testing::TestFolder() + "MATH_KMATRIX.TXT";
  ASSERT_TRUE(plat::MakeFolder(folder));
  plat::TextBlock block;
  block.Append("K\n");
  EXPECT_FALSE(block.WriteTo(folder));
  EXPECT_TRUE(plat::FolderExists(folder));
  plat::testing::FailingFileWrite fail(1);
  EXPECT_FALSE(block.WriteTo(path));
}

}  // namespace
