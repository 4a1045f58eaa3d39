#pragma once
// Finding the sections of a classified geometry echo text.
#include <optional>
#include <string_view>
#include <vector>

#include "common/echo/echo_text.h"

namespace kelmf {

// The data lines of the first section of `kind`: the count line after the
// keyword gives the count (0 for a missing count line or a keyword in its
// place), cut to `limit`; the lines end early at the next keyword line or at
// the end of the text. nullopt when the text has no such keyword.
std::optional<std::vector<std::string_view>> CountedSection(const common::echo::EchoText& text, int kind, int limit);

// The line right after the first keyword of `kind`, when it exists and is no
// keyword line.
std::optional<std::string_view> LineAfterKeyword(const common::echo::EchoText& text, int kind);

}  // namespace kelmf
