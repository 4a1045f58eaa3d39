#pragma once
// CShellFileOp: copies, moves, renames or deletes a list of files in one go,
// without asking, making missing target folders.
#include <string>
#include <vector>

namespace quentaris {

class CShellFileOp {
 public:
  enum Function { kMove = 1, kCopy = 2, kDelete = 3, kRename = 4 };

  explicit CShellFileOp(Function function) : function_(function) {}

  void AddSourceFile(const std::string& path) { sources_.push_back(path); }
  void AddDestFile(const std::string& path) { targets_.push_back(path); }

  // Runs the operation: nothing without a source, or (but for delete) unless
  // there is one target or one per source. `started` tells whether it ran,
  // `result` holds 0 or the number of files that failed; true when all went.
  bool Go(bool* started = nullptr, int* result = nullptr);

 private:
  // The target of source `i`: its own, or the one folder all go into.
  std::string TargetOf(std::size_t i) const;
  bool RunOne(std::size_t i) const;

  Function function_;
  std::vector<std::string> sources_;
  std::vector<std::string> targets_;
  bool go_called_ = false;
};

}  // namespace quentaris
