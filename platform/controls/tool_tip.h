#pragma once
// The tooltip control (Win32's tooltips class, MFC's CToolTipCtrl) for the
// controls of a dialog: a small tool window that shows a control's tip when
// the mouse rests on it. The dialog passes every message to RelayEvent before
// it handles it (mouse messages of its controls pass its PreTranslateMessage):
//
//   bool Panel::PreTranslateMessage(plat::MSG* msg) {
//     tips_.RelayEvent(msg);
//     return plat::Dialog::PreTranslateMessage(msg);
//   }
//   // in OnInitDialog:
//   tips_.Create(this);
//   tips_.AddTool(GetDlgItem(1008));            // shows the button's text
//   tips_.AddTool(GetDlgItem(1042), "Title of the position");
//
// Timing as on Windows: a mouse move onto a tool starts the initial delay
// (TTDT_INITIAL, 500 ms); when it ends with the mouse still on the tool the
// tip shows below the cursor, for TTDT_AUTOPOP (5000 ms). Moving onto another
// tool while a tip shows shows that one after TTDT_RESHOW (100 ms). A button
// pressed hides the tip, and that tool shows none until the mouse has left
// it; leaving every tool (or the mouse leaving the dialog) hides it. A
// disabled control shows its tip too (its mouse messages reach the dialog).
#include <string>
#include <string_view>
#include <vector>

#include "platform/window/window.h"

namespace plat {

// SetDelayTime / GetDelayTime.
inline constexpr DWORD TTDT_AUTOMATIC = 0;  // sets all three from the initial delay
inline constexpr DWORD TTDT_RESHOW = 1;
inline constexpr DWORD TTDT_AUTOPOP = 2;
inline constexpr DWORD TTDT_INITIAL = 3;

class ToolTipCtrl : public Window {
 public:
  // The timers of the tip window.
  static constexpr UINT_PTR kShowTimer = 1;   // the initial (or reshow) delay
  static constexpr UINT_PTR kPopTimer = 2;    // the tip's time on the screen
  static constexpr UINT_PTR kLeaveTimer = 3;  // watches whether the mouse left the tool

  // Makes the hidden tip window for the controls of `parent` (owned by it).
  bool Create(Window* parent);

  // `tool` (a control of the parent) shows `text`; an empty text shows the
  // control's own text at that time, without its '&' marks. A tool added
  // again gets the new text.
  bool AddTool(Window* tool, std::string_view text = {});
  void DelTool(Window* tool);
  void UpdateTipText(std::string_view text, Window* tool) { AddTool(tool, text); }
  int GetToolCount() const { return static_cast<int>(tools_.size()); }
  // An inactive control shows no tips (a shown one goes).
  void Activate(bool active);
  // Milliseconds; a negative value gives the default back.
  void SetDelayTime(DWORD duration, int ms);
  int GetDelayTime(DWORD duration) const;

  // Watches the mouse messages of the parent and its controls; any other
  // message is ignored.
  void RelayEvent(const MSG* msg);
  // Hides the tip now.
  void Pop();

  // The tool whose tip shows, and its text; nullptr and "" when none shows.
  Window* ShownTool() const;
  const std::string& ShownText() const { return shown_text_; }

 protected:
  void OnTimer(UINT_PTR id) override;
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  struct Tool {
    HWND hwnd = nullptr;
    std::string text;
  };

  // The tool under a mouse message, or nullptr.
  HWND ToolAt(const MSG& msg) const;
  const Tool* Find(HWND hwnd) const;
  bool CursorOn(HWND tool) const;
  void Hover(HWND tool);
  void Show();
  void Hide();
  std::string TextOf(const Tool& tool) const;

  Window* parent_ = nullptr;
  std::vector<Tool> tools_;
  bool active_ = true;
  int initial_ms_ = 500;
  int autopop_ms_ = 5000;
  int reshow_ms_ = 100;
  HWND hover_ = nullptr;       // the tool under the mouse
  HWND shown_ = nullptr;       // the tool whose tip shows
  HWND suppressed_ = nullptr;  // clicked: no tip until the mouse leaves it
  std::string shown_text_;
};

}  // namespace plat
