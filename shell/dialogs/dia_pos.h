#pragma once
// "New Position": the name of a new position under the data path. OK makes it the current
// position of the state, puts it first in the position list (LISTP.TXT) and posts
// kPositionListChanged to the main window. Making its folder and writing EXTR is the caller's.
#include <string>

#include "shell/dialogs/side_button_dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

// Posted to the main window when the position list changed: it refills its position box.
inline constexpr plat::UINT kPositionListChanged = plat::WM_USER + 2005;

class CDiaPos : public SideButtonDialog {
 public:
  static constexpr plat::UINT kTemplateId = 104;
  static constexpr plat::UINT kNameEdit = 1000;

  // `main_window` hears kPositionListChanged (none: nobody is told).
  CDiaPos(ShellState& state, plat::Window* main_window, plat::Window* owner = nullptr);

  // The name offered, and after OK the name taken (blanks turned into "_").
  std::string name = "New";

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;

 private:
  ShellState& state_;
  plat::Window* main_window_;
};

}  // namespace quentaris
