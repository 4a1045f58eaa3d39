#pragma once
// Names of numbered files: one letter and its number ("D12", "G3", "P7").
#include <cstddef>
#include <optional>
#include <string_view>

namespace quentaris {

// The number after the first character of `name` when only digits follow
// (at least one, at most `max_digits`); nullopt otherwise.
inline std::optional<int> NumberAfterLetter(std::string_view name, std::size_t max_digits) {
  if (name.size() < 2 || name.size() > max_digits + 1) return std::nullopt;
  int number = 0;
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (name[i] < '0' || name[i] > '9') return std::nullopt;
    number = number * 10 + (name[i] - '0');
  }
  return number;
}

}  // namespace quentaris
