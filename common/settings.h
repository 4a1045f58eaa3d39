#pragma once
// Where a program finds its settings files.
#include <string>
#include <string_view>

#include "common/result.h"

namespace common {

struct SettingsContext {
  std::string folder;  // the settings folder, no trailing "/"
  bool found = false;  // the folder exists (or was just created)

  // Locates the settings folder once at start and creates it when missing.
  static SettingsContext Discover();
};

// The path of a settings file: folder + "/" + name when the folder was found,
// else the bare name (then read from the current folder).
std::string JoinSettingsPath(const SettingsContext& settings, std::string_view name);

// Where a settings file is written: in the settings folder only, so that an
// unusable folder makes the write fail instead of leaving the file in the
// current folder.
std::string SettingsWritePath(const SettingsContext& settings, std::string_view name);

// "The file <path> cannot be written." (caption "Error"): a settings file that
// could not be written, named with the path it was written to.
Result CannotWriteSetting(const std::string& path);

}  // namespace common
