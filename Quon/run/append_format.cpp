#include "Quon/run/append_format.h"

#include <cstdarg>

#include "common/printf_text.h"

namespace zedir {

void AppendFormat(std::string& text, const char* format, ...) {
  va_list args;
  va_start(args, format);
  common::AppendPrintfList(text, format, args);
  va_end(args);
}

}  // namespace zedir
