#pragma once
// A tool bar (MFC's CMFCToolBar): a row of buttons that send commands to the
// frame. The update handlers enable, disable and check its buttons; a
// checked button is shown pressed.
//
//   tool_bar_.Create(this);
//   tool_bar_.SetWindowText("Standard");
//   tool_bar_.SetButtons({{57603, "Store"}, {57607, "Print"}, {0}, {32776, "Graphical input"}});
//   MapUpdate(32776, [this](plat::CmdUI& ui) { ui.SetCheck(graphic_input_); });
#include <string>
#include <string_view>
#include <vector>

#include "platform/dc/bitmap.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/control_bar.h"

class QAction;
class QToolBar;

namespace plat {

// Button styles and states (MFC's TBBS_ values).
inline constexpr UINT TBBS_BUTTON = 0x0000;
inline constexpr UINT TBBS_SEPARATOR = 0x0001;
inline constexpr UINT TBBS_CHECKED = 0x00010000;
inline constexpr UINT TBBS_PRESSED = 0x00020000;
inline constexpr UINT TBBS_DISABLED = 0x00040000;
inline constexpr UINT TBBS_INDETERMINATE = 0x00100000;

// A button: its command, its text (the tip, and the face when there is no
// image) and an optional image. The id 0 is a separator.
struct ToolButton {
  ToolButton(UINT id = 0, std::string text = {}, Bitmap image = {})  // NOLINT: {id, text} reads as a button
      : id(id), text(std::move(text)), image(std::move(image)) {}
  UINT id;
  std::string text;
  Bitmap image;
};

class ToolBar : public ControlBar {
 public:
  ToolBar();
  ~ToolBar() override;

  bool Create(FrameWnd* frame, UINT id = AFX_IDW_TOOLBAR);
  // Replaces the buttons.
  void SetButtons(std::vector<ToolButton> buttons);
  // A last button that sends `command` (the customise button), or none.
  void EnableCustomizeButton(bool enable, UINT command = 0, std::string_view text = {});

  int GetCount() const { return static_cast<int>(buttons_.size()); }
  // The command of a button (0 for a separator).
  UINT GetItemID(int index) const;
  // The index of a command's button, -1 when none.
  int CommandToIndex(UINT id) const;
  std::string GetButtonText(int index) const;
  // TBBS_ style and state of a button as shown.
  UINT GetButtonStyle(int index) const;
  // Sets TBBS_CHECKED and TBBS_DISABLED of a button directly (the next
  // update by the handlers may change them again).
  void SetButtonStyle(int index, UINT style);

  void UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Button {
    ToolButton info;
    UINT state = 0;  // TBBS_CHECKED, TBBS_DISABLED
    QAction* action = nullptr;
  };
  void Rebuild();
  void Show(Button& button);

  QToolBar* bar_ = nullptr;
  std::vector<Button> buttons_;
  UINT customize_command_ = 0;
  std::string customize_text_;
};

}  // namespace plat
