#pragma once
// Dialog 113 "Load from archive": the name of the position to make.
#include <string>

#include "shell/dialogs/shell_dialog.h"

namespace quentaris {

inline constexpr plat::UINT kDiaLadenTemplate = 113;

class CDiaLaden : public ShellDialog {
 public:
  explicit CDiaLaden(plat::Window* owner = nullptr);

  std::string position;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  void DoDataExchange(plat::DataExchange& dx) override;
};

}  // namespace quentaris
