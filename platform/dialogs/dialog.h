#pragma once
// Dialogs (Win32's dialog boxes, MFC's CDialog): a top-level window owned by
// another, holding controls addressed by id, with a dialog manager for the
// keyboard and data exchange between the controls and members.
//
// A dialog class builds its controls in BuildLayout (the dialog template, in
// code, laid out by the layout boxes of dialog_layout.h), sets them up in
// OnInitDialog and exchanges their values with its members in DoDataExchange:
//
//   class CountDialog : public plat::Dialog {
//    public:
//     explicit CountDialog(plat::Window* owner) : Dialog(140, "Count", owner) {}
//     int count = 1;
//    protected:
//     void BuildLayout(plat::DialogLayout& layout) override {
//       auto row = layout.Row();
//       row.Text("&Count:");
//       row.EditBox(1000);
//       layout.OkCancel();
//     }
//     void DoDataExchange(plat::DataExchange& dx) override {
//       plat::DDX_Text(dx, 1000, count);
//       plat::DDV_MinMaxInt(dx, count, 1, 99);
//     }
//   };
//   CountDialog dialog(view);
//   if (dialog.DoModal() == plat::IDOK) use(dialog.count);
//
// Modal: DoModal makes the window, sends WM_INITDIALOG, shows it and runs
// until EndDialog; the owner takes no input meanwhile. Its value is the
// EndDialog result (IDOK, IDCANCEL or any id), -1 when the window could not be
// made. Under the offscreen platform nobody can answer: without a test's
// script (plat::testing::DialogScript) and without PLAT_MESSAGES the program
// ends at once with exit code 97, as an unanswerable message box does.
//
// Modeless: Create makes and shows the window and returns; the dialog lives
// until DestroyWindow. Its OnOK and OnCancel only hide it (as in MFC): a
// modeless dialog that should go away overrides them.
//
// Commands: WM_COMMAND with IDOK calls OnOK (data exchange, then EndDialog
// (IDOK)), IDCANCEL calls OnCancel (EndDialog(IDCANCEL)); WM_CLOSE is
// IDCANCEL. Derived dialogs handle their own ids in OnCommand and call
// Dialog::OnCommand for the rest.
//
// The dialog manager (IsDialogMessage, called by PreTranslateMessage) sees the
// keys meant for the dialog's controls first, unless the focus control keeps
// them (WM_GETDLGCODE with DLGC_WANTALLKEYS, DLGC_WANTTAB, DLGC_WANTARROWS,
// DLGC_WANTCHARS):
// - Tab and Shift+Tab move the focus to the next or previous control with
//   WS_TABSTOP (an edit's text is then selected);
// - Enter presses the focused push button, else the default button (the
//   DM_SETDEFID id, else the BS_DEFPUSHBUTTON, else IDOK);
// - Escape sends IDCANCEL;
// - the arrow keys move through the group of the focus control (a radio
//   button that gets the focus this way is checked);
// - Alt+letter (or the letter alone when the focus control takes no
//   characters) acts on the control whose text marks that letter with "&": a
//   button is pressed, a static or group box gives the focus to the control
//   after it.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/message_box.h"
#include "platform/window/window.h"

namespace plat {

class DataExchange;
class DialogLayout;

namespace detail {
struct DialogFrame;
}

class Dialog : public Window {
 public:
  // `template_id` names the dialog (the number of its template; shown in
  // tests' logs), `caption` is its title (Windows-1252), `owner` the window it
  // belongs to (nullptr: the window that has the focus, if any).
  explicit Dialog(UINT template_id = 0, std::string_view caption = {}, Window* owner = nullptr);
  ~Dialog() override;

  // ---- Modal and modeless ----
  virtual int DoModal();
  // Makes the dialog modeless (owned by `owner`, else the constructor's) and
  // shows it unless `visible` is false (ShowWindow shows it later). False
  // when it exists already or cannot be made.
  bool Create(Window* owner = nullptr, bool visible = true);
  // Ends the dialog with `result`: a modal dialog's DoModal returns it; a
  // modeless dialog is hidden.
  void EndDialog(int result);
  bool IsModal() const { return modal_; }
  // Whether EndDialog was called since the dialog was made, and its result.
  bool Ended() const { return ended_; }
  int Result() const { return result_; }
  UINT TemplateId() const { return template_id_; }
  const std::string& Caption() const { return caption_; }

  // ---- Data exchange ----
  // Saving (true): controls to members, with validation; a failure shows its
  // message, puts the focus on the control and returns false. Loading
  // (false): members to controls.
  bool UpdateData(bool save_and_validate = true);

