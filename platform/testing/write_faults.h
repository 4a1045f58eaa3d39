#pragma once
// The switch that makes one file write of the process fail, so that a test can put a failing
// write at every step of a command in turn. Every write of a whole file, an append or a
// replacement counts as one write.
#include <map>
#include <set>
#include <string>

namespace plat::testing {

// From now on the n-th file write fails (counting from 1); 0 turns the switch off. The count
// starts again at 0.
void FailFileWrite(long n);
// The file writes counted since the last FailFileWrite.
long FileWritesSoFar();

}  // namespace plat::testing

namespace plat::testing {

// While alive, the n-th file write fails; the switch is off again afterwards.
class FailingFileWrite {
 public:
  explicit FailingFileWrite(long n) { FailFileWrite(n); }
  ~FailingFileWrite() { FailFileWrite(0); }
  FailingFileWrite(const FailingFileWrite&) = delete;
  FailingFileWrite& operator=(const FailingFileWrite&) = delete;
};

}  // namespace plat::testing

namespace plat::testing {

// The bytes of every regular file of a folder, by name.
using FolderFiles = std::map<std::string, std::string>;
FolderFiles SnapshotFolder(const std::string& folder);
// Makes the folder hold exactly these files again (other regular files are removed).
void RestoreFolder(const std::string& folder, const FolderFiles& files);
// Why `now` is not made of whole files of `before` and `after`: a file of `before` missing
// (unless named in `may_go`) or holding neither its old nor its new bytes, or a file that is in
// neither. Empty when every file is whole.
std::string FilesNotWhole(const FolderFiles& before, const FolderFiles& after, const FolderFiles& now,
                          const std::set<std::string>& may_go = {});

}  // namespace plat::testing
