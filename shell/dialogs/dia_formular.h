#pragma once
// Dialog 108, the page form of printed listings and pictures: the eleven
// fields of FKOPF. OK (1010) writes FKOPF, FKPFAD, the position's FSEITE and
// AUFSTELLER1.
#include "common/page/page_header_file.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/state/shell_state.h"

namespace quentaris {

inline constexpr plat::UINT kDiaFormularTemplate = 108;
inline constexpr plat::UINT kDiaFormularOk = 1010;

class CDiaFormular : public ShellDialog {
 public:
  explicit CDiaFormular(const ShellState& state, plat::Window* owner = nullptr);

  common::PageHeader header;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  void DoDataExchange(plat::DataExchange& dx) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  void WriteFiles() const;

  const ShellState& state_;
};

}  // namespace quentaris
