#pragma once
// Dialog 135 "Texts": the position's listings and exported pictures, shown in
// outside viewers, printed, printed into a file, deleted and copied.
#include <string>
#include <vector>

#include "shell/dialogs/shell_dialog.h"
#include "shell/state/shell_state.h"
#include "shell/texts/x_list_box.h"

namespace quentaris {

inline constexpr plat::UINT kDiaTexteTemplate = 135;
inline constexpr plat::UINT kTextsList = 1015;
inline constexpr plat::UINT kTextsPrint = 1010;
inline constexpr plat::UINT kTextsPrintForm = 1011;
inline constexpr plat::UINT kTextsPrintToFile = 1012;
inline constexpr plat::UINT kTextsDelete = 1013;
inline constexpr plat::UINT kTextsHelp = 1045;
inline constexpr plat::UINT kTextsSdir = 1064;
inline constexpr plat::UINT kTextsCopyOptions = 1068;
// Posted to the view by the Texts command: the view opens a fresh dialog.
inline constexpr plat::UINT kShowTextsMessage = plat::WM_USER + 345;
// Posted to the owning view by OK: the view closes the dialog.
inline constexpr plat::UINT kCloseTextsMessage = plat::WM_USER + 224;
inline constexpr const char* kTextsHelpPage = "TEXTE.HTM";

class CDiaTexte : public ShellDialog {
 public:
  CDiaTexte(ShellState& state, plat::Window* view);

  CXListBox& list() { return list_; }
  // The list read again from the position's files (outputs written meanwhile).
  void Refill() { Fill(); }

  // The commands on the selected lines.
  void ShowLine(int index);
  void PrintSelected();
  void PrintThroughZevril();
  void PrintSelectedToFile();
  void DeleteSelected();
  void CopySelected();

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnContextMenu(plat::Window* window, plat::Point point) override;
  bool PreTranslateMessage(plat::MSG* msg) override;
  void OnOK() override;

 private:
  void Fill();
  std::vector<int> SelectedListings() const;
  void DeselectAll();

  ShellState& state_;
  plat::Window* view_;
  CXListBox list_;
  plat::Font list_font_;
};

}  // namespace quentaris
