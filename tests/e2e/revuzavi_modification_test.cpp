// The real REVUZAVI under a script on TWO: the parameters set to an iterative
// run with k = 0.5, the one-click mode, a click on element 2, the stored frame
// with Space and the reset and end with Esc; the direct method with k = 0.001
// and with k = 0, which removes element 1 and leaves a mechanism.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/position/position.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/tests/two_spans_example.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "tests/e2e/file_bytes.h"

namespace {

using e2e::ReadBytes;

// Where the picture view shows the world point (x, z) of the position's frame, the program opened
// in this process as the script's run opens it.
plat::Point ClientPointOf(const common::Position& position, float x, float z) {
  plat::testing::QuitCatcher quit;
  revuzavi::CGRAPHApp app;
  EXPECT_TRUE(app.Open(position.ext() + " @" + position.data_path() + " @1"));
  plat::testing::PumpMessages();
  auto* view = dynamic_cast<revuzavi::CGRAPHView*>(app.main_frame()->PictureFrame()->GetActiveView());
  const plat::Point point = view != nullptr ? view->ClientPointOf(x, z) : plat::Point{};
  app.ExitInstance();
  return point;
}

TEST(RevuzaviModification, OneClickOnElementTwoThenSpaceAndEscLeaveNoCopies) {
  const common::Position position = revuzavi::testing::ComputedTwoSpans();
  if (HasFailure()) return;
  const plat::Point middle = ClientPointOf(position, 6.0f, 0.0f);
  const std::string steps = "command 329\n"
                            "check 1068 1\n"
                            "press 1069\n"
                            "key C\n"
                            "snapshot a.png\n"
                            "click " + std::to_string(middle.x) + " " + std::to_string(middle.y) +
                            "\n"
                            "snapshot b.png\n"
                            "key Space\n"
                            "key Escape\n"
                            "key Escape\n";
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {".TWO", "@" + position.data_path(), "@1"}, steps);
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  ASSERT_EQ(run.log.size(), 10u) << run.log_text();
  for (const std::string& line : run.log) EXPECT_EQ(line.substr(line.size() - 4), ": ok") << line;
  EXPECT_EQ(run.messages, "");
  EXPECT_EQ(ReadBytes(position.FolderFile("Scales")),
            std::string("\x00\x00\x00\x3F", 4) + std::string("\x95\xBF\xD6\x33", 4) +
                std::string("\x5F\x70\x89\x30", 4) + std::string("\xA0\x86\x01\x00\x20\xA1\x07\x00", 8));
  for (const char* copy : {"UCT80", "UCT81", "KNOTENRTEMP1", "ELEMENTS1", "LKNOTENRTEMP1", "SRC_TEMP1", "ForcesFPlus"}) {
    EXPECT_FALSE(plat::FileExists(position.File(copy)) || plat::FileExists(position.FolderFile(copy))) << copy;
  }
  const std::string a = ReadBytes(plat::testing::TestFolder() + "a.png");
  const std::string b = ReadBytes(plat::testing::TestFolder() + "b.png");
  EXPECT_EQ(a.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_NE(a, b);
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(plat::testing::TestFolder() + "b.png", snapshots + "revuzavi-two-one-click.png", true));
}

// The direct method solves k = 0.001 with 0.01 (the element's record says so), and refuses to
// remove span 1, which would leave span 2 free to slide along x.
TEST(RevuzaviModification, DirectMethodSmallKAndARemovalThatLeavesAMechanism) {
  const common::Position position = revuzavi::testing::ComputedTwoSpans();
  if (HasFailure()) return;
  const plat::Point span1 = ClientPointOf(position, 2.0f, 0.0f);
  const plat::Point span2 = ClientPointOf(position, 6.0f, 0.0f);
  auto click = [](const plat::Point& p) { return "click " + std::to_string(p.x) + " " + std::to_string(p.y) + "\n"; };
  const std::string steps = "command 329\n"
                            "check 1013 1\n"
                            "press 1006\n"
                            "key C\n" +
                            click(span2) +
                            "snapshot small-k.png\n"
                            "key Escape\n"
                            "command 329\n"
                            "press 1063\n"
                            "key C\n" +
                            click(span1) +
                            "key Escape\n"
                            "key Escape\n";
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "REVUZAVI",
                                            {".TWO", "@" + position.data_path(), "@1"}, steps);
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  for (const std::string& line : run.log) EXPECT_EQ(line.substr(line.size() - 4), ": ok") << line;
  EXPECT_EQ(run.messages, "Error\tNo convergence, K + Delta K probably singular\n");
  // Picked: the element number, then its record with k at byte 136, from the first run only.
  const std::string picked = ReadBytes(position.FolderFile("Picked"));
  ASSERT_EQ(picked.size(), 4u + 148u);
  float k = 0.0f;
  std::memcpy(&k, picked.data() + 4 + 136, 4);
  EXPECT_EQ(k, 0.01f);
  EXPECT_EQ(picked[0], '\x02');
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(plat::testing::TestFolder() + "small-k.png", snapshots + "revuzavi-two-small-k.png", true));
}

}  // namespace
