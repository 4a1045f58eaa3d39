// The menu model, the accelerator tables and the update logic of command
// targets, without windows.
#include <gtest/gtest.h>

#include "platform/frames/accelerators.h"
#include "platform/frames/command_target.h"
#include "platform/frames/menu.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

Menu PictureMenu() {
  Menu fonts = Menu::Popup();
  fonts.AppendMenu(MF_STRING, 32788, "&Font ...");
  Menu bar;
  bar.AppendMenu(MF_STRING, 300, "<");
  bar.AppendMenu(MF_STRING, 316, "&Frame");
  bar.AppendMenu(MF_POPUP, std::move(fonts), "&View");
  bar.AppendMenu(MF_STRING, 315, "&Displacements");
  bar.AppendMenu(MF_SEPARATOR);
  bar.AppendMenu(MF_STRING, 316, "F&rame again");
  return bar;
}

TEST(MenuTest, ItemsByPositionAndByCommand) {
  Menu menu = PictureMenu();
  EXPECT_EQ(menu.GetMenuItemCount(), 6);
  EXPECT_EQ(menu.GetMenuItemID(0), 300u);
  EXPECT_EQ(menu.GetMenuItemID(2), kNoMenuItem);  // a pop-up
  EXPECT_EQ(menu.GetMenuItemID(4), 0u);           // a separator
  EXPECT_EQ(menu.GetMenuItemID(6), kNoMenuItem);
  ASSERT_NE(menu.GetSubMenu(2), nullptr);
  EXPECT_EQ(menu.GetSubMenu(1), nullptr);
  // By command the pop-ups below are searched.
  EXPECT_EQ(menu.GetMenuString(32788, MF_BYCOMMAND), "&Font ...");
  EXPECT_EQ(menu.GetMenuString(3, MF_BYPOSITION), "&Displacements");
  EXPECT_EQ(menu.GetMenuState(2, MF_BYPOSITION), (1u << 8) | MF_POPUP);
}

