// The real PUNDF under a script: a computed position's load case 1 stored
// again as load case 7 with its own title, the solver started for it, and the
// editor ended with Escape.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "tests/e2e/file_bytes.h"
#include "platform/files.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"

namespace {

using e2e::ReadBytes;

template <class T>
T ValueAt(const std::string& bytes, std::size_t offset) {
  T value{};
  if (offset + sizeof(T) <= bytes.size()) std::memcpy(&value, bytes.data() + offset, sizeof(T));
  return value;
}

// Whether FILES lists a result page of load case `lc`.
bool ListsResultsOf(const common::Position& position, int lc) {
  std::istringstream lines(ReadBytes(position.FolderFile("FILES")));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.size() < 48) continue;
    if (std::atoi(line.substr(24, 18).c_str()) == lc && line.find("Results", 42) != std::string::npos) return true;
  }
  return false;
}

// An example position from its echo texts in the test folder, computed by compute-position.
void ComputeExample(const common::Position& position, const std::string& name) {
  ASSERT_TRUE(common::EnsurePositionFolder(position));
  for (const char* kind : {"ECHO_G", "ECHO_L"}) {
    const std::string echo = ReadBytes(plat::testing::BinFolder() + "EXAMPLES/" + kind + "." + name + ".TXT");
    ASSERT_FALSE(echo.empty()) << kind;
    ASSERT_TRUE(plat::WriteBlock(position.TextFile(kind), echo.data(), echo.size()));
  }
  const auto computed = plat::testing::RunProgram("compute-position", {position.data_path(), name});
  ASSERT_EQ(computed.exit_code, 0) << computed.start_error << computed.messages;
}

// Waits until ZEDIR has left and FILES lists the results of load case `lc`.
bool WaitForResults(const common::Position& position, int lc) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while ((plat::FileExists(position.File("ZEDIRLOCK")) || !ListsResultsOf(position, lc)) &&
         std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return ListsResultsOf(position, lc);
}

TEST(PundfWindow, StoresACopyOfLoadCaseOneAsSevenAndStartsTheSolver) {
  const common::Position position(plat::testing::TestFolder() + "data/", ".BEAM2");
  ComputeExample(position, "BEAM2");
  if (HasFatalFailure()) return;
  const std::string echo_lines = [&] {
    // Load case 1's line loads as the echo text holds them.
    const std::string all = ReadBytes(position.TextFile("ECHO_L"));
    const std::size_t from = all.find("LINELOADS\r\n");
    const std::size_t to = all.find("LC 2\r\n");
    return from == std::string::npos || to == std::string::npos ? std::string() : all.substr(from, to - from);
  }();
  ASSERT_FALSE(echo_lines.empty());

  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "PUNDF", {".BEAM2", "@" + position.data_path()},
                                            "snapshot start.png\n"
                                            "key Ctrl+S\n"
                                            "set 1000 7\n"
                                            "set 1001 Copy of load case 1\n"
                                            "press 1\n"
                                            "key Escape\n");
  EXPECT_EQ(run.exit_code, 1) << run.log_text();
  ASSERT_EQ(run.log.size(), 6u) << run.log_text();
  for (const std::string& line : run.log) EXPECT_EQ(line.substr(line.size() - 4), ": ok") << line;
  EXPECT_EQ(run.messages, "");

  const std::string pl = ReadBytes(position.LoadCaseFile("PL", 7));
  ASSERT_EQ(pl.size(), 400u);
  EXPECT_EQ(ValueAt<std::int16_t>(pl, 14), 2);
  EXPECT_EQ(ValueAt<std::int16_t>(pl, 30), 2);
  EXPECT_EQ(ReadBytes(position.LoadCaseFile("LLOAD", 7)), ReadBytes(position.LoadCaseFile("LLOAD", 1)));
  const std::string diary = ReadBytes(position.File("DIARY"));
  ASSERT_EQ(ValueAt<std::int16_t>(diary, 0), 6);
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(ValueAt<std::int16_t>(diary, 2 + 2 * k), k <= 5 ? k : 7) << k;
  const std::string echo = ReadBytes(position.TextFile("ECHO_L"));
  const std::string tail = "LC 7\r\n0 2 1\r\nTITLE\r\nCopy of load case 1\r\n" + echo_lines;
  ASSERT_GE(echo.size(), tail.size());
  EXPECT_EQ(echo.substr(echo.size() - tail.size()), tail);
  const std::string batch = ReadBytes(position.File("BATCH"));
  ASSERT_EQ(batch.size(), 1820u);
  EXPECT_EQ(batch.substr(0, 4), std::string("\x01\x00\x00\x07", 4));
  EXPECT_EQ(batch.find_first_not_of('\0', 4), std::string::npos);

  // ZEDIR runs on its own; its lock goes and FILES lists the results of 7.
  ASSERT_TRUE(WaitForResults(position, 7));
  const std::string moments = ReadBytes(position.File("M07E1"));
  ASSERT_EQ(moments.size(), 51 * sizeof(float));
  EXPECT_NEAR(ValueAt<float>(moments, 50 * sizeof(float)), -44.94, 0.05);
  const std::string start = ReadBytes(plat::testing::TestFolder() + "start.png");
  EXPECT_EQ(start.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_GT(start.size(), 2000u);
  // For the eye.
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(plat::testing::TestFolder() + "start.png", snapshots + "pundf-script-start.png", true));
}

