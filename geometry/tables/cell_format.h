#pragma once
// One number as a table cell shows it ("%.2f", "%.3E", ...), and the digits
// that give the stored value back exactly.
#include <cstdio>
#include <string>

namespace kelmf {

inline std::string FormatCell(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// A cell as the table fills it: the text shown, and the text its OK reads
// while the shown one is left as it was, so that looking at a table and
// pressing OK changes no stored value (a float needs 9 digits to come back).
struct CellText {
  std::string shown;
  std::string exact;
};

inline CellText NumberCell(const char* format, double value) {
  return {FormatCell(format, value), FormatCell("%.9g", value)};
}

inline CellText WholeCell(long long value) {
  std::string text = std::to_string(value);
  return {text, text};
}

}  // namespace kelmf
