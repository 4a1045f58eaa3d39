#include "shell/texts/shell_file_op.h"

#include "platform/files.h"

namespace quentaris {
namespace {

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool MakeParent(const std::string& path) {
  const std::string folder = FolderOf(path);
  return folder.empty() || plat::MakeFolder(folder);
}

}  // namespace

std::string CShellFileOp::TargetOf(std::size_t i) const {
  if (targets_.size() == sources_.size()) return targets_[i];
  std::string folder = targets_.front();
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder + NameOf(sources_[i]);
}

bool CShellFileOp::RunOne(std::size_t i) const {
  const std::string& source = sources_[i];
  if (function_ == kDelete) return plat::RemoveFile(source) || !plat::FileExists(source);
  const std::string target = TargetOf(i);
  if (!MakeParent(target)) return false;
  if (function_ == kCopy) return plat::CopyFile(source, target, true);
  if (plat::RenameFile(source, target)) return true;
  // A move across file systems: copy, then remove the source.
  return function_ == kMove && plat::CopyFile(source, target, true) && plat::RemoveFile(source);
}

bool CShellFileOp::Go(bool* started, int* result) {
  if (started != nullptr) *started = false;
  if (sources_.empty()) return false;
  if (function_ != kDelete && targets_.size() != 1 && targets_.size() != sources_.size()) return false;
  go_called_ = true;
  int failed = 0;
  for (std::size_t i = 0; i < sources_.size(); ++i) {
    if (!RunOne(i)) ++failed;
  }
  if (started != nullptr) *started = true;
  if (result != nullptr) *result = failed;
  return failed == 0;
}

}  // namespace quentaris
