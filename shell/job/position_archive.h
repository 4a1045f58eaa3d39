#pragma once
// CPosition: the position record of EXTV, the position suffix with a checksum.
// Stored as the int32 checksum, then the suffix with its length prefix (one
// byte below 255, else 0xFF and a 16-bit length), without a class header.
#include <cstdint>
#include <string>

namespace quentaris {

class CPosition {
 public:
  CPosition() = default;
  explicit CPosition(std::string suffix);

  const std::string& suffix() const { return suffix_; }
  std::int32_t checksum() const { return checksum_; }

  // The bytes of the record in store mode.
  std::string Serialize() const;

 private:
  std::string suffix_;
  std::int32_t checksum_ = 0;
};

// The sum of the characters, each taken as a signed 8-bit value.
std::int32_t SuffixChecksum(const std::string& suffix);

}  // namespace quentaris
