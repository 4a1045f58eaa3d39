// The real REVUZAVI under a script: BEAM2 computed, its picture shown, the
// load cases stepped through and the window closed; its start failures; Load
// a position with the folder dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "tests/e2e/file_bytes.h"

namespace {

using e2e::ReadBytes;

// The example `name` from its echo texts, computed by compute-position in `data_path`.
common::Position Computed(const std::string& data_path, const std::string& name) {
  const common::Position position(data_path, "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* kind : {"ECHO_G", "ECHO_L"}) {
    const std::string echo = ReadBytes(plat::testing::BinFolder() + "EXAMPLES/" + kind + "." + name + ".TXT");
    EXPECT_FALSE(echo.empty()) << kind;
    EXPECT_TRUE(plat::WriteBlock(position.TextFile(kind), echo.data(), echo.size()));
  }
  const auto computed = plat::testing::RunProgram("compute-position", {position.data_path(), name});
  EXPECT_EQ(computed.exit_code, 0) << computed.start_error << computed.messages;
  return position;
}

const char* const kSteps =
    "snapshot a.png\n"
    "command 32813\n"
    "command 32814\n"
    "command 32814\n"
    "key Ctrl+F4\n";

void ExpectAllOk(const plat::testing::ScriptedProgramRun& run, std::size_t steps) {
  ASSERT_EQ(run.log.size(), steps) << run.log_text();
  for (const std::string& line : run.log) EXPECT_EQ(line.substr(line.size() - 4), ": ok") << line;
}

std::size_t SizeOf(const std::string& path) { return plat::FileSize(path).value_or(0); }

TEST(RevuzaviWindow, StepsThroughTheLoadCasesAndKeepsTheirTextsAndScales) {
  const common::Position position = Computed(plat::testing::TestFolder() + "data/", "BEAM2");
  if (HasFailure()) return;
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {".BEAM2", "@" + position.data_path(), "@2"}, kSteps);
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  ExpectAllOk(run, 5);
  EXPECT_EQ(run.messages, "");
  EXPECT_EQ(SizeOf(position.FolderFile("TEXTPUNKT02")), 60u);
  EXPECT_EQ(SizeOf(position.FolderFile("TEXTLINE02")), 72u);
  EXPECT_EQ(SizeOf(position.FolderFile("TEXTTEMP03")), 24u);
  EXPECT_EQ(SizeOf(position.FolderFile("TEXTLINE01")), 48u);
  for (const char* absent : {"TEXTPUNKT01", "TEXTPUNKT03", "TEXTLINE03"}) {
    EXPECT_FALSE(plat::FileExists(position.FolderFile(absent))) << absent;
  }
  for (int lc = 1; lc <= 3; ++lc) EXPECT_EQ(SizeOf(position.File("MEMSCALEGLF1" + std::to_string(lc))), 48u) << lc;
  EXPECT_EQ(ReadBytes(position.File("ISEITE")), std::string("\x01\x00\x00\x00", 4));
  const std::string picture = ReadBytes(plat::testing::TestFolder() + "a.png");
  EXPECT_EQ(picture.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_GT(picture.size(), 4000u);
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(plat::testing::TestFolder() + "a.png", snapshots + "revuzavi-beam2-lc2.png", true));
}

TEST(RevuzaviWindow, MomentsScaledExportedPrintedAndClosedWithEsc) {
  const common::Position position = Computed(plat::testing::TestFolder() + "data/", "BEAM2");
  if (HasFailure()) return;
  const std::string pdf = plat::testing::TestFolder() + "out.pdf";
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {".BEAM2", "@" + position.data_path(), "@1"},
                                            "key M\n"
                                            "wheel 120\n"
                                            "command 33086\n"
                                            "command 57607\n"
                                            "snapshot moments.png\n"
                                            "key Escape\n",
                                            {{"PLAT_PRINT_TO_PDF", pdf}});
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  ExpectAllOk(run, 6);
  EXPECT_EQ(ReadBytes(position.FolderFile("G1.jpg")).substr(0, 3), "\xff\xd8\xff");
  EXPECT_EQ(ReadBytes(position.File("CLIP")), std::string("\x01\x00\x00\x00", 4));
  EXPECT_EQ(ReadBytes(position.File("ISEITE")), std::string("\x02\x00\x00\x00", 4));
  EXPECT_TRUE(plat::FileExists(pdf));
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(plat::testing::TestFolder() + "moments.png", snapshots + "revuzavi-beam2-moments.png", true));
}

TEST(RevuzaviWindow, ALoadCaseWithoutResultsIsReportedOnce) {
  const common::Position position = Computed(plat::testing::TestFolder() + "data/", "BEAM2");
  if (HasFailure()) return;
  ASSERT_TRUE(plat::RemoveFile(position.LoadCaseFile("UT8", 3)));
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {".BEAM2", "@" + position.data_path(), "@2"}, kSteps);
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  ExpectAllOk(run, 5);
  EXPECT_EQ(run.messages, "OK\tNo results for this load case\n");
}

TEST(RevuzaviWindow, AStartWithoutAPositionEndsWithItsMessage) {
  const std::string data = plat::testing::TestFolder() + "empty/";
  ASSERT_TRUE(plat::MakeFolder(data));
  struct Case {
    std::vector<std::string> args;
    int exit_code;
    std::string message;
  };
  const Case cases[] = {
      {{}, 255, "Missing input\tCommand line: .POS @PathData/ \n"},
      {{".0", "/d/"}, 255, "Missing input\tCommand line: .POS @PathData/ \n"},
      {{".NOPE", "@" + data}, 0, data + "SDIRNOPE/PARAMR.NOPE"},
  };
  for (const Case& c : cases) {
    const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI", c.args, "");
    EXPECT_EQ(run.exit_code, c.exit_code) << run.messages;
    EXPECT_NE(run.messages.find(c.message), std::string::npos) << run.messages;
  }
}

TEST(RevuzaviWindow, LoadsAnotherPositionChosenInTheFolderDialog) {
  const common::Position beam = Computed(plat::testing::TestFolder() + "data/", "BEAM2");
  const std::string data2 = plat::testing::TestFolder() + "data2/";
  const common::Position portal = Computed(data2, "PORTAL");
  if (HasFailure()) return;
  ASSERT_TRUE(plat::MakeFolder(data2 + "SDIRNOPE"));
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {".BEAM2", "@" + beam.data_path()},
                                            "command 57601\n"
                                            "folder " + data2 + "\n"
                                            "folder " + data2 + "SDIRNOPE\n"
                                            "folder " + data2 + "SDIRPORTAL\n"
                                            "snapshot portal.png\n"
                                            "key Ctrl+F4\n");
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  ExpectAllOk(run, 6);
  EXPECT_EQ(run.messages, "No folder with a position!\t" + beam.data_path() + "\n \tNo frame. No file " + data2 +
                              "SDIRNOPE/PARAMR.NOPE\n");
  EXPECT_EQ(ReadBytes(portal.File("ISEITE")).size(), 4u);
  EXPECT_GT(ReadBytes(plat::testing::TestFolder() + "portal.png").size(), 4000u);
}

}  // namespace
