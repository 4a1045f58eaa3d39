#include "shell/job/position_archive.h"

#include <algorithm>
#include <utility>

namespace quentaris {

std::int32_t SuffixChecksum(const std::string& suffix) {
  std::int32_t sum = 0;
  for (const char c : suffix) sum += static_cast<std::int8_t>(c);
  return sum;
}

CPosition::CPosition(std::string suffix) : suffix_(std::move(suffix)), checksum_(SuffixChecksum(suffix_)) {}

std::string CPosition::Serialize() const {
  std::string bytes;
  const auto put_le = [&bytes](std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFFu);
  };
  put_le(static_cast<std::uint32_t>(checksum_), 4);
  const std::size_t length = std::min<std::size_t>(suffix_.size(), 0xFFFE);
  if (length < 0xFF) {
    put_le(static_cast<std::uint32_t>(length), 1);
  } else {
    put_le(0xFF, 1);
    put_le(static_cast<std::uint32_t>(length), 2);
  }
  bytes.append(suffix_, 0, length);
  return bytes;
}

}  // namespace quentaris
