#include "loads/dialogs/dia_magnitude.h"

#include <cstdio>

#include "loads/dialogs/number_fields.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf {
namespace {
constexpr const char* kMagnitudeLabel = "Magnitude kN/m";
}  // namespace

CDiaMagnitude::CDiaMagnitude(plat::UINT template_id, const char* caption, float magnitude, plat::Window* owner)
    : plat::Dialog(template_id, caption, owner), magnitude_(magnitude) {}

void CDiaMagnitude::BuildLayout(plat::DialogLayout& layout) {
  layout.Form().Field(kMagnitudeLabel).EditBox(kValueEdit, 0x0080, 10);
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
  const auto magnitude = TakeFieldNumber(*this, kValueEdit, kMagnitudeLabel);
  if (!magnitude) return;
  magnitude_ = *magnitude;
  plat::Dialog::OnOK();
}

}  // namespace pundf
