#pragma once
// The folder browser every program uses: the folder dialog of the platform
// whose status line shows at most 35 characters of the selected folder.
#include <string>
#include <string_view>

#include "platform/dialogs/folder_dialog.h"

namespace common {

inline constexpr std::size_t kFolderStatusLength = 35;

// The status line of a folder: a longer one is cut to its first 35
// characters and followed by "...".
std::string FolderStatusText(std::string_view folder);

class FolderDialog : public plat::FolderDialog {
 public:
  explicit FolderDialog(std::string_view start_folder = {}, std::string_view title = "Destination:",
                        plat::Window* owner = nullptr)
      : plat::FolderDialog(title, start_folder, owner) {}

 protected:
  void OnSelChanged(const std::string& folder) override;
};

}  // namespace common
