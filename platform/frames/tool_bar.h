#pragma once
// A tool bar (MFC's CMFCToolBar): a row of buttons that send commands to the
// frame. The update handlers enable, disable and check its buttons; a
// checked button is shown pressed. A button may be hidden (it keeps its
// place among the others). The bar lies docked along any edge of the frame
// (a column at the left or right) or floats in a small window of its own
// above the frame, whose close box hides it. A right click on the bar asks
// the frame for its context menu (WM_CONTEXTMENU, the bar as the window).
//
//   tool_bar_.Create(this);
//   tool_bar_.SetWindowText("Standard");
//   tool_bar_.SetButtons({{57603, "Store"}, {57607, "Print"}, {0}, {32776, "Graphical input"}});
//   tool_bar_.EnableCustomizeButton(true, 126, "Anpassen...");
//   MapUpdate(32776, [this](plat::CmdUI& ui) { ui.SetCheck(graphic_input_); });
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dc/bitmap.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/control_bar.h"

class QAction;
class QToolBar;

namespace plat {

class FloatingBar;

// Button styles and states (MFC's TBBS_ values).
inline constexpr UINT TBBS_BUTTON = 0x0000;
inline constexpr UINT TBBS_SEPARATOR = 0x0001;
inline constexpr UINT TBBS_CHECKED = 0x00010000;
inline constexpr UINT TBBS_PRESSED = 0x00020000;
inline constexpr UINT TBBS_DISABLED = 0x00040000;
inline constexpr UINT TBBS_HIDDEN = 0x00080000;
inline constexpr UINT TBBS_INDETERMINATE = 0x00100000;

// A button: its command, its text (the tip, and the face when there is no
// image), an optional image, and whether it is hidden. The id 0 is a
// separator.
struct ToolButton {
  ToolButton(UINT id = 0, std::string text = {}, Bitmap image = {})  // NOLINT: {id, text} reads as a button
      : id(id), text(std::move(text)), image(std::move(image)) {}
  UINT id;
  std::string text;
  Bitmap image;
  bool hidden = false;
};

class ToolBar : public ControlBar {
 public:
  ToolBar();
  ~ToolBar() override;

  bool Create(FrameWnd* frame, UINT id = AFX_IDW_TOOLBAR);
  // Replaces the buttons.
  void SetButtons(std::vector<ToolButton> buttons);
  // The buttons, hidden ones and separators included, in their order.
  std::vector<ToolButton> GetButtons() const;
  // A last button that sends `command` (the customise button), or none.
  void EnableCustomizeButton(bool enable, UINT command = 0, std::string_view text = {});

  int GetCount() const { return static_cast<int>(buttons_.size()); }
  // The command of a button (0 for a separator).
  UINT GetItemID(int index) const;
  // The index of a command's button, -1 when none.
  int CommandToIndex(UINT id) const;
  std::string GetButtonText(int index) const;
  // TBBS_ style and state of a button as shown (TBBS_HIDDEN for a hidden one).
  UINT GetButtonStyle(int index) const;
  // Sets TBBS_CHECKED and TBBS_DISABLED of a button directly (the next
  // update by the handlers may change them again).
  void SetButtonStyle(int index, UINT style);

  // ---- Docking ----
  bool CanDock() const override { return true; }
  // Docks the bar along an edge of its frame, or floats it (kFloating) at
  // its floating place; the frame lines its bars up again.
  void DockAt(DockSide side);
  // The top left corner of the floating window in screen coordinates: where
  // it is while it floats, else where it will float.
  Point GetFloatingPlace() const;
  void SetFloatingPlace(Point place);
  bool IsBarVisible() override;
  void ShowBar(bool show) override;
  // The frame was shown or hidden: a floating bar's window follows it.
  void FrameShown(bool shown) override;
  // A floating bar's window takes the size its buttons want now.
  void ContentResized() override;

  void UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The window system's bar, where it is (tests click its buttons).
  QToolBar* widget() const { return bar_; }

 protected:
  void OnDestroy() override;

 private:
  friend class FloatingBar;
  struct Button {
    ToolButton info;
    UINT state = 0;  // TBBS_CHECKED, TBBS_DISABLED
    QAction* action = nullptr;
  };
  void Rebuild();
  // Appends the customise button (after a separator when there are buttons), if enabled.
  void AddCustomizeButton();
  // The frame (or the floating window) fits the bar's new size.
  void Relayout();
  void Show(Button& button);
  // Makes the floating window at the floating place (shown when the bar and
  // the frame are), or shows or hides the one there is.
  void ShowFloating();
  // Takes the content back from the floating window and ends it.
  void CloseFloating();
  // The floating window goes (its owner, the frame, goes): the content comes
  // back and the place is kept.
  void FloatingGone(Point place);

  QToolBar* bar_ = nullptr;
  std::vector<Button> buttons_;
  UINT customize_command_ = 0;
  std::string customize_text_;
  QAction* customize_actions_[2] = {nullptr, nullptr};  // its separator and its button, where shown
  bool shown_ = true;  // what a person chose for a floating bar
  Point float_place_{100, 100};
  std::unique_ptr<FloatingBar> floating_;
};

}  // namespace plat
