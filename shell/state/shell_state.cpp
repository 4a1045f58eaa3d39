#include "shell/state/shell_state.h"

namespace quentaris {

std::string ShellState::data_path_without_slash() const {
  if (!data_path.empty() && data_path.back() == '/') return data_path.substr(0, data_path.size() - 1);
  return data_path;
}

}  // namespace quentaris
