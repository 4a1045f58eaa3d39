#pragma once
// Strings as the framework's binary archive stores them: a length prefix, then
// the characters without a terminator. Lengths below 255 take one byte; longer
// ones 0xFF and a uint16; 65534 and more 0xFF, 0xFFFF and a uint32.
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace common {

void AppendArchiveString(std::vector<std::byte>& out, std::string_view text);

// Reads the string at `pos` and moves `pos` past it; nullopt when the prefix
// or the characters run past the end of `bytes` (then `pos` is unchanged).
std::optional<std::string> ReadArchiveString(std::span<const std::byte> bytes, std::size_t& pos);

// `count` strings from the start of `bytes`; nullopt when one runs past the end.
std::optional<std::vector<std::string>> ReadArchiveStrings(std::span<const std::byte> bytes, std::size_t count);

}  // namespace common
