#include "loads/dialogs/dia_nr_lf.h"

#include <string>

#include "platform/controls/combo_box.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf {

CDiaNrLF::CDiaNrLF(const common::LoadCaseDiary& diary, int current, plat::Window* owner)
    : plat::Dialog(kTemplateId, "Enter LC number", owner),
      diary_(diary),
      chosen_(current),
      count_(diary.has_valid_count() ? diary.count() : 0) {}

void CDiaNrLF::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("LC").Combo(kCaseCombo, plat::CBS_DROPDOWN | plat::WS_VSCROLL, 8, 10);
  form.Field("Number").EditBox(kCountEdit, 0x0080, 8);
  auto buttons = layout.Row();
  buttons.DefPushButton("&OK", plat::IDOK);
  buttons.PushButton("&Stop", plat::IDCANCEL);
}

bool CDiaNrLF::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  auto* combo = dynamic_cast<plat::ComboBox*>(GetDlgItem(kCaseCombo));
  if (combo == nullptr) return true;
  for (int k = 1; k <= count_; ++k) combo->AddString(std::to_string(diary_.load_case(k)));
  combo->SetWindowText(std::to_string(chosen_));
  GotoDlgCtrl(combo);
  combo->ShowDropDown(true);
  return false;
}

void CDiaNrLF::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, kCaseCombo, chosen_);
  plat::DDV_MinMaxInt(dx, chosen_, 1, 99);
  plat::DDX_Text(dx, kCountEdit, count_);
  plat::DDV_MinMaxInt(dx, count_, 0, 99);
}

}  // namespace pundf
