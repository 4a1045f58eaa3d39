#include "loads/dialogs/dia_eigen.h"

#include "common/settings.h"
#include "loads/dialogs/number_fields.h"
#include "loads/editor/change_test.h"
#include "loads/editor/save_sequence.h"
#include "loads/tables/cell_texts.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/files.h"

namespace pundf {
namespace {
constexpr const char* kGammaLabel = "Specific weight [kN/m3]";
constexpr const char* kCoveringLabel = "Floor covering [kN/m]";
}  // namespace

DIA_EIGEN::DIA_EIGEN(std::string gamma, std::string covering, plat::Window* owner)
    : DeletableDialog(kTemplateId, "Gravity load", owner, false),
      gamma_text_(std::move(gamma)),
      covering_text_(std::move(covering)) {}

void DIA_EIGEN::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field(kGammaLabel).EditBox(kGammaEdit, 0x0080, 10);
  form.Field(kCoveringLabel).EditBox(kCoveringEdit, 0x0080, 10);
  auto buttons = layout.Row();
  buttons.DefPushButton("OK", plat::IDOK);
  buttons.PushButton("Stop", plat::IDCANCEL);
  buttons.PushButton("&Delete", kDelete);
}

bool DIA_EIGEN::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetWindowPos(nullptr, 10, 70, 0, 0, plat::SWP_NOSIZE | plat::SWP_NOZORDER);
  SetDlgItemText(kGammaEdit, gamma_text_);
  SetDlgItemText(kCoveringEdit, covering_text_);
  KeepOnly(*this, kGammaEdit, kPlainNumberChars);
  KeepOnly(*this, kCoveringEdit, kPlainNumberChars);
  GotoDlgCtrl(GetDlgItem(kCoveringEdit));
  return false;
}

void DIA_EIGEN::OnOK() {
  if (deleted()) {  // the values are taken away: what the fields hold does not count
    plat::Dialog::OnOK();
    return;
  }
  const auto gamma = TakeFieldNumber(*this, kGammaEdit, kGammaLabel);
  if (!gamma) return;
  const auto covering = TakeFieldNumber(*this, kCoveringEdit, kCoveringLabel);
  if (!covering) return;
  gamma_ = *gamma;
  covering_ = *covering;
  plat::Dialog::OnOK();
}

bool OnGravityLoad(EditorSession& session, plat::Window* owner) {
  common::LoadCaseParams& p = session.model.load_case.params;
  std::string gamma = "25.0", covering = "1.5";
  if (p.gamma() > 0.0) {
    gamma = CommaNumber("%.2f", p.gamma());
    covering = CommaNumber("%.2f", p.covering());
  } else if (plat::FileExists(common::JoinSettingsPath(session.model.settings, kLoadEditorSettingsFile))) {
    gamma = tables::FormatNumber("%.2f", session.settings.gamma());
    covering = tables::FormatNumber("%.2f", session.settings.covering());
  }
  DIA_EIGEN dialog(gamma, covering, owner);
  if (dialog.DoModal() != plat::IDOK) return false;
  if (dialog.deleted()) {
    p.set_gravity_flag(0);
    p.set_gamma(0.0);
    p.set_covering(0.0);
    p.set_uniform_load(0.0);
  } else {
    p.set_gamma(dialog.gamma());
    p.set_covering(dialog.covering());
    p.set_gravity_flag(1);
    session.settings.set_gamma(dialog.gamma());
    session.settings.set_covering(dialog.covering());
    WriteEditorSettings(session);
  }
  LoadsChanged(session);
  return true;
}

}  // namespace pundf
