#pragma once
// Load a position: the folder chosen in the folder dialog as data path and
// position suffix.
#include <optional>
#include <string>
#include <string_view>

namespace revuzavi {

struct ChosenPosition {
  std::string data_path;  // up to and with the "/" before the last "SDIR"
  std::string ext;        // "." and the text after the last "SDIR"
};

// nullopt when the path holds no "/SDIR" (in any case) followed by a name.
std::optional<ChosenPosition> PositionOfFolder(std::string_view folder);

}  // namespace revuzavi
