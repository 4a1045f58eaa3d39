#include "platform/settings_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace plat {

std::string SettingsFolderPath() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return std::string(xdg) + "/QUENTARIS";
  std::string home;
  if (const char* h = std::getenv("HOME"); h && *h) {
    home = h;
  } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
    home = pw->pw_dir;
  }
  return home + "/.local/share/QUENTARIS";
}

}  // namespace plat
