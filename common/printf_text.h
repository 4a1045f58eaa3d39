#pragma once
// printf-style text appended to a string, the numbers through the fast formatters of common/:
// for listings of many formatted lines.
#include <cstdarg>
#include <string>

namespace common {

// Appends exactly what std::printf writes for `format` and its arguments in the "C" locale. The
// conversions that listings are made of, %d %i %ld %li with a width, %f %lf %E %lE with a width
// and a precision, %s and %c with a width, and %%, are formatted here; a format holding any other
// conversion, flag or length goes through vsnprintf whole.
void AppendPrintf(std::string& out, const char* format, ...) __attribute__((format(printf, 2, 3)));
void AppendPrintfList(std::string& out, const char* format, va_list args);

}  // namespace common
