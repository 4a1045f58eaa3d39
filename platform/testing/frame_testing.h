#pragma once
// Test support for frames: the menu bar, tool bars, status bars and ribbons
// read as shown on the screen and used through their widgets, as a person
// would (a disabled item cannot be chosen), and a script that answers pop-up
// menus.
//
//   plat::testing::IdleUpdate(frame);                      // the bars follow the update handlers
//   auto items = plat::testing::OpenMenuBarPopup(frame, 0);
//   EXPECT_FALSE(items[2].enabled);
//   EXPECT_TRUE(plat::testing::ChooseMenuItem(frame, {"&File", "&Open..."}));
//   plat::testing::PumpMessages();                         // the command was posted
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/frames/menu.h"
#include "platform/frames/popup_menu_hooks.h"
#include "platform/window/window.h"

namespace plat {
class Dialog;
class FrameWnd;
class RibbonBar;
class StatusBar;
class ToolBar;
}  // namespace plat

namespace plat::testing {

// Brings the frame's bars up to date, as the idle time after the messages does.
void IdleUpdate(FrameWnd& frame);

// An item of a menu as it is shown.
struct ShownMenuItem {
  std::string text;  // Windows-1252, with its "&" and "\t" parts
  UINT id = 0;       // 0 for separators and pop-ups
  bool enabled = true;
  bool checked = false;
  bool separator = false;
  bool popup = false;
};

// The texts of the menu bar's items.
std::vector<std::string> MenuBarTexts(FrameWnd& frame);
// The menu bar's items as shown (enabled or greyed).
std::vector<ShownMenuItem> MenuBarItems(FrameWnd& frame);
// Opens the pop-up of the menu bar's item `index` as a click does (the
// update handlers set its items), reads its items and closes it.
std::vector<ShownMenuItem> OpenMenuBarPopup(FrameWnd& frame, int index);
// Clicks through the menu bar: the item texts from the bar down (pop-ups are
// opened on the way). False when an item is missing or disabled; a chosen
// command is posted to the frame.
bool ChooseMenuItem(FrameWnd& frame, const std::vector<std::string>& path);

// A tool-bar button as shown: pressed (checked) and enabled.
bool ToolButtonPressed(ToolBar& bar, UINT id);
bool ToolButtonEnabled(ToolBar& bar, UINT id);
// Clicks a tool-bar button (the customise button too) with the mouse; false
// when it is not shown or disabled.
bool ClickToolButton(ToolBar& bar, UINT id);
// The texts of the buttons a person sees on a bar, in order ("|" for a
// separator), the customise button's last; none when the bar is not shown.
std::vector<std::string> ToolButtonTexts(ToolBar& bar);
// A right click on the bar, at its right end (docked or floating); false
// when it is not shown.
bool RightClickToolBar(ToolBar& bar);
// In the open tool-bar customisation dialog: the command of a menu (its
// title and the command's text as the dialog lists them) put on the bar
// chosen, as a person chooses and adds it. False when one is not there.
bool AddCommandToBar(Dialog& customize, std::string_view menu, std::string_view command);

// The text a status-bar pane shows.
std::string PaneTextShown(StatusBar& bar, int index);
// The room a status-bar pane leaves beside its whole text [pixels]: negative
// when the pane cuts the text off.
int PaneRoomBesideText(StatusBar& bar, int index);
// Clicks the status pane at an index with the mouse; false when it is not shown.
bool ClickStatusPane(StatusBar& bar, int index);

// Clicks the ribbon button of the id (of the active category) with the
// mouse; false when it is not shown or disabled.
bool ClickRibbonButton(RibbonBar& ribbon, UINT id);
// Clicks the quick-access button at an index.
bool ClickQuickAccessButton(RibbonBar& ribbon, int index);
// The category tab a person clicks.
bool ClickCategoryTab(RibbonBar& ribbon, int index);
// Opens the application button's menu (and the pop-ups of `path` in it),
// reads the last one opened, closes them.
std::vector<ShownMenuItem> OpenApplicationMenu(RibbonBar& ribbon, const std::vector<std::string>& path = {});
// Clicks through the application menu (texts from its top).
bool ChooseApplicationMenuItem(RibbonBar& ribbon, const std::vector<std::string>& path);

// While alive, pop-up menus (TrackPopupMenu, context menus) are answered
// from the script and logged with their items as brought up to date.
class PopupMenuScript {
 public:
  PopupMenuScript();
  ~PopupMenuScript();
  PopupMenuScript(const PopupMenuScript&) = delete;
  PopupMenuScript& operator=(const PopupMenuScript&) = delete;

  // The next menu chooses this command (0: closed without a choice); a
  // disabled item cannot be chosen and closes the menu. Menus beyond the
  // script choose nothing.
  void Choose(UINT id) { answers_.push_back(id); }
  const std::vector<std::vector<ShownMenuItem>>& shown() const { return shown_; }

 private:
  hooks::PopupMenuHandler handler_;
  hooks::PopupMenuHandler* previous_;
  std::deque<UINT> answers_;
  std::vector<std::vector<ShownMenuItem>> shown_;
};

}  // namespace plat::testing
