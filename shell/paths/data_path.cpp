#include "shell/paths/data_path.h"

#include <cctype>
#include <vector>

#include "platform/files.h"
#include "platform/message_box.h"
#include "shell/files/same_name.h"

namespace quentaris {
namespace {

std::vector<std::string> PartsOf(std::string_view path) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The OK button's or the Enter key's wording of a failure, under "Error".
void Fail(AskedBy asked_by, const std::string& by_button, const std::string& by_key) {
  plat::MessageBox(asked_by == AskedBy::kOkButton ? by_button : by_key, "Error", plat::MB_OK | plat::MB_ICONERROR);
}


}  // namespace

bool EnsureDataPath(const std::string& path, AskedBy asked_by) {
  if (plat::FolderExists(path)) return true;
  if (path.empty() || path.front() != '/') {
    const std::vector<std::string> parts = PartsOf(path);
    const std::string drive = parts.empty() ? path : parts.front();
    Fail(asked_by, "Drive " + drive + " not available!", "Drive " + drive + " does not exist!");
    return false;
  }
  if (const std::string failed = MakeFolderLevels(path); !failed.empty()) {
    Fail(asked_by, "Path " + failed + " cannot be generated!", "Folder " + failed + " cannot be generated!");
    return false;
  }
  return true;
}

std::string MakeFolderLevels(std::string_view path) {
  std::string reached;
  for (const std::string& part : PartsOf(path)) {
    reached += "/" + part;
    if (plat::FolderExists(reached)) continue;
    if (plat::FileExists(reached) || !plat::MakeFolder(reached) || !plat::FolderExists(reached)) return reached;
  }
  return {};
}

std::string DataPathRefusal(std::string_view path) {
  const std::string text(path);
  if (path.size() > kMaxDataPath) {
    return "The data path " + text + " is too long: at most " + std::to_string(kMaxDataPath) + " characters.";
  }
  if (path.find('@') != std::string_view::npos) {
    return "The data path " + text + " must not hold \"@\".";
  }
  return {};
}

bool IsValidFolderPath(std::string_view path) {
  if (path.empty() || path.front() != '/' || path.size() > kMaxFolderPath) return false;
  if (path == "/") return true;
  std::size_t start = 1;
  while (true) {
    std::size_t end = path.find('/', start);
    const bool last = end == std::string_view::npos;
    if (last) end = path.size();
    const std::string_view part = path.substr(start, end - start);
    if (part.empty()) return last && start > 1;  // only a final "/" may follow the last part
    for (const char edge : {part.front(), part.back()}) {
      if (edge == ' ' || edge == '\t' || edge == '.') return false;
    }
    if (part.find_first_of("*:<>?\\|\"") != std::string_view::npos) return false;
    if (last) return true;
    start = end + 1;
  }
}

std::optional<PickedPosition> PositionOfFolder(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  const std::size_t slash = folder.rfind('/');
  const std::size_t last_start = slash == std::string_view::npos ? 0 : slash + 1;
  const std::string_view last = folder.substr(last_start);
  std::size_t at = std::string_view::npos;
  for (std::size_t i = 0; i + 4 <= last.size(); ++i) {
    if (SameIgnoringCase(last.substr(i, 4), "SDIR")) {
      at = i;
      break;
    }
  }
  if (at == std::string_view::npos) return std::nullopt;
  return PickedPosition{std::string(last.substr(at + 4)), std::string(folder.substr(0, last_start))};
}

}  // namespace quentaris
