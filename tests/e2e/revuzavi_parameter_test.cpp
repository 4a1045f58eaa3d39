// The real REVUZAVI on TWO under a script: the Parameter dialog writes Scales, refuses a negative
// k, and Esc ends the program without working copies left.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "common/position/position.h"
#include "graphics/tests/two_spans_example.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "tests/e2e/file_bytes.h"

namespace {

using e2e::ReadBytes;

// Working copies of the reanalysis left in the position's folder.
std::string WorkingCopies(const common::Position& position) {
  std::string left;
  for (const auto& entry : std::filesystem::directory_iterator(position.folder())) {
    const std::string name = entry.path().filename().string();
    for (const char* copy : {"UCT8", "KNOTENRTEMP", "LKNOTENRTEMP", "SRC_TEMP", "ForcesFPlus"}) {
      if (name.rfind(copy, 0) == 0) left += name + " ";
    }
  }
  return left;
}

// Runs the steps on TWO; each step must be done, the program end with 0, Scales hold `scales`
// and no working copy be left.
void ExpectRun(const std::string& steps, std::size_t step_count, const std::string& messages,
               const std::string& scales) {
  const common::Position position = revuzavi::testing::ComputedTwoSpans();
  if (::testing::Test::HasFailure()) return;
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {".TWO", "@" + position.data_path(), "@1"}, steps);
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  ASSERT_EQ(run.log.size(), step_count) << run.log_text();
  for (const std::string& line : run.log) EXPECT_EQ(line.substr(line.size() - 4), ": ok") << line;
  EXPECT_EQ(run.messages, messages);
  EXPECT_EQ(ReadBytes(position.FolderFile("Scales")), scales);
  EXPECT_EQ(WorkingCopies(position), "");
}

// eps 1e-7 and 1e-9, limits 100000 and 500000.
const std::string kDefaultTail("\x95\xBF\xD6\x33\x5F\x70\x89\x30\xA0\x86\x01\x00\x20\xA1\x07\x00", 16);

TEST(RevuzaviParameter, IterativeAndTheHalfPresetWriteScales) {
  ExpectRun("menu Parameter\ncheck 1068 1\npress 1069\nkey Escape\n", 4, "",
            std::string("\x00\x00\x00\x3F", 4) + kDefaultTail);
}

TEST(RevuzaviParameter, ANegativeKIsRefusedAndDefaultTakenInstead) {
  ExpectRun("command 329\nset 1009 -1\npress 1022\npress 1014\npress 1022\nkey Escape\n", 6,
            "\tNo negative values\n", std::string(4, '\0') + kDefaultTail);
}

}  // namespace
