#pragma once
// Trailing white space off a line read from a text file.
#include <string>

namespace common {

inline std::string TrimTrailingWhiteSpace(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' || text.back() == '\n' ||
                           text.back() == '\v' || text.back() == '\f')) {
    text.pop_back();
  }
  return text;
}

}  // namespace common
