#pragma once
// Dialog 105 "Headings": the two heading lines of the shell's printing (INC1,
// INC2) and how many of them to print (IDZ).
#include <string>

#include "shell/dialogs/shell_dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

inline constexpr plat::UINT kDiaKopfTemplate = 105;

class CDiaKopf : public ShellDialog {
 public:
  explicit CDiaKopf(const ShellState& state, plat::Window* owner = nullptr);

  std::string first;
  std::string second;
  std::string count;  // as typed; IDZ keeps its integer

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  void OnOK() override;

 private:
  const ShellState& state_;
};

}  // namespace quentaris
