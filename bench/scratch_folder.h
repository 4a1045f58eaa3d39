#pragma once
// A fresh folder of a benchmark under the temporary folder, removed with the object.
#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace bench {

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& stem) {
    std::string templ = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
    root_ = std::string(mkdtemp(templ.data())) + "/";
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& root() const { return root_; }

 private:
  std::string root_;
};

}  // namespace bench
