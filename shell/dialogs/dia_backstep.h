#pragma once
// "Reset position <name>": OK deletes the results of the position (ResetPosition), with the text
// listings and pictures when the box is checked, and shows what could not be done.
#include "common/position/position.h"
#include "shell/dialogs/side_button_dialog.h"
#include "shell/positions/reset_position.h"

namespace quentaris {

class CDiaBackstep : public SideButtonDialog {
 public:
  static constexpr plat::UINT kTemplateId = 142;
  static constexpr plat::UINT kDeleteOutputsCheck = 1023;

  explicit CDiaBackstep(common::Position position, plat::Window* owner = nullptr);

  int delete_outputs = 1;
  // After OK: what the reset reported.
  const ResetReport& report() const { return report_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;

 private:
  common::Position position_;
  ResetReport report_;
};

}  // namespace quentaris
