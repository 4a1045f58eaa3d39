#pragma once
// The folders a benchmark makes under the temporary folder, each removed with its object, so that
// a benchmark leaves the temporary folder as it found it.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace bench {

// A fresh folder under the temporary folder, removed with the object; root() is empty when it
// could not be made.
class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& stem) {
    std::string templ = (std::filesystem::temp_directory_path() / (stem + "-XXXXXX")).string();
    if (const char* made = mkdtemp(templ.data())) root_ = std::string(made) + "/";
  }
  ~ScratchFolder() {
    std::error_code ec;
    if (!root_.empty()) std::filesystem::remove_all(root_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& root() const { return root_; }

 private:
  std::string root_;
};

// An environment variable set to `value` while the object lives, then as it was before.
class EnvironmentValue {
 public:
  EnvironmentValue(const char* name, const std::string& value) : name_(name) {
    if (const char* before = std::getenv(name)) before_ = before;
    setenv(name, value.c_str(), 1);
  }
  ~EnvironmentValue() {
    if (before_) {
      setenv(name_, before_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }
  EnvironmentValue(const EnvironmentValue&) = delete;
  EnvironmentValue& operator=(const EnvironmentValue&) = delete;

 private:
  const char* name_;
  std::optional<std::string> before_;
};

// The programs' settings folder (XDG_DATA_HOME) in a scratch folder while the object lives. The
// one set before comes back before the folder goes: a program that writes its settings later (at
// its end) writes them there, not into a folder made again after it was removed.
class SettingsFolder {
 public:
  explicit SettingsFolder(const std::string& stem) : folder_(stem), variable_("XDG_DATA_HOME", folder_.root()) {}
  const std::string& root() const { return folder_.root(); }

 private:
  ScratchFolder folder_;
  EnvironmentValue variable_;
};

// The window system's runtime folder (XDG_RUNTIME_DIR) of a process whose session has none: a
// scratch folder instead of the runtime-<user> folder that the application object or Qt would
// leave in the temporary folder. Declared before the application object, it goes after it.
class RuntimeFolder {
 public:
  RuntimeFolder() {
    if (const char* set = std::getenv("XDG_RUNTIME_DIR"); set && *set) return;
    folder_.emplace("runtime");  // mkdtemp: only its owner may enter, as the window system asks
    if (folder_->root().empty()) return;
    variable_.emplace("XDG_RUNTIME_DIR", folder_->root());
  }

 private:
  std::optional<ScratchFolder> folder_;
  std::optional<EnvironmentValue> variable_;
};

}  // namespace bench
