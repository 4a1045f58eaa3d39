#include "platform/testing/unusable_settings.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

#include "platform/testing/testing.h"

namespace plat::testing {

UnusableSettingsFolder::UnusableSettingsFolder()
    : blocker_(TestFolder() + "settings-blocker"),
      here_(TestFolder() + "current-folder"),
      saved_current_(std::filesystem::current_path()) {
  std::ofstream(blocker_) << "a file where the settings folder's parent belongs";
  if (const char* home = std::getenv("XDG_DATA_HOME")) saved_data_home_ = home;
  setenv("XDG_DATA_HOME", blocker_.c_str(), 1);
  std::filesystem::create_directory(here_);
  std::filesystem::current_path(here_);
}

UnusableSettingsFolder::~UnusableSettingsFolder() {
  std::filesystem::current_path(saved_current_);
  if (saved_data_home_.empty()) {
    unsetenv("XDG_DATA_HOME");
  } else {
    setenv("XDG_DATA_HOME", saved_data_home_.c_str(), 1);
  }
}

std::vector<std::string> UnusableSettingsFolder::FilesHere() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(here_)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace plat::testing