// A new load case of snow on the arch, stored by the command and again by Save, computed by ZEDIR.
TEST(PundfWindow, SnowOnTheArchIsStoredAndComputed) {
  const common::Position position(plat::testing::TestFolder() + "data/", ".ARCH");
  ComputeExample(position, "ARCH");
  if (HasFatalFailure()) return;

  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "PUNDF", {".ARCH", "@" + position.data_path()},
                                            "key Ctrl+N\n"
                                            "command 312\n"
                                            "set 1000 2,0\n"
                                            "press 1\n"
                                            "key Ctrl+S\n"
                                            "press 1\n"
                                            "key Escape\n");
  EXPECT_EQ(run.exit_code, 1) << run.log_text();
  for (const std::string& line : run.log) EXPECT_EQ(line.substr(line.size() - 4), ": ok") << line;
  EXPECT_EQ(run.messages, "");

  const std::string loads = ReadBytes(position.LoadCaseFile("LLOAD", 4));
  ASSERT_EQ(loads.size(), 8u * 372u);
  const double expected[] = {0.3893, 1.1129, 1.6617, 1.9618, 1.9618, 1.6617, 1.1129, 0.3893};
  for (int k = 0; k < 8; ++k) {
    const std::size_t at = 372u * static_cast<std::size_t>(k);
    EXPECT_EQ(ValueAt<std::int16_t>(loads, at + 152), k + 1);
    EXPECT_EQ(ValueAt<char>(loads, at + 166), 'Y');
    EXPECT_EQ(ValueAt<std::uint8_t>(loads, at + 370), 1);
    EXPECT_NEAR(ValueAt<float>(loads, at + 32), expected[k], 0.0001) << k;
    EXPECT_NEAR(ValueAt<float>(loads, at + 44), expected[k], 0.0001) << k;
  }
  EXPECT_FLOAT_EQ(ValueAt<float>(ReadBytes(position.LoadCaseFile("PL", 4)), 368), 2.0f);
  const std::string echo = ReadBytes(position.TextFile("ECHO_L"));
  const std::size_t lc4 = echo.find("LC 4\r\n0 8 1\r\n");
  ASSERT_NE(lc4, std::string::npos) << echo;
  EXPECT_NE(echo.find("\r\n1 1    0.000    0.000    0.760   -3.830    0.000    0.000    0.389    0.389 Y\r\n", lc4),
            std::string::npos)
      << echo.substr(lc4);

  ASSERT_TRUE(WaitForResults(position, 4));
  const std::string reactions = ReadBytes(position.LoadCaseFile("KLAGER", 4));
  EXPECT_NEAR(ValueAt<float>(reactions, 1 * sizeof(float)), 20.0, 0.01);
  EXPECT_NEAR(ValueAt<float>(reactions, 25 * sizeof(float)), 20.0, 0.01);
}

