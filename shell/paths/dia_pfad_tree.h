#pragma once
// Chooses or makes the data path: a folder tree, the path in edit 1000 and
// the history of data paths. Enter in the edit or OK makes the folder when it
// is missing (the dialog stays open when that fails) and adds it to the
// history; a double click on a history entry takes it at once.
#include <string>

#include "platform/controls/list_box.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/paths/dir_tree_ctrl.h"
#include "shell/paths/data_path.h"
#include "shell/state/shell_state.h"

namespace quentaris {

class CDiaPfadTree : public ShellDialog {
 public:
  static constexpr plat::UINT kTemplateId = 114;
  static constexpr plat::UINT kPathEdit = 1000;
  static constexpr plat::UINT kTree = 1045;
  static constexpr plat::UINT kHistoryList = 1015;

  // Starts on the state's data path; the history lies in its settings folder.
  explicit CDiaPfadTree(const ShellState& state, plat::Window* owner = nullptr);

  // After OK: the chosen folder, without a final "/".
  const std::string& chosen_path() const { return chosen_path_; }

  bool PreTranslateMessage(plat::MSG* msg) override;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  bool OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) override;
  void OnOK() override;

 private:
  void Accept(AskedBy asked_by);
  void DeleteSelectedHistory();

  std::string data_path_;
  std::string history_file_;
  std::string history_temp_;
  std::string chosen_path_;
  CDirTreeCtrl tree_;
  plat::ListBox history_;
};

}  // namespace quentaris
