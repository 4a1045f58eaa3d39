#pragma once
// A record as a byte image: typed fields at fixed offsets, little-endian, copied
// in and out with memcpy (several fields are unaligned). Bytes that no accessor
// touches are carried unchanged.
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

namespace common {

static_assert(std::endian::native == std::endian::little, "records are stored in the machine's byte order");

template <class T>
concept RecordScalar =
    std::is_same_v<T, char> || std::is_same_v<T, std::int8_t> || std::is_same_v<T, std::uint8_t> ||
    std::is_same_v<T, std::int16_t> || std::is_same_v<T, std::uint16_t> || std::is_same_v<T, std::int32_t> ||
    std::is_same_v<T, std::uint32_t> || std::is_same_v<T, float> || std::is_same_v<T, double>;

template <std::size_t N>
class ByteRecord {
 public:
  static constexpr std::size_t kSize = N;
  using Bytes = std::array<std::byte, N>;

  Bytes& bytes() { return bytes_; }
  const Bytes& bytes() const { return bytes_; }
  friend bool operator==(const ByteRecord&, const ByteRecord&) = default;

  // A scalar at an offset known at compile time.
  template <RecordScalar T, std::size_t Offset>
  T At() const {
    static_assert(Offset + sizeof(T) <= N, "field lies beyond the record");
    T value;
    std::memcpy(&value, bytes_.data() + Offset, sizeof(T));
    return value;
  }
  template <RecordScalar T, std::size_t Offset>
  void SetAt(T value) {
    static_assert(Offset + sizeof(T) <= N, "field lies beyond the record");
    std::memcpy(bytes_.data() + Offset, &value, sizeof(T));
  }

  // A scalar at an offset computed at run time; std::out_of_range past the record.
  template <RecordScalar T>
  T Get(std::size_t offset) const {
    CheckRange(offset, sizeof(T));
    T value;
    std::memcpy(&value, bytes_.data() + offset, sizeof(T));
    return value;
  }
  template <RecordScalar T>
  void Set(std::size_t offset, T value) {
    CheckRange(offset, sizeof(T));
    std::memcpy(bytes_.data() + offset, &value, sizeof(T));
  }

  // Entry k (1-based, 1..Count) of an array of scalars starting at Offset;
  // std::out_of_range for any other k.
  template <RecordScalar T, std::size_t Offset, int Count>
  T Item(int k) const {
    static_assert(Offset + Count * sizeof(T) <= N, "array lies beyond the record");
    CheckItem(k, Count);
    return Get<T>(Offset + static_cast<std::size_t>(k - 1) * sizeof(T));
  }
  template <RecordScalar T, std::size_t Offset, int Count>
  void SetItem(int k, T value) {
    static_assert(Offset + Count * sizeof(T) <= N, "array lies beyond the record");
    CheckItem(k, Count);
    Set<T>(Offset + static_cast<std::size_t>(k - 1) * sizeof(T), value);
  }

  // A zero-terminated text field of Width bytes: the text up to its first zero,
  // never more than Width - 1 characters.
  template <std::size_t Offset, std::size_t Width>
  std::string TextAt() const {
    static_assert(Width > 0 && Offset + Width <= N, "text field lies beyond the record");
    const char* begin = reinterpret_cast<const char*>(bytes_.data() + Offset);
    const std::size_t length = std::find(begin, begin + (Width - 1), '\0') - begin;
    return std::string(begin, length);
  }
  // Stores at most min(max_chars, Width - 1) characters and zero-fills the rest
  // of the field, so that it always ends with a zero byte.
  template <std::size_t Offset, std::size_t Width>
  void SetTextAt(std::string_view text, std::size_t max_chars = Width - 1) {
    static_assert(Width > 0 && Offset + Width <= N, "text field lies beyond the record");
    const std::size_t n = std::min({text.size(), max_chars, Width - 1});
    std::memset(bytes_.data() + Offset, 0, Width);
    if (n > 0) std::memcpy(bytes_.data() + Offset, text.data(), n);
  }
  // A field read from a file that holds no zero byte gets one in its last byte;
  // a terminated field stays as it is, bytes behind the terminator included.
  template <std::size_t Offset, std::size_t Width>
  void TerminateTextAt() {
    static_assert(Width > 0 && Offset + Width <= N, "text field lies beyond the record");
    const std::byte* begin = bytes_.data() + Offset;
    if (std::find(begin, begin + Width, std::byte{0}) == begin + Width) bytes_[Offset + Width - 1] = std::byte{0};
  }

  // Sets `width` bytes from `offset` to zero; std::out_of_range past the record.
  void Clear(std::size_t offset, std::size_t width) {
    CheckRange(offset, width);
    std::memset(bytes_.data() + offset, 0, width);
  }

 private:
  static void CheckRange(std::size_t offset, std::size_t width) {
    if (offset > N || width > N - offset) throw std::out_of_range("record field beyond the record");
  }
  static void CheckItem(int k, int count) {
    if (k < 1 || k > count) throw std::out_of_range("record array index out of range");
  }

  Bytes bytes_{};
};

}  // namespace common
