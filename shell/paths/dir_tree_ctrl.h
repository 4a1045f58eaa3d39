#pragma once
// The shell's folder tree: folders only, no files.
#include <string_view>

#include "platform/controls/folder_tree.h"

namespace quentaris {

class CDirTreeCtrl : public plat::FolderTree {
 protected:
  bool ShowFile(std::string_view) override { return false; }
};

}  // namespace quentaris
