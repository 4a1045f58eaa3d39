#pragma once
// The one-value settings files: a 241-byte text block, a text line, or an int32.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace common {

inline constexpr std::size_t kTextFieldSize = 241;

// The text of a 241-byte block up to its first zero byte; a shorter file gives
// what it holds. nullopt when the file cannot be opened.
std::optional<std::string> ReadTextBlock(const std::string& path);
// Writes exactly 241 bytes: the text (cut to 240 characters), zero-padded.
bool WriteTextBlock(const std::string& path, std::string_view text);

// The first line of a text file, at most 240 characters, without its end.
std::optional<std::string> ReadTextLine(const std::string& path);
// The first line of a text file, whole, without its end; empty for an empty file.
std::optional<std::string> ReadFirstLine(const std::string& path);
// Writes the text without a line end.
bool WriteTextLine(const std::string& path, std::string_view text);

std::optional<std::int32_t> ReadInt32File(const std::string& path);
// A 16-bit number file (FSEITE, IDZ): nullopt when missing or shorter than 2 bytes.
std::optional<std::int16_t> ReadInt16File(const std::string& path);
bool WriteInt16File(const std::string& path, std::int16_t value);
bool WriteInt32File(const std::string& path, std::int32_t value);

// The drawing pen width of an editor (KELMRDB, PUNDRDB) lies in 0..kMaxPenWidth.
inline constexpr int kMaxPenWidth = 72;
// The int32 pen width of the file; 1 when the file is missing or its value
// lies outside 0..kMaxPenWidth.
int ReadPenWidthFile(const std::string& path);

}  // namespace common
