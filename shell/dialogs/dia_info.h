#pragma once
// Dialog 154 "Info": the version line and the program path; 1063 opens the
// help page on sending the echo files in LERVENTA.
#include <string>

#include "shell/dialogs/shell_dialog.h"

namespace quentaris {

inline constexpr plat::UINT kDiaInfoTemplate = 154;
inline constexpr plat::UINT kInfoSendEcho = 1063;
inline constexpr const char* kSendEchoPage = "ECHOSENDEN.HTM";

class CDiaInfo : public ShellDialog {
 public:
  explicit CDiaInfo(std::string program_path, plat::Window* owner = nullptr);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  std::string program_path_;
};

}  // namespace quentaris
