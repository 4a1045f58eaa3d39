#pragma once
// "Enter LC number": the load case to open, chosen from the diary's numbers
// (1..99), and the number of load cases stored.
#include "common/records/load_case_diary.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaNrLF : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 149;
  static constexpr plat::UINT kCaseCombo = 1013;
  static constexpr plat::UINT kCountEdit = 1001;

  CDiaNrLF(const common::LoadCaseDiary& diary, int current, plat::Window* owner);

  // After OK: the load case chosen.
  int chosen() const { return chosen_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;

 private:
  const common::LoadCaseDiary& diary_;
  int chosen_;
  int count_;
};

}  // namespace pundf
