#include "common/settings_files.h"

#include <array>
#include <cstring>

#include "platform/binary_io.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace common {

std::optional<std::string> ReadTextBlock(const std::string& path) {
  std::array<char, kTextFieldSize> block{};
  auto n = plat::ReadUpTo(path, block.data(), block.size());
  if (!n) return std::nullopt;
  std::size_t length = 0;
  while (length < *n && block[length] != '\0') ++length;
  return std::string(block.data(), length);
}

bool WriteTextBlock(const std::string& path, std::string_view text) {
  std::array<char, kTextFieldSize> block{};
  std::size_t n = std::min(text.size(), kTextFieldSize - 1);
  if (n > 0) std::memcpy(block.data(), text.data(), n);
  return plat::ReplaceWholeFile(path, block.data(), block.size());
}

std::optional<std::string> ReadTextLine(const std::string& path) {
  plat::LineReader reader(path);
  if (!reader.is_open()) return std::nullopt;
  std::string line;
  if (!reader.Next(line, kTextFieldSize - 1)) return std::string();
  return line;
}

std::optional<std::string> ReadFirstLine(const std::string& path) {
  plat::LineReader reader(path);
  if (!reader.is_open()) return std::nullopt;
  std::string line;
  if (!reader.Next(line)) return std::string();
  return line;
}

bool WriteTextLine(const std::string& path, std::string_view text) {
  return plat::ReplaceWholeFile(path, text.data(), text.size());
}

namespace {

template <class T>
std::optional<T> ReadNumberFile(const std::string& path) {
  T value = 0;
  if (!plat::ReadBlock(path, &value, sizeof value)) return std::nullopt;
  return value;
}

}  // namespace

std::optional<std::int32_t> ReadInt32File(const std::string& path) { return ReadNumberFile<std::int32_t>(path); }

bool WriteInt32File(const std::string& path, std::int32_t value) {
  return plat::ReplaceWholeFile(path, &value, sizeof value);
}

std::optional<std::int16_t> ReadInt16File(const std::string& path) { return ReadNumberFile<std::int16_t>(path); }

bool WriteInt16File(const std::string& path, std::int16_t value) {
  return plat::ReplaceWholeFile(path, &value, sizeof value);
}

int ReadPenWidthFile(const std::string& path) {
  const auto width = ReadInt32File(path);
  if (!width || *width < 0 || *width > kMaxPenWidth) return 1;
  return *width;
}

}  // namespace common