TEST(MenuTest, EnableAndCheckReturnThePreviousState) {
  Menu menu = PictureMenu();
  EXPECT_EQ(menu.EnableMenuItem(3, MF_BYPOSITION | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(menu.EnableMenuItem(3, MF_BYPOSITION | MF_ENABLED), MF_GRAYED);
  EXPECT_EQ(menu.EnableMenuItem(9, MF_BYPOSITION | MF_GRAYED), kNoMenuItem);
  EXPECT_EQ(menu.EnableMenuItem(999, MF_BYCOMMAND | MF_GRAYED), kNoMenuItem);
  // By command every item of the id changes.
  EXPECT_EQ(menu.EnableMenuItem(316, MF_BYCOMMAND | MF_GRAYED), MF_ENABLED);
  EXPECT_EQ(menu.GetMenuState(1, MF_BYPOSITION) & MF_GRAYED, MF_GRAYED);
  EXPECT_EQ(menu.GetMenuState(5, MF_BYPOSITION) & MF_GRAYED, MF_GRAYED);
  EXPECT_EQ(menu.CheckMenuItem(32788, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED);
  EXPECT_EQ(menu.CheckMenuItem(32788, MF_BYCOMMAND | MF_UNCHECKED), MF_CHECKED);
}

TEST(MenuTest, RadioItemsCheckOneOfARange) {
  Menu looks = Menu::Popup();
  for (UINT id = 215; id <= 219; ++id) looks.AppendMenu(MF_STRING, id, "look");
  EXPECT_TRUE(looks.CheckMenuRadioItem(215, 219, 217, MF_BYCOMMAND));
  for (UINT id = 215; id <= 219; ++id) {
    EXPECT_EQ((looks.GetMenuState(id, MF_BYCOMMAND) & MF_CHECKED) != 0, id == 217) << id;
  }
  EXPECT_EQ(looks.GetMenuState(217, MF_BYCOMMAND) & MF_RADIOCHECK, MF_RADIOCHECK);
  EXPECT_TRUE(looks.CheckMenuRadioItem(0, 4, 0, MF_BYPOSITION));
  EXPECT_EQ(looks.GetMenuState(217, MF_BYCOMMAND) & MF_CHECKED, 0u);
  EXPECT_FALSE(looks.CheckMenuRadioItem(0, 7, 0, MF_BYPOSITION));  // beyond the items
}

TEST(MenuTest, CopiesAreIndependentAndChangesCountUp) {
  Menu templ = PictureMenu();
  Menu frame_copy = templ;
  const std::uint64_t before = frame_copy.revision();
  frame_copy.GetSubMenu(2)->EnableMenuItem(0, MF_BYPOSITION | MF_GRAYED);
  EXPECT_GT(frame_copy.revision(), before);  // a change below counts for the bar
  EXPECT_EQ(templ.GetMenuState(32788, MF_BYCOMMAND) & MF_GRAYED, 0u);
  Menu moved = std::move(frame_copy);
  const std::uint64_t moved_before = moved.revision();
  moved.GetSubMenu(2)->CheckMenuItem(0, MF_BYPOSITION | MF_CHECKED);
  EXPECT_GT(moved.revision(), moved_before);
}

TEST(MenuTest, InsertModifyAndDelete) {
  Menu menu = PictureMenu();
  EXPECT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 299, "&First"));
  EXPECT_EQ(menu.GetMenuItemID(0), 299u);
  EXPECT_TRUE(menu.InsertMenu(315, MF_BYCOMMAND | MF_STRING, 314, "&Normal forces"));
  EXPECT_EQ(menu.GetMenuItemID(4), 314u);
  EXPECT_TRUE(menu.ModifyMenu(314, MF_BYCOMMAND | MF_GRAYED, 314, "N"));
  EXPECT_EQ(menu.GetMenuString(314, MF_BYCOMMAND), "N");
  EXPECT_EQ(menu.GetMenuState(314, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
  EXPECT_TRUE(menu.DeleteMenu(32788, MF_BYCOMMAND));
  EXPECT_EQ(menu.GetSubMenu(3)->GetMenuItemCount(), 0);
  EXPECT_TRUE(menu.DeleteMenu(3, MF_BYPOSITION));
  EXPECT_FALSE(menu.DeleteMenu(40, MF_BYPOSITION));
  EXPECT_FALSE(menu.AppendMenu(MF_POPUP, 5, "a pop-up needs its menu"));
}

TEST(CommandTargetTest, UpdatesAsTheFrameworkDecides) {
  struct Case {
    bool command;
    int update;  // -1 none, 0 sets only the check, 1 enables, 2 disables
    bool disable_if_no_handler;
    std::optional<bool> enabled;
  };
  const Case cases[] = {
      {false, -1, true, false}, {true, -1, true, true},   {false, -1, false, std::nullopt},
      {false, 0, true, false},  {true, 0, true, true},    {true, 2, true, false},
      {false, 1, true, true},   {false, 0, false, std::nullopt},
  };
  for (const Case& c : cases) {
    CommandTarget target;
    if (c.command) target.MapCommand(7, [] {});
    if (c.update == 0) target.MapUpdate(7, [](CmdUI& ui) { ui.SetCheck(1); });
    if (c.update == 1) target.MapUpdate(7, [](CmdUI& ui) { ui.Enable(true); });
    if (c.update == 2) target.MapUpdate(7, [](CmdUI& ui) { ui.Enable(false); });
    CmdUI ui(7);
    EXPECT_EQ(CommandTarget::DoUpdate(target, ui, c.disable_if_no_handler), c.update >= 0);
    EXPECT_EQ(ui.enabled(), c.enabled) << c.command << " " << c.update << " " << c.disable_if_no_handler;
  }
}

TEST(CommandTargetTest, SingleEntriesGoBeforeRangesAndLaterRangesBeforeEarlier) {
  CommandTarget target;
  std::vector<UINT> ran;
  target.MapCommandRange(200, 220, [&](UINT id) { ran.push_back(id); });
  target.MapCommandRange(215, 219, [&](UINT id) { ran.push_back(id + 1000); });
  target.MapCommand(216, [&] { ran.push_back(1); });
  for (UINT id : {205u, 216u, 218u, 221u}) target.OnCmdMsg(id, CN_COMMAND, nullptr);
  EXPECT_EQ(ran, (std::vector<UINT>{205, 1, 1218}));
  EXPECT_TRUE(target.OnCmdMsg(219, CN_PROBE_COMMAND, nullptr));
  EXPECT_EQ(ran.size(), 3u);  // a probe runs nothing
  target.UnmapCommand(218);
  EXPECT_FALSE(target.OnCmdMsg(218, CN_PROBE_COMMAND, nullptr));
}

TEST(AcceleratorTest, KeysWithExactlyTheirModifiers) {
  testing::FakeInput input;
  const AcceleratorTable table({{FVIRTKEY | FCONTROL, 'C', 57634},
                                {FVIRTKEY | FCONTROL, static_cast<unsigned>(VK_INSERT), 57634},
                                {FVIRTKEY | FSHIFT, static_cast<unsigned>(VK_INSERT), 57637},
                                {FVIRTKEY, static_cast<unsigned>(VK_F1), 57670},
                                {0, 'x', 40}});
  const auto key = [](UINT message, WPARAM w) {
    MSG m;
    m.message = message;
    m.wParam = w;
    return m;
  };
  EXPECT_EQ(table.Find(key(WM_KEYDOWN, VK_F1)), 57670u);
  EXPECT_EQ(table.Find(key(WM_KEYDOWN, 'C')), std::nullopt);
  EXPECT_EQ(table.Find(key(WM_CHAR, 'x')), 40u);
  EXPECT_EQ(table.Find(key(WM_KEYUP, VK_F1)), std::nullopt);
  input.SetKeyState(VK_CONTROL, true);
  EXPECT_EQ(table.Find(key(WM_KEYDOWN, 'C')), 57634u);
  EXPECT_EQ(table.Find(key(WM_KEYDOWN, VK_INSERT)), 57634u);
  EXPECT_EQ(table.Find(key(WM_KEYDOWN, VK_F1)), std::nullopt);  // Ctrl+F1 is not F1
  input.SetKeyState(VK_CONTROL, false);
  input.SetKeyState(VK_SHIFT, true);
  EXPECT_EQ(table.Find(key(WM_KEYDOWN, VK_INSERT)), 57637u);
}

}  // namespace
}  // namespace plat::test
