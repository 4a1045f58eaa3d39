#pragma once
// printf-style text appended to a string, for the listings and traces of a run.
#include <string>

namespace zedir {

void AppendFormat(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));

}  // namespace zedir
