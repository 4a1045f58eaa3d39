#include "shell/positions/history.h"

#include <gtest/gtest.h>

#include "platform/testing/testing.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;

std::string Hex(std::string_view bytes) {
  std::string out;
  char buffer[4];
  for (unsigned char c : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X ", c);
    out += buffer;
  }
  if (!out.empty()) out.pop_back();
  return out;
}

TEST(AppendHistoryRecord, TheRecordsBytes) {
  plat::testing::FakeClock clock(1796731200);
  const std::string folder = plat::testing::TestFolder();
  ASSERT_TRUE(AppendHistoryRecord(folder, "Data stored in file /a/ECHO_G.A1.TXT.").ok());
  ASSERT_TRUE(AppendHistoryRecord(folder, kResetText).ok());

  const std::string bytes = FileText(folder + "TTABLE");
  ASSERT_EQ(bytes.size(), 512u);
  EXPECT_EQ(Hex(bytes.substr(0, 12)), "40 F1 17 6B 00 00 00 00 00 00 00 00");
  EXPECT_EQ(bytes.substr(12, 38), std::string("Data stored in file /a/ECHO_G.A1.TXT.\0", 38));
  EXPECT_EQ(bytes.substr(50, 206), std::string(206, '\0'));
  EXPECT_EQ(Hex(bytes.substr(256 + 12, 24)),
            "50 6F 73 69 74 69 6F 6E 20 7A 75 72 FC 63 6B 67 65 73 65 74 7A 74 2E 00");
}

TEST(AppendHistoryRecord, ALongTextIsCutAndStaysTerminated) {
  const std::string folder = plat::testing::TestFolder();
  ASSERT_TRUE(AppendHistoryRecord(folder, "Frame data read from file /" + std::string(400, 'x') + ".").ok());
  const std::string bytes = FileText(folder + "TTABLE");
  ASSERT_EQ(bytes.size(), 256u);  // nothing past the record
  EXPECT_EQ(bytes[255], '\0');
  EXPECT_EQ(bytes.find('\0', 12), 255u);  // 243 characters, then the terminator
  EXPECT_EQ(ReadHistory(folder + "TTABLE").at(0).text().size(), 243u);
}

TEST(AppendHistoryRecord, AFailedWriteNamesTheFile) {
  const std::string folder = plat::testing::TestFolder();
  ASSERT_TRUE(plat::MakeFolder(folder + "TTABLE"));  // a folder where the file should be
  const common::Result appended = AppendHistoryRecord(folder, "x");
  EXPECT_EQ(appended.text(), "The file " + folder + "TTABLE cannot be stored!");
}

TEST(ReadHistory, WholeRecordsWithTerminatedTexts) {
  const std::string path = plat::testing::TestFolder() + "TTABLE";
  std::string bytes(256 * 2 + 100, 'z');  // texts without a terminator, a partial third record
  PutFile(path, bytes);
  const auto records = ReadHistory(path);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[1].text(), std::string(243, 'z'));
  EXPECT_TRUE(ReadHistory(path + "X").empty());
}

}  // namespace
}  // namespace quentaris
