#include "common/exponent_text.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <system_error>

#include "common/number_text_parts.h"

namespace common {
namespace {

__extension__ typedef unsigned __int128 Wide;

constexpr int kFastPrecision = 14;  // 15 digits: their text decides the rounding alone

// 10^0 .. 10^38, all below 2^127.
struct PowersOfTen {
  Wide value[39];
  constexpr PowersOfTen() : value() {
    value[0] = 1;
    for (int i = 1; i < 39; ++i) value[i] = value[i - 1] * 10;
  }
};
constexpr PowersOfTen kPowers;

// |value| * 10^scale as a whole part and the side of one half its rest lies on
// (-1 below, 0 exactly, 1 above). |value| is significand * 2^exponent2.
struct Scaled {
  Wide whole = 0;
  int rest = 0;
};

int Side(Wide twice_rest, Wide divisor) { return twice_rest < divisor ? -1 : twice_rest == divisor ? 0 : 1; }

// False where the exact quotient does not fit 128 bits.
bool Scale(std::uint64_t significand, int exponent2, int scale, Scaled* scaled) {
  if (scale >= 0) {
    // significand * 10^scale / 2^-exponent2: below 2^53 * 10^22 < 2^127.
    if (scale > 22 || exponent2 >= 0 || exponent2 < -127) return false;
    const int shift = -exponent2;
    const Wide numerator = static_cast<Wide>(significand) * kPowers.value[scale];
    scaled->whole = numerator >> shift;
    scaled->rest = Side((numerator - (scaled->whole << shift)) << 1, static_cast<Wide>(1) << shift);
    return true;
  }
  const int decades = -scale;
  if (decades > 38) return false;
  Wide numerator = significand;
  Wide divisor = kPowers.value[decades];
  if (exponent2 >= 0) {
    if (exponent2 > 74) return false;
    numerator <<= exponent2;  // below 2^127
  } else {
    if (exponent2 < -126 || (divisor >> (127 + exponent2)) != 0) return false;
    divisor <<= -exponent2;  // below 2^127, so that twice a rest fits
  }
  if ((numerator >> 64) == 0 && (divisor >> 64) == 0) {  // the common case: a 64-bit division
    const auto n = static_cast<std::uint64_t>(numerator);
    const auto d = static_cast<std::uint64_t>(divisor);
    scaled->whole = n / d;
    scaled->rest = Side(static_cast<Wide>(n % d) << 1, divisor);
    return true;
  }
  scaled->whole = numerator / divisor;
  scaled->rest = Side((numerator - scaled->whole * divisor) << 1, divisor);
  return true;
}

char* WriteExponent(char* p, int exponent10) {
  *p++ = 'E';
  *p++ = exponent10 < 0 ? '-' : '+';
  unsigned magnitude = static_cast<unsigned>(exponent10 < 0 ? -exponent10 : exponent10);
  if (magnitude >= 100) {
    *p++ = static_cast<char>('0' + magnitude / 100);
    magnitude %= 100;
  }
  *p++ = static_cast<char>('0' + magnitude / 10);
  *p++ = static_cast<char>('0' + magnitude % 10);
  return p;
}

// The precision + 1 digits of `digits` as d.ddd.
char* WriteDigits(char* p, std::uint64_t digits, int precision) {
  if (precision == 0) {
    *p = static_cast<char>('0' + digits);
    return p + 1;
  }
  char* end = p + precision + 2;
  for (char* d = end - 1; d > p + 1; --d, digits /= 10) *d = static_cast<char>('0' + digits % 10);
  p[1] = '.';
  p[0] = static_cast<char>('0' + digits);
  return end;
}

// A normal |value| whose rounded digits come from exact 128-bit integers: |value| scaled by
// 10^(precision - k) for its decimal exponent k has its whole part in [10^precision,
// 10^(precision + 1)), and the rest decides the rounding (an exact half to even). Null where the
// quotient would not fit.
char* FormatModerate(char* p, std::uint64_t significand, int exponent2, int precision) {
  // floor(log10(2^(exponent2 + 52))): |value| lies in [2^(exponent2 + 52), 2^(exponent2 + 53)),
  // so its decimal exponent is this or one more.
  int exponent10 = ((exponent2 + 52) * 78913) >> 18;
  Scaled scaled;
  if (!Scale(significand, exponent2, precision - exponent10, &scaled)) return nullptr;
  const Wide limit = kPowers.value[precision + 1];
  if (scaled.whole >= limit) {
    ++exponent10;
    if (!Scale(significand, exponent2, precision - exponent10, &scaled)) return nullptr;
  }
  auto digits = static_cast<std::uint64_t>(scaled.whole);
  if (scaled.rest > 0 || (scaled.rest == 0 && (digits & 1) != 0)) ++digits;
  if (digits == limit) {  // 9.99..95 rounded up to the next decade
    digits = static_cast<std::uint64_t>(kPowers.value[precision]);
    ++exponent10;
  }
  return WriteExponent(WriteDigits(p, digits, precision), exponent10);
}

char* FormatSpecial(char* p, double value) {
  if (std::signbit(value)) *p++ = '-';
  const char* text = std::isnan(value) ? "NAN" : "INF";
  std::memcpy(p, text, 3);
  return p + 3;
}

char* FormatZero(char* p, bool negative, int precision) {
  if (negative) *p++ = '-';
  *p++ = '0';
  if (precision > 0) {
    *p++ = '.';
    std::memset(p, '0', static_cast<std::size_t>(precision));
    p += precision;
  }
  std::memcpy(p, "E+00", 4);
  return p + 4;
}

// Through the library's exact conversion, which writes a small 'e'.
char* FormatByLibrary(char* out, double value, int precision) {
  const std::to_chars_result r =
      std::to_chars(out, out + kExponentTextRoom, value, std::chars_format::scientific, precision);
  if (r.ec != std::errc()) return out + std::snprintf(out, kExponentTextRoom, "%.*E", precision, value);
  for (char* p = r.ptr - 1; p > out; --p) {
    if (*p == 'e') {
      *p = 'E';
      break;
    }
  }
  return r.ptr;
}

}  // namespace

char* FormatExponent(char* out, double value, int precision, int width) {
  if (!std::isfinite(value)) return detail::PadLeft(out, FormatSpecial(out, value), width);
  if (value == 0.0) return detail::PadLeft(out, FormatZero(out, std::signbit(value), precision), width);
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  const int biased_exponent = static_cast<int>((bits >> 52) & 0x7FF);
  if (biased_exponent != 0 && precision <= kFastPrecision) {
    char* p = out;
    if (bits >> 63) *p++ = '-';
    const std::uint64_t significand = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    if (char* end = FormatModerate(p, significand, biased_exponent - 1075, precision)) {
      return detail::PadLeft(out, end, width);
    }
  }
  return detail::PadLeft(out, FormatByLibrary(out, value, precision), width);
}

void AppendExponent(std::string& out, double value, int precision, int width) {
  detail::AppendFormatted<kExponentTextRoom>(out, "%*.*E", value, precision, width, kMaxExponentPrecision,
                                             kMaxExponentWidth, FormatExponent);
}

}  // namespace common
