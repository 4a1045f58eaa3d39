#include "shell/positions/archive_store.h"

#include <gtest/gtest.h>

#include "shell/positions/history.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;

std::string LastHistoryText(const std::string& folder) {
  const auto records = ReadHistory(folder + "TTABLE");
  return records.empty() ? "(none)" : records.back().text();
}

TEST(LoadEchoFilesFromArchive, ListsTheCopiesAndTheAdvice) {
  const std::string x = plat::testing::TestFolder() + "x/";
  const std::string target = plat::testing::TestFolder() + "d/SDIRQ/";
  PutFile(x + "ECHO_G.P1.TXT", "TITLE\r\nframe\r\n");
  PutFile(x + "echo_l.p1.txt", "LC 1\r\n");
  ASSERT_TRUE(plat::MakeFolder(target));

  const ArchiveCopyReport report = LoadEchoFilesFromArchive(x, "P1", target, "Q");
  EXPECT_TRUE(report.result.ok());
  EXPECT_EQ(report.lines, (std::vector<std::string>{
                              x + "ECHO_G.P1.TXT  --->  " + target + "ECHO_G.Q.TXT",
                              x + "echo_l.p1.txt  --->  " + target + "ECHO_L.Q.TXT",
                              " ",
                              "After this, check the frame for eventual modifications!",
                              "Then click on Load button to input the load cases!",
                          }));
  EXPECT_EQ(FileText(target + "ECHO_G.Q.TXT"), "TITLE\r\nframe\r\n");
  EXPECT_EQ(FileText(target + "ECHO_L.Q.TXT"), "LC 1\r\n");
  EXPECT_EQ(LastHistoryText(target), "Frame data read from file " + x + "ECHO_G.P1.TXT.");
}

TEST(LoadEchoFilesFromArchive, WithoutAGeometryEchoNothingIsLoaded) {
  const std::string x = plat::testing::TestFolder() + "x/";
  const std::string target = plat::testing::TestFolder() + "d/SDIRQ/";
  ASSERT_TRUE(plat::MakeFolder(x));
  ASSERT_TRUE(plat::MakeFolder(target));
  const ArchiveCopyReport report = LoadEchoFilesFromArchive(x, "P1", target, "Q");
  EXPECT_EQ(report.result.text(), "The file " + x + "ECHO_G.P1.TXT is missing");
  EXPECT_EQ(report.lines, std::vector<std::string>{report.result.text()});
  EXPECT_EQ(FileText(target + "TTABLE"), "(missing)");
}

TEST(StoreEchoFilesToArchive, StoresBothEchoFilesByteForByte) {
  const std::string data = plat::testing::TestFolder() + "d/";
  const std::string archive = plat::testing::TestFolder() + "archive";
  const common::Position position(data, ".A1");
  const std::string long_line(600, 'g');
  PutFile(position.TextFile("ECHO_G"), "TITLE\r\n" + long_line + "\r\nno end");
  PutFile(position.TextFile("ECHO_L"), "LC 1\nunix\n");
  PutFile(archive + "/ECHO_G.A1.TXT", "an older store");
  ASSERT_TRUE(plat::MakeFolder(archive));

  const ArchiveCopyReport report = StoreEchoFilesToArchive(position, archive);
  EXPECT_TRUE(report.result.ok());
  EXPECT_EQ(FileText(archive + "/ECHO_G.A1.TXT"), FileText(position.TextFile("ECHO_G")));
  EXPECT_EQ(FileText(archive + "/ECHO_L.A1.TXT"), FileText(position.TextFile("ECHO_L")));
  EXPECT_EQ(report.lines.size(), 2u);
  EXPECT_EQ(LastHistoryText(position.folder()), "Data stored in file " + archive + "/ECHO_G.A1.TXT.");
}

TEST(StoreEchoFilesToArchive, AFrameWithoutLoadsAndAFailedStore) {
  const std::string data = plat::testing::TestFolder() + "d/";
  const std::string archive = plat::testing::TestFolder() + "archive/";
  const common::Position position(data, ".A1");
  PutFile(position.TextFile("ECHO_G"), "TITLE\r\n");
  ASSERT_TRUE(plat::MakeFolder(archive));
  ArchiveCopyReport report = StoreEchoFilesToArchive(position, archive);
  EXPECT_TRUE(report.result.ok());
  EXPECT_EQ(report.lines.size(), 1u);  // the missing load echo is no failure

  plat::RemoveFile(position.folder() + "TTABLE");
  ASSERT_TRUE(plat::MakeFolder(archive + "ECHO_G.A1.TXT~"));  // the archive copy cannot be written
  report = StoreEchoFilesToArchive(position, archive);
  EXPECT_EQ(report.result.text(), "The file " + archive + "ECHO_G.A1.TXT cannot be stored!");
  EXPECT_EQ(FileText(position.folder() + "TTABLE"), "(missing)");  // nothing claimed as stored
}

}  // namespace
}  // namespace quentaris
