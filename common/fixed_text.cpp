#include "common/fixed_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace common {
namespace {

void AppendByPrintf(std::string& out, double value, int precision, int width) {
  const int length = std::snprintf(nullptr, 0, "%*.*f", width, precision, value);
  if (length <= 0) return;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%*.*f", width, precision, value);
  out.append(text.data(), static_cast<std::size_t>(length));
}

// Moves the text [out, end) right so that it fills width characters, blanks in front.
char* PadLeft(char* out, char* end, int width) {
  const std::ptrdiff_t length = end - out;
  if (length >= width) return end;
  const std::ptrdiff_t blanks = width - length;
  std::memmove(out + blanks, out, static_cast<std::size_t>(length));
  std::memset(out, ' ', static_cast<std::size_t>(blanks));
  return out + width;
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
  // The room holds every double at this precision: 309 digits, the sign and the point at most.
  const std::to_chars_result r = std::to_chars(out, out + kFixedTextRoom, value, std::chars_format::fixed, precision);
  char* end = r.ec == std::errc() ? r.ptr : out + std::snprintf(out, kFixedTextRoom, "%.*f", precision, value);
  return PadLeft(out, end, width);
}

void AppendFixed(std::string& out, double value, int precision, int width) {
  if (precision < 0 || precision > kMaxFixedPrecision || width < 0 || width > kMaxFixedWidth) {
    AppendByPrintf(out, value, precision, width);
    return;
  }
  char text[kFixedTextRoom];
  out.append(text, static_cast<std::size_t>(FormatFixed(text, value, precision, width) - text));
}

}  // namespace common
