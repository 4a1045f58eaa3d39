#include "shell/positions/position_name.h"

#include <algorithm>

namespace quentaris {

common::Result CheckPositionName(std::string_view name) {
  if (name.empty() || name.size() > kMaxPositionNameChars) {
    return common::Result::Fail("A position name has 1 to 79 characters.", "Error");
  }
  if (name.find_first_of("/@") != std::string_view::npos) {
    return common::Result::Fail("A position name must not hold \"/\" or \"@\".", "Error");
  }
  if (name == "." || name == "..") {
    return common::Result::Fail("A position name must not be \".\" or \"..\".", "Error");
  }
  return common::Result::Ok();
}

std::string BlanksToUnderscores(std::string_view typed) {
  std::string name(typed);
  std::replace(name.begin(), name.end(), ' ', '_');
  return name;
}

}  // namespace quentaris
