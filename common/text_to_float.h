#pragma once
#include <string_view>

namespace common {

// Reads a number that may carry a decimal comma: at most the first 120
// characters, every ',' read as '.', then the longest valid number prefix in the
// "C" locale (leading blanks skipped); 0 when there is none.
float TextToFloat(std::string_view text);

}  // namespace common
