#include "common/printf_text.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "common/exponent_text.h"
#include "common/fixed_text.h"

namespace common {
namespace {

struct Conversion {
  int width = 0;
  int precision = -1;  // none
  bool wide = false;   // 'l'
  char letter = 0;
};

int Digits(const char*& p) {
  int n = 0;
  while (*p >= '0' && *p <= '9' && n < 100000) n = n * 10 + (*p++ - '0');
  return n;
}

// Reads the conversion after a '%' (p points behind it); false for one this file does not format.
bool ReadConversion(const char*& p, Conversion& conversion) {
  conversion = Conversion{};
  if (*p == '%') {
    conversion.letter = *p++;
    return true;
  }
  conversion.width = Digits(p);
  if (*p == '.') {
    ++p;
    conversion.precision = Digits(p);
  }
  if (*p == 'l') {
    conversion.wide = true;
    ++p;
  }
  conversion.letter = *p;
  if (conversion.letter == '\0') return false;
  ++p;
  switch (conversion.letter) {
    case 'd':
    case 'i': return conversion.precision < 0;
    case 'f':
    case 'E': return true;
    case 's':
    case 'c': return conversion.precision < 0 && !conversion.wide;
    default: return false;
  }
}

bool Supported(const char* format) {
  Conversion conversion;
  for (const char* p = format; *p;) {
    if (*p++ != '%') continue;
    if (*p == '-' || *p == '+' || *p == ' ' || *p == '#' || *p == '0' || *p == '*') return false;
    if (!ReadConversion(p, conversion)) return false;
  }
  return true;
}

void AppendPadded(std::string& out, const char* text, std::size_t length, int width) {
  if (static_cast<std::size_t>(width) > length) out.append(static_cast<std::size_t>(width) - length, ' ');
  out.append(text, length);
}

void AppendList(std::string& out, const char* format, va_list args) {
  Conversion conversion;
  for (const char* p = format; *p;) {
    const char* percent = std::strchr(p, '%');
    if (!percent) {
      out.append(p);
      return;
    }
    out.append(p, static_cast<std::size_t>(percent - p));
    p = percent + 1;
    ReadConversion(p, conversion);
    switch (conversion.letter) {
      case '%': out += '%'; break;
      case 'd':
      case 'i': {
        char digits[24];
        const long value = conversion.wide ? va_arg(args, long) : va_arg(args, int);
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        AppendPadded(out, digits, static_cast<std::size_t>(end - digits), conversion.width);
        break;
      }
      case 'f': AppendFixed(out, va_arg(args, double), conversion.precision < 0 ? 6 : conversion.precision, conversion.width); break;
      case 'E': AppendExponent(out, va_arg(args, double), conversion.precision < 0 ? 6 : conversion.precision, conversion.width); break;
      case 's': {
        const char* text = va_arg(args, const char*);
        if (!text) text = "(null)";
        AppendPadded(out, text, std::strlen(text), conversion.width);
        break;
      }
      case 'c': {
        const char c = static_cast<char>(va_arg(args, int));
        AppendPadded(out, &c, 1, conversion.width);
        break;
      }
      default: break;  // Supported() let nothing else through
    }
  }
}

// vsnprintf itself, into the string.
void AppendByPrintf(std::string& out, const char* format, va_list args) {
  char line[512];
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(line, sizeof line, format, copy);
  va_end(copy);
  if (length < 0) return;
  if (static_cast<std::size_t>(length) < sizeof line) {
    out.append(line, static_cast<std::size_t>(length));
    return;
  }
  const std::size_t start = out.size();
  out.resize(start + static_cast<std::size_t>(length) + 1);
  std::vsnprintf(out.data() + start, static_cast<std::size_t>(length) + 1, format, args);
  out.resize(start + static_cast<std::size_t>(length));
}

}  // namespace

void AppendPrintfList(std::string& out, const char* format, va_list args) {
  if (Supported(format)) {
    AppendList(out, format, args);
  } else {
    AppendByPrintf(out, format, args);
  }
}

void AppendPrintf(std::string& out, const char* format, ...) {
  va_list args;
  va_start(args, format);
  AppendPrintfList(out, format, args);
  va_end(args);
}

}  // namespace common
