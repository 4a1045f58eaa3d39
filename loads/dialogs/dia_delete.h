#pragma once
// The modeless window of the pick mode: its buttons report to the owner by
// posted messages; "OK" and "Cancel" end the pick mode (WM_USER+11, wParam 1
// and 2).
#include "platform/dialogs/dialog.h"

namespace pundf {

class CDiaDelete : public plat::Dialog {
 public:
  static constexpr plat::UINT kTemplateId = 2100;
  static constexpr plat::UINT kOk = 1087;

  explicit CDiaDelete(plat::Window* owner);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnOK() override;
  void OnCancel() override;

 private:
  void Post(plat::WPARAM wParam);
  plat::Window* owner_;
};

}  // namespace pundf
