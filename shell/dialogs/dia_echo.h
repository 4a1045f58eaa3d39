#pragma once
// Dialog 141 "Echo-files ": the echo files of the position. A double click
// opens one in the text editor; Print (1010) prints the chosen one.
#include <string>
#include <vector>

#include "shell/dialogs/shell_dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

inline constexpr plat::UINT kDiaEchoTemplate = 141;
inline constexpr plat::UINT kEchoList = 1015;
inline constexpr plat::UINT kEchoPrint = 1010;

// The names of the position's echo files that exist, in the order ACADGEO.<name>,
// ACADLOAD.<name>, ECHO_G.<name>.TXT, ECHO_L.<name>.TXT, each as the folder
// spells it (found without regard to case).
std::vector<std::string> EchoFileNames(const ShellState& state);

class CDiaEcho : public ShellDialog {
 public:
  explicit CDiaEcho(const ShellState& state, plat::Window* owner = nullptr);

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  // The path of the chosen line; empty when none is chosen.
  std::string Chosen() const;

  const ShellState& state_;
};

}  // namespace quentaris
