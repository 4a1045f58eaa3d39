#pragma once
// What the number formatters of common/ share: blanks in front up to a width,
// and printf itself for the precisions and widths beyond their room.
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace common::detail {

// Moves the text [out, end) right so that it fills width characters, blanks in front.
inline char* PadLeft(char* out, char* end, int width) {
  const std::ptrdiff_t length = end - out;
  if (length >= width) return end;
  const std::ptrdiff_t blanks = width - length;
  std::memmove(out + blanks, out, static_cast<std::size_t>(length));
  std::memset(out, ' ', static_cast<std::size_t>(blanks));
  return out + width;
}

// Appends value as printf writes it with `format`, "%*.*f" or "%*.*E": through `formatter` (one
// of FormatFixed and FormatExponent, writing into `room` characters) where the precision and the
// width are within its limits, through printf itself beyond them.
template <std::size_t room, class Formatter>
void AppendFormatted(std::string& out, const char* format, double value, int precision, int width,
                     int max_precision, int max_width, Formatter formatter) {
  if (precision < 0 || precision > max_precision || width < 0 || width > max_width) {
    const int length = std::snprintf(nullptr, 0, format, width, precision, value);
    if (length <= 0) return;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::snprintf(text.data(), text.size(), format, width, precision, value);
    out.append(text.data(), static_cast<std::size_t>(length));
    return;
  }
  char text[room];
  out.append(text, static_cast<std::size_t>(formatter(text, value, precision, width) - text));
}

}  // namespace common::detail
