#pragma once
// The name of a position: it names the folder SDIR<name> and the files' extension ".<name>", and
// the programs' command lines carry it.
#include <string>
#include <string_view>

#include "common/result.h"

namespace quentaris {

inline constexpr std::size_t kMaxPositionNameChars = 79;

// 1 to 79 characters, no "/" (it names one folder) or "@" (the command lines split there), and
// not "." or "..". A failure names the rule broken.
common::Result CheckPositionName(std::string_view name);

// The name typed into the new-position dialog: every blank becomes "_".
std::string BlanksToUnderscores(std::string_view typed);

}  // namespace quentaris
