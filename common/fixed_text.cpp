#include "common/fixed_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <system_error>

namespace common {
namespace {

// The longest fixed text of a double at a precision up to 100: 309 digits
// before the point, the sign and the point.
constexpr int kMaxFastPrecision = 100;
constexpr std::size_t kBufferSize = 320 + kMaxFastPrecision;

void AppendPadded(std::string& out, const char* text, std::size_t length, int width) {
  if (width > 0 && length < static_cast<std::size_t>(width)) out.append(static_cast<std::size_t>(width) - length, ' ');
  out.append(text, length);
}

void AppendByPrintf(std::string& out, double value, int precision, int width) {
  const int length = std::snprintf(nullptr, 0, "%*.*f", width, precision, value);
  if (length <= 0) return;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), "%*.*f", width, precision, value);
  out.append(text.data(), static_cast<std::size_t>(length));
}

}  // namespace

void AppendFixed(std::string& out, double value, int precision, int width) {
  if (precision < 0 || precision > kMaxFastPrecision) {
    AppendByPrintf(out, value, precision, width);
    return;
  }
  char buffer[kBufferSize];
  if (value == 0.0) {  // most entries of a stiffness matrix
    char* p = buffer;
    if (std::signbit(value)) *p++ = '-';
    *p++ = '0';
    if (precision > 0) {
      *p++ = '.';
      for (int d = 0; d < precision; ++d) *p++ = '0';
    }
    AppendPadded(out, buffer, static_cast<std::size_t>(p - buffer), width);
    return;
  }
  const std::to_chars_result r =
      std::to_chars(buffer, buffer + kBufferSize, value, std::chars_format::fixed, precision);
  if (r.ec != std::errc()) {
    AppendByPrintf(out, value, precision, width);
    return;
  }
  AppendPadded(out, buffer, static_cast<std::size_t>(r.ptr - buffer), width);
}

}  // namespace common
