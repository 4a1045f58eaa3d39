// The real REVUZAVI under a script on TWO: the parameters set to an iterative
// run with k = 0.5, the one-click mode, a click on element 2, the stored frame
// with Space and the reset and end with Esc.
#include <gtest/gtest.h>

#include <string>

#include "common/position/position.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "tests/e2e/file_bytes.h"

namespace {

using e2e::ReadBytes;

constexpr char kGeometry[] =
    "TITEL\nTwo spans of 4 m\nMATERIAL\n1\n1 26700000.00 0.000000\nCROSSECTIONS\n1\n"
    "1 0.200 0.400 8.0000E-02 1.0667E-03\nELEMENTS\n2\n1 0.00 0.00 4.00 0.00 0 0 1 1 1 1\n"
    "2 4.00 0.00 8.00 0.00 0 0 1 1 1 1\nNODES\n3\n1 0.00 0.00  1.0000E+00  1.0000E+00  0.0000E+00\n"
    "2 4.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\n3 8.00 0.00  0.0000E+00  1.0000E+00  0.0000E+00\n"
    "SUPPORTS\n3\n1 1.000000 1.000000 0.000000\n2 0.000000 1.000000 0.000000\n3 0.000000 1.000000 0.000000\n";
constexpr char kLoads[] =
    "LC 1\n0 1 1\nTITLE\nq = 10 kN/m on span 1\nLINELOADS\n1 q_span_1\n"
    "1 1    0.000    0.000    4.000    0.000    0.000    0.000   10.000   10.000 Y\n";

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
  const common::Position position(plat::testing::TestFolder() + "data/", ".TWO");
  ASSERT_TRUE(common::EnsurePositionFolder(position));
  ASSERT_TRUE(plat::WriteBlock(position.TextFile("ECHO_G"), kGeometry, sizeof kGeometry - 1));
  ASSERT_TRUE(plat::WriteBlock(position.TextFile("ECHO_L"), kLoads, sizeof kLoads - 1));
  const auto computed = plat::testing::RunProgram("compute-position", {position.data_path(), "TWO"});
  ASSERT_EQ(computed.exit_code, 0) << computed.start_error << computed.messages;
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

}  // namespace
