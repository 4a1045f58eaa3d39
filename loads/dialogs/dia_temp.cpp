#include "loads/dialogs/dia_temp.h"

#include <cmath>
#include <tuple>

#include "loads/dialogs/number_fields.h"
#include "loads/editor/change_test.h"
#include "loads/tables/load_table_dialogs.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/window/virtual_keys.h"

namespace pundf {
namespace {

constexpr const char* kUniformLabel = "Uniform T";
constexpr const char* kDeltaLabel = "Delta T [K]";
constexpr const char* kAlphaLabel = "alpha_T [1/K]";

// True when an element carries a temperature of its own.
bool ElementsCarryTemperatures(const common::TemperatureTable& table) {
  for (const auto& t : table.used()) {
    if (std::fabs(t.uniform_t()) > 0.1f || std::fabs(t.delta_t()) > 0.1f) return true;
  }
  return false;
}

// The load case's values and temperature flag.
void TakeValues(common::LoadCaseParams& params, const TemperatureValues& v) {
  params.set_delta_t(v.delta_t);
  params.set_alpha_t(v.alpha_t);
  params.set_uniform_temperature(v.uniform_t);
  params.set_temperature_flag(1);
}

// While no element carries a temperature of its own, every element gets the values.
void FillElementsUnlessSet(common::TemperatureTable& table, const TemperatureValues& v) {
  if (ElementsCarryTemperatures(table)) return;
  for (auto& t : table.used()) {
    t.set_uniform_t(v.uniform_t);
    t.set_delta_t(v.delta_t);
    t.set_alpha_t(v.alpha_t);
    t.set_loaded(1);
  }
}

}  // namespace

CDiaTemp::CDiaTemp(const common::LoadCaseParams& params, Single single, plat::Window* owner)
    : DeletableDialog(kTemplateId, "LC Temperature", owner, true),
      uniform_("0.0"),
      delta_("0.0"),
      alpha_("1.2E-5"),
      single_(std::move(single)) {
  if (params.temperature_flag() != 0) {
    delta_ = CommaNumber("%.2f", params.delta_t());
    alpha_ = CommaNumber("%.3E", params.alpha_t());
    uniform_ = CommaNumber("%.3E", params.uniform_temperature());
  }
}

void CDiaTemp::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field(kUniformLabel).EditBox(kUniformEdit, 0x0080, 12);
  form.Field(kDeltaLabel).EditBox(kDeltaEdit, 0x0080, 12);
  form.Field(kAlphaLabel).EditBox(kAlphaEdit, 0x0080, 12);
  auto buttons = layout.Row();
  buttons.DefPushButton("OK", plat::IDOK);
  buttons.PushButton("Stop", plat::IDCANCEL);
  buttons.PushButton("&Delete", kDelete);
  buttons.PushButton("Single", kSingle);
}

bool CDiaTemp::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetWindowPos(nullptr, 10, 70, 0, 0, plat::SWP_NOSIZE | plat::SWP_NOZORDER);
  SetDlgItemText(kUniformEdit, uniform_);
  SetDlgItemText(kDeltaEdit, delta_);
  SetDlgItemText(kAlphaEdit, alpha_);
  for (plat::UINT id : {kUniformEdit, kDeltaEdit, kAlphaEdit}) KeepOnly(*this, id, kExponentNumberChars);
  GotoDlgCtrl(GetDlgItem(kDeltaEdit));
  return false;
}

bool CDiaTemp::ReadValues() {
  TemperatureValues values;
  for (auto [id, label, value] : {std::tuple{kUniformEdit, kUniformLabel, &values.uniform_t},
                                  {kDeltaEdit, kDeltaLabel, &values.delta_t},
                                  {kAlphaEdit, kAlphaLabel, &values.alpha_t}}) {
    const auto number = TakeFieldNumber(*this, id, label);
    if (!number) return false;
    *value = *number;
  }
  values_ = values;
  return true;
}

void CDiaTemp::OnOK() {
  // "&Delete" takes the temperature away whatever the fields hold.
  if (!deleted() && !ReadValues()) return;
  plat::Dialog::OnOK();
}

bool CDiaTemp::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_KEYDOWN && msg->wParam == plat::VK_RETURN) {
    plat::Window* next = nullptr;
    if (msg->hwnd == GetDlgItem(kDeltaEdit)->GetSafeHwnd()) next = GetDlgItem(kAlphaEdit);
    if (msg->hwnd == GetDlgItem(kAlphaEdit)->GetSafeHwnd()) next = GetDlgItem(plat::IDOK);
    if (next) {
      GotoDlgCtrl(next);
      return true;
    }
  }
  return DeletableDialog::PreTranslateMessage(msg);
}

bool CDiaTemp::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) != kSingle) return DeletableDialog::OnCommand(wParam, lParam);
  if (ReadValues() && single_) single_(values_, this);
  return true;
}

bool OnTemperature(EditorSession& session, tables::TableState& table_state, plat::Window* owner) {
  LoadCase& lc = session.model.load_case;
  CDiaTemp dialog(lc.params,
                  [&session, &table_state, &lc](const TemperatureValues& v, plat::Window* parent) {
                    TakeValues(lc.params, v);
                    FillElementsUnlessSet(lc.temperatures, v);
                    tables::CDiaTemp3 single(session, table_state, parent);
                    single.DoModal();
                  },
                  owner);
  if (dialog.DoModal() != plat::IDOK) return false;
  if (dialog.deleted()) {
    lc.params.set_delta_t(0.0);
    lc.params.set_alpha_t(0.0);
    lc.params.set_uniform_temperature(0.0f);
    lc.params.set_temperature_flag(0);
  } else {
    const TemperatureValues& v = dialog.values();
    FillElementsUnlessSet(lc.temperatures, v);
    TakeValues(lc.params, v);
  }
  LoadsChanged(session);
  return true;
}

}  // namespace pundf
