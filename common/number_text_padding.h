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

// Appends value as printf writes it with `format`, one of "%*.*f" and "%*.*E".
inline void AppendByPrintf(std::string& out, const char* format, double value, int precision, int width) {
  const int length = std::snprintf(nullptr, 0, format, width, precision, value);
  if (length <= 0) return;
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(text.data(), text.size(), format, width, precision, value);
  out.append(text.data(), static_cast<std::size_t>(length));
}

}  // namespace common::detail
