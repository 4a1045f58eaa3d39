#include "shell/settings/write_settings.h"

#include "common/settings_files.h"
#include "shell/settings/settings_names.h"

namespace quentaris {

bool WritePositionSetting(const ShellState& state) {
  return common::WriteTextBlock(state.SettingsWritePath(kPositionFile), state.position_ext);
}

bool WriteDataPathSetting(const ShellState& state) {
  return common::WriteTextBlock(state.SettingsWritePath(kDataPathFile), state.data_path);
}

}  // namespace quentaris
