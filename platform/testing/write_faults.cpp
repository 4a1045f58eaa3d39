#include "platform/testing/write_faults.h"

#include "platform/binary_io.h"
#include "platform/files.h"

namespace plat::testing {

FolderFiles SnapshotFolder(const std::string& folder) {
  FolderFiles files;
  for (const std::string& name : ListFolder(folder, "*")) {
    const auto bytes = ReadWholeFile(folder + name);
    if (bytes) files[name].assign(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  }
  return files;
}

void RestoreFolder(const std::string& folder, const FolderFiles& files) {
  for (const std::string& name : ListFolder(folder, "*")) {
    if (!files.contains(name)) RemoveFile(folder + name);
  }
  for (const auto& [name, bytes] : files) WriteBlock(folder + name, bytes.data(), bytes.size());
}

std::string FilesNotWhole(const FolderFiles& before, const FolderFiles& after, const FolderFiles& now,
                          const std::set<std::string>& may_go) {
  std::string why;
  for (const auto& [name, bytes] : before) {
    const auto it = now.find(name);
    if (it == now.end()) {
      if (!may_go.contains(name) && after.contains(name)) why += name + " is gone; ";
      continue;
    }
    const auto later = after.find(name);
    if (it->second != bytes && (later == after.end() || it->second != later->second)) {
      why += name + " holds neither its old nor its new bytes; ";
    }
  }
  for (const auto& [name, bytes] : now) {
    const auto later = after.find(name);
    if (!before.contains(name) && (later == after.end() || later->second != bytes)) {
      why += name + " is neither an old nor a whole new file; ";
    }
  }
  return why;
}

}  // namespace plat::testing
