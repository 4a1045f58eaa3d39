#pragma once
// A folder dialog with an edit field: the folder is picked in a tree or typed;
// OK checks the typed path, offers to make a missing folder level by level,
// and ends the dialog only with a folder that exists.
#include <string>

#include "platform/controls/static.h"
#include "shell/dialogs/shell_dialog.h"
#include "shell/paths/dir_tree_ctrl.h"

namespace quentaris {

class CPathDialog : public ShellDialog {
 public:
  static constexpr plat::UINT kTemplateId = 14144;
  static constexpr plat::UINT kTree = 14145;
  static constexpr plat::UINT kStatus = 14146;
  static constexpr plat::UINT kPathEdit = 14148;

  // `text` is shown above the tree; an empty `start_folder` starts in the current folder.
  CPathDialog(std::string caption, std::string text, std::string start_folder, plat::Window* owner = nullptr);

  // 1 when a folder was accepted (path()), -1 otherwise.
  int DoModal() override;
  const std::string& path() const { return path_; }

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  bool OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) override;
  void OnOK() override;

 private:
  void RetryEdit();

  std::string caption_;
  std::string text_;
  std::string start_folder_;
  std::string path_;
  CDirTreeCtrl tree_;
};

}  // namespace quentaris
