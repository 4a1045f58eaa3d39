#include "common/echo/number_reader.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <locale.h>
#include <stdlib.h>
#include <string>

namespace common::echo {
namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSign(char c) { return c == '+' || c == '-'; }

std::size_t SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return i;
}

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

}  // namespace

double ReadReal(std::string_view text) {
  const std::size_t start = SkipBlanks(text);
  std::size_t i = start;
  if (i < text.size() && IsSign(text[i])) ++i;
  const std::size_t integer_end = SkipDigits(text, i);
  std::size_t digits = integer_end - i;
  i = integer_end;
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    const std::size_t fraction_end = SkipDigits(text, i + 1);
    digits += fraction_end - (i + 1);
    i = fraction_end;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && IsSign(text[j])) ++j;
    const std::size_t exponent_end = SkipDigits(text, j);
    if (exponent_end > j) end = exponent_end;
  }
  std::string number(text.substr(start, end - start));
  for (char& c : number) {
    if (c == ',') c = '.';
  }
  return strtod_l(number.c_str(), nullptr, CLocale());
}

int ReadWhole(std::string_view text) {
  std::size_t i = SkipBlanks(text);
  bool negative = false;
  if (i < text.size() && IsSign(text[i])) negative = text[i++] == '-';
  // Accumulate towards the sign so that INT_MIN is reachable.
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) return static_cast<int>(-value);
  return value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

float ToFloat(double value) {
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  const float infinity = std::numeric_limits<float>::infinity();
  if (value > FLT_MAX) return infinity;
  if (value < -FLT_MAX) return -infinity;
  return static_cast<float>(value);
}

}  // namespace common::echo
