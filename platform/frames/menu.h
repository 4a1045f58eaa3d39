#pragma once
// Menus (Win32's HMENU, MFC's CMenu): a menu bar or a pop-up menu as a tree of
// items, each a command (id and text), a separator or a pop-up menu. Items are
// found by command id (MF_BYCOMMAND, searching the pop-ups below too) or by
// position (MF_BYPOSITION). Texts are Windows-1252; "&" marks the mnemonic
// and a "\t" separates the shortcut text ("&Copy\tCtrl+C").
//
//   plat::Menu file = plat::Menu::Popup();
//   file.AppendMenu(plat::MF_STRING, plat::ID_FILE_OPEN, "&Open...\tCtrl+O");
//   file.AppendMenu(plat::MF_SEPARATOR);
//   file.AppendMenu(plat::MF_STRING, plat::ID_APP_EXIT, "E&xit");
//   plat::Menu bar;
//   bar.AppendMenu(plat::MF_POPUP, std::move(file), "&File");
//   frame.SetMenu(std::move(bar));
//
// A frame shows its menu bar as it is and brings a pop-up menu up to date
// through the update handlers each time it opens (WM_INITMENUPOPUP).
// Items changed on the bar itself (EnableMenuItem by position on the bar)
// show after DrawMenuBar, or at the frame's next idle update.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/messages.h"

namespace plat {

class Window;

// Item flags (Win32's values).
inline constexpr UINT MF_STRING = 0x0000;
inline constexpr UINT MF_ENABLED = 0x0000;
inline constexpr UINT MF_GRAYED = 0x0001;
inline constexpr UINT MF_DISABLED = 0x0002;
inline constexpr UINT MF_UNCHECKED = 0x0000;
inline constexpr UINT MF_CHECKED = 0x0008;
inline constexpr UINT MF_POPUP = 0x0010;
inline constexpr UINT MF_RADIOCHECK = 0x0200;
inline constexpr UINT MF_BYCOMMAND = 0x0000;
inline constexpr UINT MF_BYPOSITION = 0x0400;
inline constexpr UINT MF_SEPARATOR = 0x0800;
// What EnableMenuItem, CheckMenuItem and GetMenuState return for no such item.
inline constexpr UINT kNoMenuItem = 0xFFFFFFFF;

// TrackPopupMenu flags.
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;

class Menu {
 public:
  // An empty menu bar.
  Menu();
  // An empty pop-up menu (CreatePopupMenu).
  static Menu Popup();
  // Copies hold their own items (a template's menu is copied into each frame).
  Menu(const Menu& other);
  Menu& operator=(const Menu& other);
  Menu(Menu&& other) noexcept;
  Menu& operator=(Menu&& other) noexcept;
  ~Menu();

  bool IsPopup() const { return popup_; }

  // ---- Building ----
  // MF_STRING with an id and a text, MF_SEPARATOR, plus MF_GRAYED, MF_CHECKED.
  bool AppendMenu(UINT flags, UINT id = 0, std::string_view text = {});
  // A pop-up menu (MF_POPUP) with its text.
  bool AppendMenu(UINT flags, Menu popup, std::string_view text);
  // Inserts before the item `item` (MF_BYPOSITION: a position; past the end
  // appends).
  bool InsertMenu(UINT item, UINT flags, UINT id = 0, std::string_view text = {});
  bool InsertMenu(UINT item, UINT flags, Menu popup, std::string_view text);
  // Changes an item's flags, id and text (a pop-up stays a pop-up).
  bool ModifyMenu(UINT item, UINT flags, UINT id, std::string_view text);
  // Removes an item (DeleteMenu; a pop-up goes with it).
  bool DeleteMenu(UINT item, UINT flags);
  bool RemoveMenu(UINT item, UINT flags) { return DeleteMenu(item, flags); }

  // ---- State ----
  // MF_ENABLED, MF_GRAYED or MF_DISABLED with MF_BYCOMMAND or MF_BYPOSITION;
  // returns the previous state (MF_GRAYED, MF_DISABLED or MF_ENABLED), or
  // kNoMenuItem. With MF_BYCOMMAND every item of the id changes.
  UINT EnableMenuItem(UINT item, UINT flags);
  // MF_CHECKED or MF_UNCHECKED; returns the previous check or kNoMenuItem.
  UINT CheckMenuItem(UINT item, UINT flags);
  // Checks `item` with a radio mark and unchecks the others of first..last.
  bool CheckMenuRadioItem(UINT first, UINT last, UINT item, UINT flags);
  // MF_ flags of the item (for a pop-up its item count in the high byte, as
  // Win32), or kNoMenuItem.
  UINT GetMenuState(UINT item, UINT flags) const;
  std::string GetMenuString(UINT item, UINT flags) const;

  // ---- Structure ----
  int GetMenuItemCount() const { return static_cast<int>(items_.size()); }
  // The id at a position: 0 for a separator, kNoMenuItem for a pop-up or no item.
  UINT GetMenuItemID(int position) const;
  // The pop-up at a position, or nullptr.
  Menu* GetSubMenu(int position);
  const Menu* GetSubMenu(int position) const;

  // Shows the pop-up menu at a point in screen coordinates and lets the user
  // choose. The chosen command goes as WM_COMMAND to the frame of `owner`
  // (or to `owner` itself outside a frame), which brings the items up to date
  // first through its update handlers; with TPM_RETURNCMD the id is returned
  // instead (0 when nothing was chosen). Without TPM_RETURNCMD the result is
  // true (1) when a command was chosen. Under the offscreen platform nobody
  // can choose: without a test's script (plat::testing::PopupMenuScript) the
  // menu closes at once with nothing chosen.
  UINT TrackPopupMenu(UINT flags, int x, int y, Window* owner);

  // Changes to this menu or any menu below it count up (the frame's menu
  // bar shows a changed menu again).
  std::uint64_t revision() const { return revision_; }

  struct Item {
    UINT flags = 0;  // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_RADIOCHECK, MF_SEPARATOR, MF_POPUP
    UINT id = 0;
    std::string text;
    std::unique_ptr<Menu> popup;
  };
  const std::vector<Item>& items() const { return items_; }

 private:
  // The item an MF_BYCOMMAND or MF_BYPOSITION reference names, and its menu.
  struct Found {
    Menu* menu = nullptr;
    int position = -1;
  };
  Found Find(UINT item, UINT flags);
  std::vector<Found> FindAllById(UINT id);
  // Sets the bits `wanted` in place of `cleared` on the items named; returns
  // the first one's `reported` bits before, or kNoMenuItem.
  UINT ChangeState(UINT item, UINT flags, UINT reported, UINT cleared, UINT wanted);
  Item MakeItem(UINT flags, UINT id, std::string_view text) const;
  bool Insert(int position, Item item);
  void Changed();
  void Adopt();

  bool popup_ = false;
  std::vector<Item> items_;
  Menu* parent_ = nullptr;
  std::uint64_t revision_ = 0;
};

}  // namespace plat
