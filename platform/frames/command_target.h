#pragma once
// Commands by id (MFC's CCmdTarget and CCmdUI). An object that handles
// commands keeps a map of handlers, filled in its constructor:
//
//   MainFrame::MainFrame() {
//     MapCommand(ID_FILE_SAVE, [this] { OnSave(); });
//     MapCommandRange(205, 219, [this](UINT id) { OnApplicationLook(id); });
//     MapUpdate(32776, [this](plat::CmdUI& ui) { ui.SetCheck(graphic_input_ ? 1 : 0); });
//   }
//
// A frame routes a command to its active view first (the view asks its
// document), then handles it itself, then hands it to the application
// object; the first object with a handler for the id takes it. Update
// handlers travel the same way and tell a menu item, tool-bar button or
// ribbon element whether it is enabled and checked. An element whose command
// nobody handles and whose state nobody updates is shown disabled.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/window/messages.h"

namespace plat {

class Menu;
class Window;

// What OnCmdMsg is asked to do.
inline constexpr int CN_COMMAND = 0;              // run the handler of the command
inline constexpr int CN_UPDATE_COMMAND_UI = -1;   // run the update handler
inline constexpr int CN_PROBE_COMMAND = -2;       // only tell whether a command handler exists

// The element of the user interface that an update handler sets: a menu item,
// a tool-bar button, a ribbon element or a status-bar pane.
class CmdUI {
 public:
  CmdUI(UINT id, int index = 0, int count = 1) : id_(id), index_(index), count_(count) {}

  UINT id() const { return id_; }
  // The element's place among its siblings (a menu item's position) and their count.
  int index() const { return index_; }
  int count() const { return count_; }
  // The menu of a menu item, else nullptr.
  Menu* menu() const { return menu_; }
  void set_menu(Menu* menu) { menu_ = menu; }

  // What the handler asks for.
  void Enable(bool on = true) { enabled_ = on; }
  // 0 unchecked, 1 checked (a pressed tool-bar button), 2 indeterminate.
  void SetCheck(int check = 1) { check_ = check; }
  // A check shown as a radio mark.
  void SetRadio(bool on = true) {
    check_ = on ? 1 : 0;
    radio_ = true;
  }
  void SetText(std::string_view text) { text_ = std::string(text); }

  // What was asked; nullopt when the handler left it.
  const std::optional<bool>& enabled() const { return enabled_; }
  const std::optional<int>& check() const { return check_; }
  bool radio() const { return radio_; }
  const std::optional<std::string>& text() const { return text_; }

 private:
  UINT id_;
  int index_;
  int count_;
  Menu* menu_ = nullptr;
  std::optional<bool> enabled_;
  std::optional<int> check_;
  bool radio_ = false;
  std::optional<std::string> text_;
};

class CommandTarget {
 public:
  using Handler = std::function<void()>;
  using RangeHandler = std::function<void(UINT id)>;
  using UpdateHandler = std::function<void(CmdUI&)>;

  CommandTarget();
  virtual ~CommandTarget();
  CommandTarget(const CommandTarget&) = delete;
  CommandTarget& operator=(const CommandTarget&) = delete;

  // ---- The map (a later entry for the same id replaces the earlier one) ----
  void MapCommand(UINT id, Handler handler);
  void MapCommandRange(UINT first, UINT last, RangeHandler handler);
  void MapUpdate(UINT id, UpdateHandler handler);
  void MapUpdateRange(UINT first, UINT last, UpdateHandler handler);
  // Removes the entries of an id (single and range entries that hold it).
  void UnmapCommand(UINT id);

  // Routes a command or an update (CN_COMMAND, CN_UPDATE_COMMAND_UI with
  // `ui`, CN_PROBE_COMMAND); true when a handler was found (and run). The base
  // looks in this object's own map; frames and views pass it on.
  virtual bool OnCmdMsg(UINT id, int code, CmdUI* ui);

  // Brings an element up to date: its update handler along the route of
  // `target`; with `disable_if_no_handler`, an element that no handler
  // enabled or disabled is enabled exactly when a command handler exists.
  // True when an update handler ran.
  static bool DoUpdate(CommandTarget& target, CmdUI& ui, bool disable_if_no_handler = true);

 protected:
  // Only this object's map.
  bool DispatchOwnMap(UINT id, int code, CmdUI* ui);

 private:
  struct Range {
    UINT first;
    UINT last;
  };
  std::map<UINT, Handler> commands_;
  std::vector<std::pair<Range, RangeHandler>> command_ranges_;
  std::map<UINT, UpdateHandler> updates_;
  std::vector<std::pair<Range, UpdateHandler>> update_ranges_;
};

}  // namespace plat
