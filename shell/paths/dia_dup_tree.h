#pragma once
// "Dublicate position (copy)": picks a position folder ("SDIR" + name) in a
// folder tree, under any data path, and names its copy.
#include <string>

#include "shell/dialogs/shell_dialog.h"
#include "shell/paths/dir_tree_ctrl.h"

namespace quentaris {

class CDiaDupTree : public ShellDialog {
 public:
  static constexpr plat::UINT kTemplateId = 111;
  static constexpr plat::UINT kOldEdit = 1000;
  static constexpr plat::UINT kNewEdit = 1001;
  static constexpr plat::UINT kTree = 1045;

  // Starts with the tree on `data_path` (without its final "/").
  explicit CDiaDupTree(std::string data_path, plat::Window* owner = nullptr);

  // After OK: the picked position, its data path (ending with "/") and the copy's name.
  std::string old_name;
  std::string new_name;
  std::string data_path;

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) override;
  void DoDataExchange(plat::DataExchange& dx) override;

 private:
  void TakeSelectedFolder();

  std::string start_path_;
  CDirTreeCtrl tree_;
};

}  // namespace quentaris
