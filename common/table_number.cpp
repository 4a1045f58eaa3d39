#include "common/table_number.h"

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace common {
namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Digits with one optional sign, point and exponent: what strtod would also
// read as "nan", "inf" or hexadecimal is refused here.
bool IsDecimalNumber(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exponent_digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++exponent_digits;
    if (exponent_digits == 0) return false;
  }
  return i == s.size();
}

bool Fits(double v, CellType type) {
  if (!std::isfinite(v)) return false;
  switch (type) {
    case CellType::kFloat:
      return std::fabs(v) <= static_cast<double>(std::numeric_limits<float>::max());
    case CellType::kInt16:
      return v > static_cast<double>(INT16_MIN) - 1.0 && v < static_cast<double>(INT16_MAX) + 1.0;
    case CellType::kInt32:
      return v > static_cast<double>(INT32_MIN) - 1.0 && v < static_cast<double>(INT32_MAX) + 1.0;
  }
  return false;
}

std::string RowColumnText(int row, std::string_view column, std::string_view text) {
  return "Row " + std::to_string(row) + ", column \"" + std::string(column) + "\": \"" + std::string(text) + "\"";
}

}  // namespace

std::string NotANumberMessage(int row, std::string_view column, std::string_view text) {
  return RowColumnText(row, column, text) + " is not a number.";
}

std::string TooLargeMessage(int row, std::string_view column, std::string_view text) {
  return RowColumnText(row, column, text) + " is too large for the files.";
}

Outcome<double> ReadCellNumber(std::string_view text, CellType type, int row, std::string_view column) {
  std::string_view s = text;
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  if (s.empty()) return 0.0;
  if (!IsDecimalNumber(s)) return Result::Fail(NotANumberMessage(row, column, text), "Input error");
  std::string buffer(s);
  for (char& c : buffer)
    if (c == ',') c = '.';
  const double v = strtod_l(buffer.c_str(), nullptr, CLocale());
  if (!Fits(v, type)) return Result::Fail(TooLargeMessage(row, column, text), "Input error");
  return v;
}

}  // namespace common
