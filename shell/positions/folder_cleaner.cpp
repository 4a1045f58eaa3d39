#include "shell/positions/folder_cleaner.h"

#include "platform/files.h"

namespace quentaris {

FolderCleaner::FolderCleaner(std::string folder) : folder_(std::move(folder)) {
  for (std::string& name : plat::ListFolder(folder_)) names_.insert(std::move(name));
}

void FolderCleaner::DeleteFilesByMask(std::initializer_list<std::string_view> masks) {
  std::vector<std::string> matching;
  for (const std::string& name : names_) {
    for (std::string_view mask : masks) {
      if (plat::WildcardMatch(mask, name)) {
        matching.push_back(name);
        break;
      }
    }
  }
  for (const std::string& name : matching) Remove(name);
}

void FolderCleaner::DeleteFilesWhere(const std::function<bool(std::string_view name)>& accepts) {
  std::vector<std::string> matching;
  for (const std::string& name : names_) {
    if (accepts(name)) matching.push_back(name);
  }
  for (const std::string& name : matching) Remove(name);
}

void FolderCleaner::RemoveJoinedFile(std::initializer_list<std::string_view> parts) {
  std::string name;
  for (std::string_view part : parts) name += part;
  if (names_.contains(name)) Remove(name);
}

void FolderCleaner::Remove(const std::string& name) {
  names_.erase(name);
  if (!plat::RemoveFile(folder_ + name)) failures_.push_back(folder_ + name);
}

}  // namespace quentaris
