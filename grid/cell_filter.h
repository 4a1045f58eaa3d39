#pragma once
// The text an edited cell keeps in a column that accepts only some characters
// (the load editor's and the results viewer's tables).
#include <string>
#include <string_view>

namespace grid {

// The first decimal point or comma becomes "." and stays where `allowed`
// holds "."; every later one goes, as does every character outside
// `allowed`; what is kept is upper-cased.
std::string KeepAllowedCharacters(std::string_view text, std::string_view allowed);

}  // namespace grid
