#include "graphics/app/windows_dialog.h"

#include "platform/dialogs/dialog_layout.h"

namespace revuzavi {

WindowsDialog::WindowsDialog(plat::MDIFrameWnd& frame) : plat::Dialog(131, "Windows", &frame), frame_(frame) {}

void WindowsDialog::BuildLayout(plat::DialogLayout& layout) {
  auto row = layout.Row();
  row.List(kWindowList, plat::LBS_NOTIFY | plat::WS_VSCROLL | plat::WS_BORDER, 30, 8, &list_);
  auto buttons = row.Column();
  buttons.PushButton("&Activate", kActivateWindow);
  buttons.PushButton("&Close window", kCloseWindow);
  buttons.PushButton("OK", plat::IDOK);
}

bool WindowsDialog::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  FillList();
  return true;
}

void WindowsDialog::FillList() {
  children_ = frame_.GetMDIChildren();
  list_.ResetContent();
  for (plat::MDIChildWnd* child : children_) list_.AddString(child->GetWindowText());
  if (!children_.empty()) list_.SetCurSel(0);
}

plat::MDIChildWnd* WindowsDialog::Selected() const {
  const int k = list_.GetCurSel();
  return k >= 0 && k < static_cast<int>(children_.size()) ? children_[static_cast<std::size_t>(k)] : nullptr;
}

bool WindowsDialog::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = static_cast<plat::UINT>(wParam & 0xFFFF);
  if (id == kActivateWindow) {
    if (plat::MDIChildWnd* child = Selected()) frame_.MDIActivate(child);
    EndDialog(plat::IDOK);
    return true;
  }
  if (id == kCloseWindow) {
    if (plat::MDIChildWnd* child = Selected()) child->SendMessage(plat::WM_CLOSE);
    FillList();
    return true;
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

}  // namespace revuzavi
