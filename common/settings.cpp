#include "common/settings.h"

#include "platform/files.h"
#include "platform/settings_folder.h"

namespace common {

SettingsContext SettingsContext::Discover() {
  SettingsContext context;
  context.folder = plat::SettingsFolderPath();
  context.found = plat::FolderExists(context.folder) || plat::MakeFolder(context.folder);
  return context;
}

std::string JoinSettingsPath(const SettingsContext& settings, std::string_view name) {
  if (settings.found) return settings.folder + "/" + std::string(name);
  return std::string(name);
}

std::string SettingsWritePath(const SettingsContext& settings, std::string_view name) {
  if (settings.folder.empty()) return JoinSettingsPath(settings, name);
  return settings.folder + "/" + std::string(name);
}

Result CannotWriteSetting(const std::string& path) {
  return Result::Fail("The file " + path + " cannot be written.", "Error");
}

}  // namespace common
