#pragma once
// Test support for dialogs: a script that answers modal dialogs, message boxes
// and common dialogs instead of a person and logs every one shown, and helpers
// that fill a dialog's controls, press its buttons and read them back.
//
//   plat::testing::DialogScript script;
//   script.OnNextDialog([](plat::Dialog& d) {
//     plat::testing::TypeInto(d, 1000, "12");
//     plat::testing::Press(d, plat::IDOK);
//   });
//   EXPECT_EQ(dialog.DoModal(), plat::IDOK);
//   EXPECT_EQ(script.shown()[0].caption, "Count");
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dc/gdi_objects.h"
#include "platform/dialogs/dialog.h"
#include "platform/hooks.h"

namespace plat::testing {

// One dialog or box shown while a DialogScript was alive.
struct ShownDialog {
  enum class Kind { kDialog, kMessageBox, kFileOpen, kFileSave, kFolder, kFont } kind;
  UINT template_id = 0;  // a dialog's template id
  std::string caption;   // the title (a box's caption)
  std::string text;      // a box's text; a folder dialog's last status line
  unsigned flags = 0;    // a box's MB_ flags
  int result = 0;        // the dialog's result, the button of a box, IDOK / IDCANCEL of a common dialog
  bool left_open = false;  // the script left the dialog open and it was cancelled
};

class DialogScript {
 public:
  DialogScript();
  ~DialogScript();
  DialogScript(const DialogScript&) = delete;
  DialogScript& operator=(const DialogScript&) = delete;

  // The next modal dialog runs `action` after WM_INITDIALOG (shown, with its
  // controls); the action fills controls and presses buttons. A dialog the
  // action leaves open is cancelled (EndDialog(IDCANCEL)) and noted as left
  // open; dialogs beyond the script are cancelled the same way.
  void OnNextDialog(std::function<void(Dialog&)> action);
  // The next modal dialog: press the button `id` at once.
  void PressNext(UINT id);
  // The answer of the next message box; boxes beyond the script get the
  // answer of a MessageBoxScript made before this script, else their default.
  void AnswerBox(int id);
  // The next file dialog chooses this path (a file name alone is taken in the
  // dialog's start folder); nullopt cancels it. Beyond the script: cancelled.
  void AnswerFile(std::optional<std::string> path);
  // The next folder dialog chooses this folder; nullopt cancels.
  void AnswerFolder(std::optional<std::string> folder);
  // The next font dialog chooses this font; nullopt cancels.
  void AnswerFont(std::optional<Font> font);

  // Everything shown, in order.
  const std::vector<ShownDialog>& shown() const { return shown_; }
  // The captions of what was shown, for short checks.
  std::vector<std::string> Captions() const;

 private:
  int RunCommon(CommonDialog& dialog);

  hooks::DialogHandler dialog_handler_;
  hooks::DialogHandler* previous_dialogs_;
  hooks::MessageBoxHandler box_handler_;
  hooks::MessageBoxHandler* previous_box_;
  std::deque<std::function<void(Dialog&)>> dialog_actions_;
  std::deque<int> box_answers_;
  std::deque<std::optional<std::string>> files_;
  std::deque<std::optional<std::string>> folders_;
  std::deque<std::optional<Font>> fonts_;
  std::vector<ShownDialog> shown_;
};

// ---- Acting on a dialog as a person would ----

// Gives the control the focus, selects its text and types `text` key by key.
void TypeInto(Dialog& dialog, UINT id, std::string_view text);
// Sets a control's text at once (WM_SETTEXT).
void SetItemText(Dialog& dialog, UINT id, std::string_view text);
std::string ItemText(Dialog& dialog, UINT id);
// Presses a button as a click does: it takes the focus, then BM_CLICK. False
// when there is no such button or it is hidden or disabled, as a person could
// not press it then.
bool Press(Dialog& dialog, UINT id);
// Clicks a check box or radio button until its check is `checked`.
bool SetChecked(Dialog& dialog, UINT id, bool checked);
bool IsChecked(Dialog& dialog, UINT id);
// Chooses an entry of a list box or combo box as a click would (the
// selection changes and the parent hears LBN_SELCHANGE / CBN_SELCHANGE).
bool Choose(Dialog& dialog, UINT id, int index);
// Chooses the first entry with this text; false when there is none.
bool ChooseText(Dialog& dialog, UINT id, std::string_view text);
// Double-clicks an entry of a list box (LBN_DBLCLK follows).
bool DoubleClickItem(Dialog& dialog, UINT id, int index);

// In a folder tree: expands each folder above `path` by a click on its box
// and clicks the item (SelectTreePath) or double-clicks it (NM_DBLCLK
// follows). False when there is no such tree or a part of the path is missing.
bool SelectTreePath(Dialog& dialog, UINT id, std::string_view path);
bool DoubleClickTreePath(Dialog& dialog, UINT id, std::string_view path);

// A control of a dialog: its id, window, whether it is shown and where it
// lies in the dialog's client area.
struct ControlInfo {
  UINT id = 0;
  Window* window = nullptr;
  bool visible = false;
  Rect rect;  // in the dialog's client coordinates
};
std::vector<ControlInfo> ControlsOf(Dialog& dialog);

}  // namespace plat::testing
