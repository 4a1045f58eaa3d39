#include "loads/dialogs/dia_magnitude.h"

#include <cstdio>

#include "common/text_to_float.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf {

CDiaMagnitude::CDiaMagnitude(plat::UINT template_id, const char* caption, float magnitude, plat::Window* owner)
    : plat::Dialog(template_id, caption, owner), magnitude_(magnitude) {}

void CDiaMagnitude::BuildLayout(plat::DialogLayout& layout) {
  layout.Form().Field("Magnitude kN/m").EditBox(kValueEdit, 0x0080, 10);
  auto buttons = layout.Row();
  buttons.DefPushButton("OK", plat::IDOK);
  buttons.PushButton("Stop", plat::IDCANCEL);
}

bool CDiaMagnitude::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  char text[32];
  std::snprintf(text, sizeof text, "%5.1lf", static_cast<double>(magnitude_));
  SetDlgItemText(kValueEdit, text);
  GotoDlgCtrl(GetDlgItem(kValueEdit));
  return false;
}

void CDiaMagnitude::OnOK() {
  magnitude_ = common::TextToFloat(GetDlgItemText(kValueEdit));
  plat::Dialog::OnOK();
}

}  // namespace pundf
