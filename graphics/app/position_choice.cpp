#include "graphics/app/position_choice.h"

#include <algorithm>
#include <cctype>

namespace revuzavi {

std::optional<ChosenPosition> PositionOfFolder(std::string_view folder) {
  std::string upper(folder);
  std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
  while (upper.size() > 1 && upper.back() == '/') upper.pop_back();
  const std::size_t at = upper.rfind("/SDIR");
  if (at == std::string::npos) return std::nullopt;
  const std::size_t name_at = at + 5;
  const std::size_t end = std::min(upper.size(), folder.size());
  if (name_at >= end || upper.find('/', name_at) != std::string::npos) return std::nullopt;
  return ChosenPosition{std::string(folder.substr(0, at + 1)), "." + std::string(folder.substr(name_at, end - name_at))};
}

}  // namespace revuzavi
