// The program's host: the hooks the grid calls and the common defaults.
#include <gtest/gtest.h>

#include "grid/tests/fixture.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace grid::test {
namespace {

// A host that logs what reaches it and changes characters as PUNDF does.
class LoggingHost : public GridHost {
 public:
  std::vector<std::string> log;

  bool KeyDown(CGridCtrl&, plat::UINT vk, plat::UINT, plat::UINT) override {
    log.push_back("key " + std::to_string(vk));
    return true;
  }
  plat::UINT TranslateChar(CGridCtrl&, plat::UINT ch) override {
    return ch >= 'a' && ch <= 'z' ? ch - 'a' + 'A' : ch;
  }
  bool SideButton(CGridCtrl&, plat::UINT, plat::UINT button, plat::Point) override {
    log.push_back("side " + std::to_string(button));
    return true;
  }
  void EndEdit(CGridCtrl& grid, const GridEditInfo& info) override {
    log.push_back("end " + info.item.text + " " + std::to_string(info.item.data));
    GridHost::EndEdit(grid, info);
  }
};

GridEditInfo EditEnded(int row, int col, const std::string& text, plat::UINT key) {
  GridEditInfo info;
  info.hdr.idFrom = kCellEditorId;
  info.hdr.code = GridNotifyEndEdit;
  info.item.row = row;
  info.item.col = col;
  info.item.mask = kMaskText | kMaskData;
  info.item.text = text;
  info.item.data = key;
  return info;
}

TEST(GridHost, TheCommonEndOfEditStoresTheTextAndTellsTheOwner) {
  GridFixture f;
  f.MakeFixtureA();
  GridEditInfo info = EditEnded(2, 3, "1.5", plat::VK_RETURN);
  f.grid.SendMessage(plat::WM_NOTIFY, kCellEditorId, reinterpret_cast<plat::LPARAM>(&info));
  EXPECT_EQ(f.grid.GetItemText(2, 3), "1.5");
  EXPECT_EQ(f.parent.notes, (std::vector<Note>{{GridNotifyEndEdit, 2, 3}}));
}

TEST(GridHost, DefaultsAreTheCommonGrids) {
  GridFixture f;
  f.MakeFixtureA();
  const GridHost& host = f.grid.host();
  EXPECT_FALSE(host.IsSwitchCell(f.grid, 1, 3));
  EXPECT_FALSE(host.UpperCaseEditor(f.grid));
  EXPECT_EQ(host.PrintRowCount(f.grid), 5);
  EXPECT_EQ(host.PasteReadAttempts(f.grid), (PasteReading{7, true}));
  EXPECT_EQ(host.ApplicationTitle(f.grid), "");
  EXPECT_FALSE(f.grid.GetDragAndDrop());
  EXPECT_FALSE(f.grid.GetTitleTips());
}

TEST(GridHost, KeysCharactersSideButtonsAndEditsReachTheHost) {
  GridFixture f;
  f.MakeFixtureA();
  LoggingHost host;
  f.grid.SetHost(&host);
  f.grid.SetFocus();
  plat::testing::PressKey(f.grid, plat::VK_DOWN);
  plat::testing::TypeText(f.grid, "x1");
  plat::testing::MouseDown(f.grid, plat::Point{50, 40}, plat::testing::MouseButton::kX1);
  GridEditInfo info = EditEnded(1, 1, "abc", 27);
  f.grid.SendMessage(plat::WM_NOTIFY, kCellEditorId, reinterpret_cast<plat::LPARAM>(&info));
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(host.log, (std::vector<std::string>{"key " + std::to_string(plat::VK_DOWN), "key 88", "key 49",
                                                "side 1", "end abc 27"}));
  EXPECT_EQ(f.grid.chars, (std::vector<plat::UINT>{'X', '1'}));
  EXPECT_EQ(f.grid.GetItemText(1, 1), "abc");

  f.grid.SetHost(nullptr);  // back to the common grid
  f.grid.chars.clear();
  plat::testing::TypeText(f.grid, "y");
  ASSERT_TRUE(plat::testing::PumpMessages());
  EXPECT_EQ(f.grid.chars, (std::vector<plat::UINT>{'y'}));
}

}  // namespace
}  // namespace grid::test