// A new load case: a point load typed into the point-load table, stored with
// a title, computed by ZEDIR.
TEST(PundfWindow, APointLoadTypedIntoTheTableIsStoredAndComputed) {
  const common::Position position(plat::testing::TestFolder() + "data/", ".BEAM2");
  ComputeExample(position, "BEAM2");
  if (HasFatalFailure()) return;

  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "PUNDF", {".BEAM2", "@" + position.data_path()},
                                            "key Ctrl+N\n"
                                            "command 32774\n"
                                            "type F\n"
                                            "key Right\n"
                                            "key Right\n"
                                            "type 1\n"
                                            "key Right\n"
                                            "type 3\n"
                                            "key Right\n"
                                            "type 10\n"
                                            "key Right\n"
                                            "type Y\n"
                                            "key Down\n"
                                            "snapshot table.png\n"
                                            "press 1027\n"
                                            "key Ctrl+S\n"
                                            "set 1001 Point load at mid-span\n"
                                            "press 1\n"
                                            "key Escape\n");
  EXPECT_EQ(run.exit_code, 1) << run.log_text();
  for (const std::string& line : run.log) EXPECT_EQ(line.substr(line.size() - 4), ": ok") << line;
  EXPECT_EQ(run.messages, "");

  const std::string src = ReadBytes(position.LoadCaseFile("SRC_L", 6));
  ASSERT_EQ(src.size(), 100u);
  EXPECT_FLOAT_EQ(ValueAt<float>(src, 0), 3.0f);
  EXPECT_FLOAT_EQ(ValueAt<float>(src, 4), 0.0f);
  EXPECT_FLOAT_EQ(ValueAt<float>(src, 36), 3.0f);
  EXPECT_FLOAT_EQ(ValueAt<float>(src, 40), 10.0f);
  EXPECT_FLOAT_EQ(ValueAt<float>(src, 44), 0.0f);
  EXPECT_FLOAT_EQ(ValueAt<float>(src, 48), 10.0f);
  EXPECT_FLOAT_EQ(ValueAt<float>(src, 52), 10.0f);
  EXPECT_EQ(ValueAt<std::uint8_t>(src, 76), 0);
  EXPECT_EQ(ValueAt<std::int16_t>(src, 82), 1);
  EXPECT_EQ(ValueAt<std::int16_t>(src, 94), 2);
  EXPECT_EQ(ValueAt<char>(src, 96), 'Y');
  const std::string echo = ReadBytes(position.TextFile("ECHO_L"));
  const std::string tail =
      "LC 6\r\n1 0 1\r\nTITLE\r\nPoint load at mid-span\r\nPOINTLOADS\r\n1 \r\nE 0 1    3.000   10.000 Y\r\n";
  ASSERT_GE(echo.size(), tail.size());
  EXPECT_EQ(echo.substr(echo.size() - tail.size()), tail);
  const std::string batch = ReadBytes(position.File("BATCH"));
  EXPECT_EQ(batch.substr(0, 4), std::string("\x01\x00\x00\x06", 4));

  ASSERT_TRUE(WaitForResults(position, 6));
  const std::string moments = ReadBytes(position.File("M06E1"));
  ASSERT_EQ(moments.size(), 51 * sizeof(float));
  EXPECT_NEAR(ValueAt<float>(moments, 50 * sizeof(float)), -5.619, 0.01);  // rigid supports: -5.625
  const std::string reactions = ReadBytes(position.LoadCaseFile("KLAGER", 6));
  EXPECT_NEAR(ValueAt<float>(reactions, 1 * sizeof(float)), 4.063, 0.005);
  EXPECT_NEAR(ValueAt<float>(reactions, 4 * sizeof(float)), 6.873, 0.005);
  EXPECT_NEAR(ValueAt<float>(reactions, 7 * sizeof(float)), -0.937, 0.005);
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(plat::testing::TestFolder() + "table.png", snapshots + "pundf-script-point-table.png", true));
}

}  // namespace
