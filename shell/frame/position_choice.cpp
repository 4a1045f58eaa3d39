#include "shell/frame/position_choice.h"

#include <cctype>
#include <filesystem>
#include <system_error>

#include "shell/files/same_name.h"

namespace quentaris {

std::string TrimmedName(std::string_view typed) {
  const auto first = typed.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = typed.find_last_not_of(" \t");
  return std::string(typed.substr(first, last - first + 1));
}

PositionChoice ChoosePosition(const std::string& data_path, const std::string& typed) {
  std::error_code ec;
  // An exact match first, so that of two spellings the typed one wins.
  if (std::filesystem::is_directory(data_path + "SDIR" + typed, ec)) return {typed, false};
  for (std::filesystem::directory_iterator it(data_path, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() > 4 && name.compare(0, 4, "SDIR") == 0 && SameIgnoringCase(name.substr(4), typed) &&
        it->is_directory(ec)) {
      return {name.substr(4), false};
    }
  }
  return {typed, true};
}

}  // namespace quentaris