  // ---- Controls by id ----
  LRESULT SendDlgItemMessage(UINT id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  void SetDlgItemText(UINT id, std::string_view text);
  std::string GetDlgItemText(UINT id) const;
  void SetDlgItemInt(UINT id, int value, bool is_signed = true);
  // The control's text as an integer (leading and trailing blanks allowed);
  // *translated tells whether it was one (0 when not).
  int GetDlgItemInt(UINT id, bool* translated = nullptr, bool is_signed = true) const;
  void CheckDlgButton(UINT id, int check);
  int IsDlgButtonChecked(UINT id) const;
  // Checks `check` and unchecks the other radio buttons with ids first..last.
  void CheckRadioButton(UINT first, UINT last, UINT check);
  // The id of the checked radio button among first..last; 0 when none.
  UINT GetCheckedRadioButton(UINT first, UINT last) const;
  // Gives the focus to a control (an edit's text is selected, as on Tab).
  void GotoDlgCtrl(Window* control);
  void NextDlgCtrl();
  void PrevDlgCtrl();
  // The next (previous) enabled, visible control with WS_TABSTOP after
  // `control` (nullptr: from the start), wrapping around.
  Window* GetNextDlgTabItem(Window* control, bool previous = false) const;
  // The next (previous) enabled, visible control of `control`'s group.
  Window* GetNextDlgGroupItem(Window* control, bool previous = false) const;
  // DM_SETDEFID and DM_GETDEFID: the default push button.
  void SetDefID(UINT id);
  UINT GetDefID() const;

  // Makes `window` in place of the placeholder `id` (DialogLayout::Placeholder):
  // a child with the placeholder's id, place and slot in the layout (with
  // WS_CHILD | WS_VISIBLE added to `style`); the placeholder goes. False when
  // there is no such placeholder or the window cannot be made.
  bool AttachToPlaceholder(UINT id, Window& window, DWORD style = WS_TABSTOP);

  // Places the dialog centred over its owner (or the screen).
  void CenterWindow();
  // The font of the dialog and its controls.
  static const Font& DialogFont();

  // The dialog manager (see the header comment). True when it took the message.
  bool IsDialogMessage(MSG* msg);
  bool PreTranslateMessage(MSG* msg) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The dialog's default handling (Win32's DefDlgProc): WM_CLOSE sends
  // IDCANCEL, DM_GETDEFID / DM_SETDEFID, WM_NEXTDLGCTL, and WM_SETFOCUS passes
  // the focus on to the first control.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The dialog template: makes the controls in `layout`. Called once when the
  // window is made, before WM_INITDIALOG.
  virtual void BuildLayout(DialogLayout& layout);
  // WM_INITDIALOG: the base loads the members into the controls
  // (UpdateData(false)). Returning true gives the focus to the first control
  // with WS_TABSTOP; return false after setting the focus yourself.
  virtual bool OnInitDialog();
  // IDOK: UpdateData(true), and EndDialog(IDOK) when it succeeded.
  virtual void OnOK();
  // IDCANCEL: EndDialog(IDCANCEL).
  virtual void OnCancel();
  // Exchanges the members with the controls (DDX_ and DDV_ functions).
  virtual void DoDataExchange(DataExchange& dx);

  bool OnCommand(WPARAM wParam, LPARAM lParam) override;
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  friend class DialogLayout;
  friend struct detail::DialogFrame;

  // Makes the window, builds the template, sizes it, sends WM_INITDIALOG.
  bool MakeWindow(Window* owner, bool modal);
  // Runs the modal loop until EndDialog.
  void RunModalLoop();
  // Enter, Escape, Tab, arrows and mnemonics (dialog_manager.cpp).
  bool HandleDialogKey(MSG* msg, Window* focus);
  bool HandleMnemonic(char letter);
  Window* DefaultButton() const;
  Window* ControlOf(Window* window) const;
  void PressButton(UINT id);
  // Keeps a control made by the layout for the dialog's lifetime.
  Window* Own(std::unique_ptr<Window> control);

  UINT template_id_;
  std::string caption_;
  Window* owner_;
  bool modal_ = false;
  bool ended_ = false;
  int result_ = IDCANCEL;
  UINT def_id_ = 0;
  void* loop_ = nullptr;  // the modal loop while it runs (a QEventLoop)
  std::unique_ptr<detail::DialogFrame> frame_;
  std::vector<std::unique_ptr<Window>> owned_;
};

}  // namespace plat
