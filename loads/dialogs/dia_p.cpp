#include "loads/dialogs/dia_p.h"

#include <cmath>

#include "loads/dialogs/generated_load_commands.h"
#include "loads/dialogs/number_fields.h"
#include "loads/generators/wind_snow.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf {
namespace {
constexpr const char* kValueLabel = "Value [kN/m]";
}  // namespace

CDIA_P::CDIA_P(double value, plat::Window* owner)
    : DeletableDialog(kTemplateId, "Line load", owner, false), value_(static_cast<float>(value)) {}

void CDIA_P::BuildLayout(plat::DialogLayout& layout) {
  layout.Form().Field(kValueLabel).EditBox(kValueEdit, 0x0080, 10);
  auto buttons = layout.Row();
  buttons.DefPushButton("OK", plat::IDOK);
  buttons.PushButton("Stop", plat::IDCANCEL);
  buttons.PushButton("&Delete", kDelete);
}

bool CDIA_P::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetWindowPos(nullptr, 10, 70, 0, 0, plat::SWP_NOSIZE | plat::SWP_NOZORDER);
  SetDlgItemText(kValueEdit, CommaNumber("%.2f", std::fabs(value_) < 0.001f ? 10.0 : value_));
  KeepOnly(*this, kValueEdit, kPlainNumberChars);
  GotoDlgCtrl(GetDlgItem(kValueEdit));
  return false;
}

void CDIA_P::OnOK() {
  if (deleted()) {  // the value is taken away: what the field holds does not count
    plat::Dialog::OnOK();
    return;
  }
  const auto value = TakeFieldNumber(*this, kValueEdit, kValueLabel);
  if (!value) return;
  value_ = *value;
  plat::Dialog::OnOK();
}

bool OnFloorLoad(EditorSession& session, plat::Window* owner) {
  common::LoadCaseParams& p = session.model.load_case.params;
  CDIA_P dialog(p.uniform_load(), owner);
  if (dialog.DoModal() != plat::IDOK) return false;
  if (dialog.deleted()) {
    p.set_uniform_load(0.0);
    return true;
  }
  const float value = dialog.value();
  return StoreGenerated(session, [value](LoadModel& model) { GenerateFloorLoadCase(model, value); });
}

}  // namespace pundf
