#pragma once
// One number as a table cell shows it ("%.2f", "%.3E", ...).
#include <cstdio>
#include <string>

namespace kelmf {

inline std::string FormatCell(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace kelmf
