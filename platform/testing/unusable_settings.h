#pragma once
// A test's settings folder that cannot be used, and an empty current folder to
// show what a program would have written beside itself instead.
#include <filesystem>
#include <string>
#include <vector>

namespace plat::testing {

// While alive, XDG_DATA_HOME names a file, so that the settings folder can be
// neither found nor made, and the current folder is an empty folder of the
// test; both are as before afterwards. Make it before the program looks for
// its settings folder.
class UnusableSettingsFolder {
 public:
  UnusableSettingsFolder();
  ~UnusableSettingsFolder();
  UnusableSettingsFolder(const UnusableSettingsFolder&) = delete;
  UnusableSettingsFolder& operator=(const UnusableSettingsFolder&) = delete;

  // The settings folder the programs look for, without a trailing "/".
  std::string folder() const { return blocker_ + "/QUENTARIS"; }
  // The names of what lies in the current folder, sorted: none when nothing
  // was written beside the program.
  std::vector<std::string> FilesHere() const;

 private:
  std::string blocker_;
  std::string here_;
  std::string saved_data_home_;
  std::filesystem::path saved_current_;
};

}  // namespace plat::testing
