#include "shell/dialogs/dia_dup.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"
#include "shell/positions/position_name.h"

namespace quentaris {

CDiaDup::CDiaDup(std::string actual, plat::Window* owner)
    : SideButtonDialog(kTemplateId, "Duplicate a position", owner), new_name(actual + "A"), actual_(std::move(actual)) {}

void CDiaDup::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("The actual Position").EditBox(kActualEdit, plat::ES_AUTOHSCROLL | plat::ES_READONLY, 30);
  form.Field("&becomes Position").EditBox(kNewEdit, plat::ES_AUTOHSCROLL, 30);
  layout.CheckBox("&Clone ('Fast copy')", kFastCopyCheck);
  auto buttons = layout.Row();
  buttons.PushButton("Clone a &different position", kOtherPosition);
  buttons.Stretch();
  buttons.DefPushButton("OK", plat::IDOK);
  buttons.PushButton("Cancel", plat::IDCANCEL);
}

bool CDiaDup::OnInitDialog() {
  SideButtonDialog::OnInitDialog();
  GotoDlgCtrl(GetDlgItem(kNewEdit));
  return false;
}

void CDiaDup::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kActualEdit, actual_);
  plat::DDX_Text(dx, kNewEdit, new_name);
  if (dx.saving()) {
    if (const common::Result checked = CheckPositionName(new_name); !checked) {
      dx.Fail(checked.text());
    } else if (new_name == actual_) {
      dx.Fail("The copy needs a name other than " + actual_ + ".");
    }
  }
  plat::DDX_Check(dx, kFastCopyCheck, fast_copy);
}

bool CDiaDup::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == kOtherPosition) {
    other_position_chosen = true;
    EndDialog(kOtherPosition);
    return true;
  }
  return SideButtonDialog::OnCommand(wParam, lParam);
}

}  // namespace quentaris
