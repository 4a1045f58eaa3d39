// The real PUNDF on a private X server, acted on as a person does with real
// key events: a value of a line-load row typed as "-" is refused at the
// table's OK with the message naming its row and column, and no file of the
// position changes.
#include <gtest/gtest.h>

#include <string>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/write_faults.h"
#include "tests/e2e/file_bytes.h"
#include "tests/e2e/x_session.h"
#include "tests/support/position_road.h"

namespace {

// The example BEAM2 stored and its load cases rebuilt by the real PUNDF.
common::Position Beam2() {
  const common::Position position(plat::testing::TestFolder() + "data/", ".BEAM2");
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* kind : {"ECHO_G", "ECHO_L"}) {
    const std::string echo = e2e::ReadBytes(plat::testing::BinFolder() + "EXAMPLES/" + kind + ".BEAM2.TXT");
    EXPECT_FALSE(echo.empty()) << kind;
    EXPECT_TRUE(plat::WriteBlock(position.TextFile(kind), echo.data(), echo.size()));
  }
  const common::Result stored = support::StoreGeometry(position);
  EXPECT_TRUE(stored.ok()) << stored.text();
  const auto rebuilt = plat::testing::RunProgram("PUNDF", {position.ext(), "@" + position.data_path(), "@G"});
  EXPECT_EQ(rebuilt.exit_code, 0) << rebuilt.start_error << rebuilt.messages;
  return position;
}

TEST(PundfOnX, ASignTypedAsAValueIsRefusedAtOkAndNothingChanges) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  const common::Position position = Beam2();
  if (HasFailure()) return;
  const plat::testing::FolderFiles before = plat::testing::SnapshotFolder(position.folder());

  // The boxes are written to a file (and answered with their default button); the script only
  // keeps the program alive while the key events act on it.
  const std::string script = plat::testing::TestFolder() + "script/";
  ASSERT_TRUE(plat::MakeFolder(script));
  ASSERT_TRUE(plat::WriteBlock(script + "PUNDF.script", "wait 60000\n", 11));
  const std::string messages = plat::testing::TestFolder() + "messages.txt";
  e2e::XSession x;
  ASSERT_TRUE(x.ok()) << x.error();
  const pid_t pundf = x.Start("PUNDF", {position.ext(), "@" + position.data_path()},
                              {{"PLAT_MESSAGES", messages}, {"PLAT_SCRIPT", script}, {"PLAT_SCRIPT_IDLE_S", "5"}});
  ASSERT_GT(pundf, 0);
  const auto window = x.FindWindow("Position BEAM2");
  ASSERT_TRUE(window) << x.StderrOf(pundf);
  ASSERT_TRUE(x.Focus(*window));
  x.Settle(500);

  // A new load case, then Loads / Line loads: the empty table edits its first cell at once.
  ASSERT_TRUE(x.Key("ctrl+n"));
  x.Settle();
  ASSERT_TRUE(x.Key("alt+o"));
  x.Settle();
  ASSERT_TRUE(x.Key("l"));
  const auto table = x.FindWindow("^Line loads$", 10);
  ASSERT_TRUE(table) << x.StderrOf(pundf);
  ASSERT_TRUE(x.Focus(*table));
  x.Settle(300);
  // Element 1, no start or end, Value A "-", Value B 5, direction Y.
  for (const char* key : {"1", "Right", "Right", "Right", "minus", "Right", "5", "Right", "Y", "Return"}) {
    ASSERT_TRUE(std::string(key).size() == 1 ? x.Type(key) : x.Key(key)) << key;
    x.Settle(100);
  }
  // A click on "&OK", the first button under the grid at the dialog's lower left.
  const auto box = x.Geometry(*table);
  ASSERT_TRUE(box);
  ASSERT_TRUE(x.Click(box->x + 45, box->y + box->height - 23));
  x.Settle(500);
  EXPECT_EQ(e2e::ReadBytes(messages), "Input error\tRow 1, column \"Value A\": \"-\" is not a number.\n");
  EXPECT_TRUE(x.WindowShown("^Line loads$")) << "the table stays open";

  // Escape leaves the changed table after its question, Escape again ends PUNDF.
  ASSERT_TRUE(x.Key("Escape"));
  ASSERT_TRUE(x.WaitGone("^Line loads$", 10));
  ASSERT_TRUE(x.Focus(*window));
  ASSERT_TRUE(x.Key("Escape"));
  EXPECT_EQ(x.WaitExit(pundf, 20), 1) << x.StderrOf(pundf);
  EXPECT_EQ(e2e::ReadBytes(messages), "Input error\tRow 1, column \"Value A\": \"-\" is not a number.\n"
                                      "Line loads\tDiscard the changes to the table?\n");
  EXPECT_TRUE(plat::testing::SnapshotFolder(position.folder()) == before) << "no file of the position changed";
}

}  // namespace
