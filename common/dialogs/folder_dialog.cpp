#include "common/dialogs/folder_dialog.h"

namespace common {

std::string FolderStatusText(std::string_view folder) {
  if (folder.size() <= kFolderStatusLength) return std::string(folder);
  return std::string(folder.substr(0, kFolderStatusLength)) + "...";
}

void FolderDialog::OnSelChanged(const std::string& folder) { SetStatusText(FolderStatusText(folder)); }

}  // namespace common
