#include "graphics/app/green_dialogs.h"

#include "graphics/app/font_dialog.h"
#include "graphics/app/viewer_help.h"
#include "platform/dialogs/dialog_layout.h"

namespace revuzavi {

CDiaGreenElement::CDiaGreenElement(int element_count, plat::Window* owner)
    : plat::Dialog(326, " Element - next element can be picked directly", owner), element_count_(element_count) {}

void CDiaGreenElement::BuildLayout(plat::DialogLayout& layout) {
  layout.Form().Field("&Element-Nr").EditBox(kElementEdit);
  layout.OkCancel("OK", "Stop");
}

bool CDiaGreenElement::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  GotoDlgCtrl(GetDlgItem(kElementEdit));  // selected and focused
  return false;
}

void CDiaGreenElement::OnOK() {
  const auto n = ChoiceNumber(GetDlgItemText(kElementEdit));
  if (!n || *n != static_cast<int>(*n) || *n < 1 || *n > element_count_) {
    plat::MessageBox("Wrong input", "?", plat::MB_OK);
    GotoDlgCtrl(GetDlgItem(kElementEdit));
    return;
  }
  element_ = static_cast<int>(*n);
  EndDialog(plat::IDOK);
}

CDiaGreenAny::CDiaGreenAny(int choice, bool integral, plat::Window* owner)
    : plat::Dialog(348, "Green's function", owner), choice_(choice >= 0 && choice < 6 ? choice : 0),
      integral_(integral) {}

void CDiaGreenAny::BuildLayout(plat::DialogLayout& layout) {
  auto group = layout.Group("Green's function of");
  const char* names[6] = {"&u", "&w", "w,&x", "&N", "&V", "&M"};
  for (int k = 0; k < 6; ++k) group.RadioButton(names[k], kFunctionIds[k], k == 0);
  layout.CheckBox("&Integral value", kIntegral);
  layout.Text("Then click on a frame element (Ctrl + left mouse button).");
  layout.Text("The right mouse button opens this dialog again.");
  auto buttons = layout.Row();
  buttons.Stretch();
  buttons.DefPushButton("OK", plat::IDOK);
  buttons.PushButton("Help", kHelp);
  buttons.PushButton("Cancel", kCancel);
}

bool CDiaGreenAny::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  CheckRadioButton(kFunctionIds[0], kFunctionIds[5], kFunctionIds[choice_]);
  CheckDlgButton(kIntegral, integral_ ? 1 : 0);
  return true;
}

bool CDiaGreenAny::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = plat::LOWORD(wParam);
  if (plat::HIWORD(wParam) == plat::BN_CLICKED) {
    for (int k = 0; k < 6; ++k) {
      if (id != kFunctionIds[k]) continue;
      choice_ = k;
      integral_ = IsDlgButtonChecked(kIntegral) != 0;
      EndDialog(plat::IDOK);
      return true;
    }
    if (id == kCancel) {
      EndDialog(plat::IDCANCEL);
      return true;
    }
    if (id == kHelp) {
      OpenViewerHelp("GREENINT.PDF", "REVUZAVI.pdf");
      return true;
    }
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

void CDiaGreenAny::OnOK() {
  for (int k = 0; k < 6; ++k) {
    if (IsDlgButtonChecked(kFunctionIds[k]) != 0) choice_ = k;
  }
  integral_ = IsDlgButtonChecked(kIntegral) != 0;
  plat::Dialog::OnOK();
}

}  // namespace revuzavi
