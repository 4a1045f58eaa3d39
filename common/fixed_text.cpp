#include "common/fixed_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "common/number_text_parts.h"

namespace common {
namespace {

using detail::PadLeft;

__extension__ typedef unsigned __int128 Wide;

constexpr std::uint64_t kPowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
constexpr int kModeratePrecision = 9;
constexpr double kModerateLimit = 1e9;

// Fixed notation of 0 < |value| < 1e9 with at most 9 decimals, exactly as printf rounds: |value|
// is significand / 2^shift, so |value| * 10^precision is an exact 128-bit quotient whose rest
// decides the rounding (an exact half to even). Its whole part and its decimals fit in 32 bits.
char* FormatModerate(char* out, double value, int precision) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased_exponent = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t significand = bits & ((std::uint64_t{1} << 52) - 1);
  int shift = 1074;  // a subnormal number
  if (biased_exponent != 0) {
    significand |= std::uint64_t{1} << 52;
    shift = 1075 - biased_exponent;  // at least 23, as |value| < 2^30
  }
  const Wide scaled = static_cast<Wide>(significand) * kPowersOfTen[precision];  // below 2^83
  std::uint64_t rounded = 0;
  if (shift < 100) {  // else the quotient is 0 and the rest below half
    rounded = static_cast<std::uint64_t>(scaled >> shift);
    const Wide rest = scaled - (static_cast<Wide>(rounded) << shift);
    const Wide half = static_cast<Wide>(1) << (shift - 1);
    if (rest > half || (rest == half && (rounded & 1) != 0)) ++rounded;
  }
  char* p = out;
  if (bits >> 63) *p++ = '-';
  const auto whole = static_cast<std::uint32_t>(rounded / kPowersOfTen[precision]);
  auto decimals = static_cast<std::uint32_t>(rounded % kPowersOfTen[precision]);
  p = std::to_chars(p, p + 10, whole).ptr;
  if (precision > 0) {
    *p++ = '.';
    for (char* digit = p + precision; digit > p; decimals /= 10) *--digit = static_cast<char>('0' + decimals % 10);
    p += precision;
  }
  return p;
}

}  // namespace

char* FormatFixed(char* out, double value, int precision, int width) {
  if (value == 0.0) {  // most entries of a stiffness matrix: its length is known, blanks go first
    const bool negative = std::signbit(value);
    const int length = (negative ? 2 : 1) + (precision > 0 ? precision + 1 : 0);
    char* p = out;
    for (int b = length; b < width; ++b) *p++ = ' ';
    if (negative) *p++ = '-';
    *p++ = '0';
    if (precision > 0) {
      *p++ = '.';
      for (int d = 0; d < precision; ++d) *p++ = '0';
    }
    return p;
  }
  if (precision >= 0 && precision <= kModeratePrecision && std::fabs(value) < kModerateLimit) {
    return PadLeft(out, FormatModerate(out, value, precision), width);
  }
  // The room holds every double at this precision: 309 digits, the sign and the point at most.
  const std::to_chars_result r = std::to_chars(out, out + kFixedTextRoom, value, std::chars_format::fixed, precision);
  char* end = r.ec == std::errc() ? r.ptr : out + std::snprintf(out, kFixedTextRoom, "%.*f", precision, value);
  return PadLeft(out, end, width);
}

void AppendFixed(std::string& out, double value, int precision, int width) {
  detail::AppendFormatted<kFixedTextRoom>(out, "%*.*f", value, precision, width, kMaxFixedPrecision, kMaxFixedWidth,
                                          FormatFixed);
}

}  // namespace common
