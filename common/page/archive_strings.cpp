#include "common/page/archive_strings.h"

#include <cstdint>
#include <cstring>

namespace common {
namespace {

template <class T>
void AppendLittleEndian(std::vector<std::byte>& out, T value) {
  for (std::size_t i = 0; i < sizeof(T); ++i) out.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xFF));
}

template <class T>
bool TakeLittleEndian(std::span<const std::byte> bytes, std::size_t& pos, T& value) {
  if (bytes.size() - pos < sizeof(T)) return false;
  value = 0;
  for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(std::to_integer<T>(bytes[pos + i]) << (8 * i));
  pos += sizeof(T);
  return true;
}

}  // namespace

void AppendArchiveString(std::vector<std::byte>& out, std::string_view text) {
  const std::size_t n = text.size();
  if (n < 0xFF) {
    AppendLittleEndian<std::uint8_t>(out, static_cast<std::uint8_t>(n));
  } else if (n < 0xFFFE) {
    AppendLittleEndian<std::uint8_t>(out, 0xFF);
    AppendLittleEndian<std::uint16_t>(out, static_cast<std::uint16_t>(n));
  } else {
    AppendLittleEndian<std::uint8_t>(out, 0xFF);
    AppendLittleEndian<std::uint16_t>(out, 0xFFFF);
    AppendLittleEndian<std::uint32_t>(out, static_cast<std::uint32_t>(n));
  }
  const auto* chars = reinterpret_cast<const std::byte*>(text.data());
  out.insert(out.end(), chars, chars + n);
}

std::optional<std::string> ReadArchiveString(std::span<const std::byte> bytes, std::size_t& pos) {
  std::size_t at = pos;
  std::uint8_t short_length = 0;
  if (!TakeLittleEndian(bytes, at, short_length)) return std::nullopt;
  std::size_t length = short_length;
  if (short_length == 0xFF) {
    std::uint16_t middle = 0;
    if (!TakeLittleEndian(bytes, at, middle)) return std::nullopt;
    if (middle == 0xFFFE) return std::nullopt;  // a wide-character string: not ours
    length = middle;
    if (middle == 0xFFFF) {
      std::uint32_t wide = 0;
      if (!TakeLittleEndian(bytes, at, wide)) return std::nullopt;
      length = wide;
    }
  }
  if (bytes.size() - at < length) return std::nullopt;
  std::string text(length, '\0');
  if (length > 0) std::memcpy(text.data(), bytes.data() + at, length);
  pos = at + length;
  return text;
}

std::optional<std::vector<std::string>> ReadArchiveStrings(std::span<const std::byte> bytes, std::size_t count) {
  std::vector<std::string> strings;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < count; ++i) {
    auto text = ReadArchiveString(bytes, pos);
    if (!text) return std::nullopt;
    strings.push_back(std::move(*text));
  }
  return strings;
}

}  // namespace common
