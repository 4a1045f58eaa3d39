#pragma once
// "Duplicate a position": the actual position and the name of its copy, and whether the copy is a
// clone ("Fast copy"). "Clone a different position" ends the dialog with kOtherPosition, upon
// which the caller lets the user pick the source elsewhere.
#include <string>

#include "shell/dialogs/side_button_dialog.h"

namespace quentaris {

class CDiaDup : public SideButtonDialog {
 public:
  static constexpr plat::UINT kTemplateId = 153;
  static constexpr plat::UINT kActualEdit = 1000;
  static constexpr plat::UINT kNewEdit = 1001;
  static constexpr plat::UINT kOtherPosition = 1010;
  static constexpr plat::UINT kFastCopyCheck = 1023;

  // Offers `actual` followed by "A" as the new name.
  explicit CDiaDup(std::string actual, plat::Window* owner = nullptr);

  const std::string& actual() const { return actual_; }
  // After OK: a valid position name other than the actual one.
  std::string new_name;
  int fast_copy = 0;
  // "Clone a different position" was pressed.
  bool other_position_chosen = false;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  std::string actual_;
};

}  // namespace quentaris
