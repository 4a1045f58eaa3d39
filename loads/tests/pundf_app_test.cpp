#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>

#include "common/position/file_names.h"
#include "common/position/position_lock.h"
#include "common/settings_files.h"
#include "loads/app/command_line.h"
#include "loads/tests/example_frames.h"
#include "loads/tests/frame_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace pundf {
namespace {
namespace fn = common::file_names;

TEST(ParseCommandLine, SuffixDataPathAndThirdPart) {
  struct Case {
    const char* text;
    bool usable;
    const char* ext;
    const char* data_path;
    bool rebuild;
    int load_case;
  };
  const Case cases[] = {
      {".A1 @/data/ @G", true, ".A1", "/data/", true, 0},
      {".A1 @/data/ @Go", true, ".A1", "/data/", true, 0},
      {".A1 @/data/ @g", true, ".A1", "/data/", false, 0},
      {".A1 @/data/ @3", true, ".A1", "/data/", false, 3},
      {".A1 @/data/ @12x", true, ".A1", "/data/", false, 12},
      {".A1 @/data/", true, ".A1", "/data/", false, 0},
      {".A1 @/my data/ @7", true, ".A1", "/my data/", false, 7},
      {"", false, "", "", false, 0},
      {".A1 /data/", false, "", "", false, 0},
      {"@/data/", false, "", "", false, 0},
      {".A1 @", false, "", "", false, 0},
  };
  const std::string long_path = "/" + std::string(238, 'd') + "/";
  for (const auto& [text, usable] : {std::pair{".A1 @" + long_path, true}, {".A1 @" + long_path + "x/", false},
                                     {"." + std::string(239, 'P') + " @/d/", true},
                                     {"." + std::string(240, 'P') + " @/d/", false}}) {
    EXPECT_EQ(ParseCommandLine(text).has_value(), usable) << text.size();
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const auto line = ParseCommandLine(c.text);
    ASSERT_EQ(line.has_value(), c.usable);
    if (!line) continue;
    EXPECT_EQ(line->ext, c.ext);
    EXPECT_EQ(line->data_path, c.data_path);
    EXPECT_EQ(line->rebuild, c.rebuild);
    EXPECT_EQ(line->load_case, c.load_case);
  }
}

using plat::testing::ProgramRun;

// Runs the real PUNDF with PLAT_MESSAGES set; its exit code and the messages.
ProgramRun RunPundf(const std::vector<std::string>& args) {
  ProgramRun run = plat::testing::RunProgram("PUNDF", args);
  EXPECT_NE(run.exit_code, -2) << run.start_error;
  return run;
}

TEST(PundfProgram, RebuildsEveryLoadCaseFromTheEchoTextAndEnds) {
  const LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
  const common::Position& pos = model.position;
  ASSERT_TRUE(plat::CopyFile(plat::testing::SourceFolder() + "examples/ECHO_L.BEAM2.TXT", pos.TextFile("ECHO_L"), true));
  const ProgramRun run = RunPundf({pos.ext(), "@" + pos.data_path(), "@G"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.messages, "");
  for (const std::string& path : {pos.File(fn::kDiary), pos.LoadCaseFile(fn::kLoadCaseParams, 1),
                                  pos.LoadCaseFile(fn::kLineLoads, 1), pos.LoadCaseFile(fn::kLoadCaseParams, 5),
                                  pos.FolderFile("TIMELW"), pos.FolderFile("D2.TXT")}) {
    EXPECT_TRUE(plat::FileExists(path)) << path;
  }
  EXPECT_EQ(common::ReadInt32File(pos.FolderFile("TIMELW")), 0);
  EXPECT_EQ(testing::ReadText(pos.TextFile("ECHO_L")),
            testing::ReadText(plat::testing::SourceFolder() + "examples/ECHO_L.BEAM2.TXT"));
}

// The rebuild takes the position's lock: it waits while another program holds it.
TEST(PundfProgram, RebuildWaitsForThePositionLock) {
  const LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
  const common::Position& pos = model.position;
  ASSERT_TRUE(plat::CopyFile(plat::testing::SourceFolder() + "examples/ECHO_L.BEAM2.TXT", pos.TextFile("ECHO_L"), true));
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(pos.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  std::atomic<bool> released{false};
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_FALSE(plat::FileExists(pos.File(fn::kDiary))) << "nothing is stored while the lock is held";
    released = true;
    other.Release();
  });
  const ProgramRun run = RunPundf({pos.ext(), "@" + pos.data_path(), "@G"});
  release.join();
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.messages, "");
  EXPECT_TRUE(released);
  EXPECT_TRUE(plat::FileExists(pos.File(fn::kDiary)));
}

