#include "grid/cell_filter.h"

#include <cctype>

namespace grid {

std::string KeepAllowedCharacters(std::string_view text, std::string_view allowed) {
  std::string out;
  bool separator_seen = false;
  for (char ch : text) {
    if (ch == '.' || ch == ',') {
      if (!separator_seen && allowed.find('.') != std::string_view::npos) out += '.';
      separator_seen = true;
      continue;
    }
    if (allowed.find(ch) == std::string_view::npos) continue;
    out += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  }
  return out;
}

}  // namespace grid
