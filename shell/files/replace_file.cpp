#include "shell/files/replace_file.h"

#include <unistd.h>

#include <cstdio>

#include "platform/files.h"

namespace quentaris {
namespace {

bool WriteWorkFile(const std::string& path, std::string_view bytes, SyncToDisk sync) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0;
  if (ok && sync == SyncToDisk::kYes) ok = ::fsync(::fileno(file)) == 0;
  return std::fclose(file) == 0 && ok;
}

}  // namespace

bool ReplaceFileWhole(const std::string& path, std::string_view bytes, SyncToDisk sync) {
  const std::string work = path + "~";
  if (WriteWorkFile(work, bytes, sync) && plat::RenameFile(work, path)) return true;
  plat::RemoveFile(work);
  return false;
}

common::Result CannotStore(const std::string& path) {
  return common::Result::Fail("The file " + path + " cannot be stored!", "Error");
}

}  // namespace quentaris