// A load case of the echo text that is not rebuilt (a word or "nan" where a number stands) is named
// with its line, the program ends with 255, and the echo text stays byte for byte as it was: it is
// the master copy until every load case of it is rebuilt.
TEST(PundfProgram, RebuildOfANumberThatIsNoneFailsAndKeepsTheEchoText) {
  const LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
  const common::Position& pos = model.position;
  const std::string text = "LOAD CASES\r\nLC 1\r\n0 1 1\r\nTITLE\r\nfine\r\nLINELOADS\r\n1 \r\n"
                           "1 1 0 0 0 0 0 0 10 10 Y\r\nLC 2\r\n0 1 1\r\nTITLE\r\nbad\r\nLINELOADS\r\n1 \r\n"
                           "1 1  0 0 0 0 0 0 nan 10 Y\r\n";
  ASSERT_TRUE(plat::WriteBlock(pos.TextFile("ECHO_L"), text.data(), text.size()));
  const ProgramRun run = RunPundf({pos.ext(), "@" + pos.data_path(), "@G"});
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.messages, "Error\tLoad case 2 of " + pos.TextFile("ECHO_L") +
                              " is not rebuilt: the text nan in the line \"1 1  0 0 0 0 0 0 nan 10 Y\" is not a "
                              "number. Its entry stays in the echo text.\n");
  EXPECT_EQ(testing::ReadText(pos.TextFile("ECHO_L")), text);
  EXPECT_EQ(testing::ReadText(pos.FolderFile("ECHO_L.TXT")), text);
  EXPECT_FALSE(plat::FileExists(pos.LoadCaseFile(fn::kLoadCaseParams, 2)));
}

// An echo text without a load case is an error: its message, and an exit code that says so.
TEST(PundfProgram, RebuildOfATextWithoutALoadCaseEndsWithFailure) {
  const LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
  const common::Position& pos = model.position;
  const std::string text = "LOAD CASES\r\nlc 1\r\n";
  ASSERT_TRUE(plat::WriteBlock(pos.TextFile("ECHO_L"), text.data(), text.size()));
  const ProgramRun run = RunPundf({pos.ext(), "@" + pos.data_path(), "@G"});
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.messages, "Error\tNo load case (a line \"LC <number>\") was found in the file " + pos.TextFile("ECHO_L") +
                              ". The file stays as it is; no load case was stored.\n");
  EXPECT_EQ(testing::ReadText(pos.TextFile("ECHO_L")), text);
  EXPECT_FALSE(plat::FileExists(pos.File(fn::kDiary)));
}

TEST(PundfProgram, RebuildWithoutEchoTextEndsWithoutWritingAnything) {
  const LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
  const common::Position& pos = model.position;
  const ProgramRun run = RunPundf({pos.ext(), "@" + pos.data_path(), "@G"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.messages, "");
  EXPECT_FALSE(plat::FileExists(pos.FolderFile("TIMELW")));
  EXPECT_FALSE(plat::FileExists(pos.File(fn::kDiary)));
}

// An echo text that cannot be read (a folder in its place, a file without read
// permission) is named and stops the rebuild: the old load cases stay unread.
TEST(PundfProgram, RebuildOfAnUnreadableEchoTextNamesItAndFails) {
  for (const bool folder : {true, false}) {
    SCOPED_TRACE(folder ? "folder" : "no read permission");
    const LoadModel model = testing::LoadedModel(testing::TwoSpanBeam());
    const common::Position& pos = model.position;
    const std::string path = pos.TextFile("ECHO_L");
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
    if (folder) {
      ASSERT_TRUE(plat::MakeFolder(path));
    } else {
      ASSERT_TRUE(plat::CopyFile(plat::testing::SourceFolder() + "examples/ECHO_L.BEAM2.TXT", path, true));
      ASSERT_EQ(chmod(path.c_str(), 0), 0);
      if (std::FILE* f = std::fopen(path.c_str(), "rb")) {  // root reads it anyway
        std::fclose(f);
        continue;
      }
    }
    const ProgramRun run = RunPundf({pos.ext(), "@" + pos.data_path(), "@G"});
    EXPECT_EQ(run.exit_code, 255);
    EXPECT_EQ(run.messages, "Error\tThe file " + path + " cannot be read.\n");
    EXPECT_FALSE(plat::FileExists(pos.FolderFile("TIMELW")));
    EXPECT_FALSE(plat::FileExists(pos.File(fn::kDiary)));
    EXPECT_TRUE(folder ? plat::FolderExists(path) : plat::FileExists(path));
  }
}

TEST(PundfProgram, AnUnattendedWindowThatNobodyCanEndEndsAtOnce) {
  LoadModel model = testing::LoadedModel(testing::HingedPortal());
  testing::StoreExampleLoadCases("PORTAL", model);
  const ProgramRun run = RunPundf({model.position.ext(), "@" + model.position.data_path(), "@2"});
  EXPECT_EQ(run.exit_code, 97);
  EXPECT_EQ(run.messages, "");
}

TEST(PundfProgram, MissingInputAndMissingFrame) {
  ProgramRun run = RunPundf({});
  EXPECT_EQ(run.exit_code, 255);
  EXPECT_EQ(run.messages, "Missing Input\tCommand line: .POS @PathDta\\ \n");
  const std::string data = plat::testing::TestFolder() + "data/";
  run = RunPundf({".NONE", "@" + data});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.messages, "Error\tNo frame, no file " + data + "SDIRNONE/PARAMR.NONE.\n");
}

}  // namespace
}  // namespace pundf
