#pragma once
// The per-user settings folder of the suite.
#include <string>

namespace plat {

// $XDG_DATA_HOME/QUENTARIS, or ~/.local/share/QUENTARIS; no trailing "/".
std::string SettingsFolderPath();

}  // namespace plat
