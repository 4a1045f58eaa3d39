#include "Quon/run/append_format.h"

#include <cstdarg>
#include <cstdio>

namespace zedir {

void AppendFormat(std::string& text, const char* format, ...) {
  char line[512];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  if (length < 0) return;
  if (static_cast<std::size_t>(length) < sizeof line) {
    text.append(line, static_cast<std::size_t>(length));
    return;
  }
  // A longer text (a huge number in fixed notation) is formatted again into the string itself.
  const std::size_t start = text.size();
  text.resize(start + static_cast<std::size_t>(length) + 1);
  va_start(args, format);
  std::vsnprintf(text.data() + start, static_cast<std::size_t>(length) + 1, format, args);
  va_end(args);
  text.resize(start + static_cast<std::size_t>(length));
}

}  // namespace zedir
