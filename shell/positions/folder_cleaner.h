#pragma once
// Deleting files of a position's folder: the folder is listed once, so that a reset's thousands
// of possible names cost a lookup each, not a system call.
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quentaris {

class FolderCleaner {
 public:
  // `folder` ends with "/"; its regular files are listed now.
  explicit FolderCleaner(std::string folder);

  // Deletes every file whose name matches one of the wildcard masks (ignoring case).
  void DeleteFilesByMask(std::initializer_list<std::string_view> masks);
  // Deletes every file whose name the predicate accepts.
  void DeleteFilesWhere(const std::function<bool(std::string_view name)>& accepts);
  // Deletes the file whose name is the parts joined; a name that is no file is skipped.
  void RemoveJoinedFile(std::initializer_list<std::string_view> parts);

  // The files that were there and could not be deleted, as full paths.
  const std::vector<std::string>& failures() const { return failures_; }

 private:
  void Remove(const std::string& name);

  std::string folder_;
  std::set<std::string, std::less<>> names_;
  std::vector<std::string> failures_;
};

}  // namespace quentaris
