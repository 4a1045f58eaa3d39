#pragma once
// The shell's folder tree: folders only, no files.
#include <string_view>

#include "platform/controls/folder_tree.h"

namespace quentaris {

class CDirTreeCtrl : public plat::FolderTree {
 protected:
  bool ShowFile(std::string_view) override { return false; }
};

// A WM_NOTIFY of the tree `tree_id` telling that its selection changed or an
// item was double-clicked.
inline bool TreeSelectionNotified(plat::LPARAM lParam, plat::UINT tree_id) {
  const auto* header = reinterpret_cast<const plat::NMHDR*>(lParam);
  return header && header->idFrom == tree_id &&
         (header->code == plat::TVN_SELCHANGED || header->code == plat::NM_DBLCLK);
}

}  // namespace quentaris
