#pragma once
// Names compared as the suite looks them up: without regard to the case of
// their letters (position names, "SDIR", suffixes of files).
#include <cctype>
#include <string_view>

namespace quentaris {

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace quentaris
