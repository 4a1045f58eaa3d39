// printf-style text with the fast formatters: the same bytes as snprintf, for the conversions
// formatted here and for the formats left to printf.
#include "common/printf_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdarg>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

namespace {

// What vsnprintf writes.
std::string Printed(const char* format, ...) {
  va_list args, again;
  va_start(args, format);
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, again);
  va_end(again);
  va_end(args);
  text.resize(text.size() - 1);
  return text;
}

template <class... Args>
void ExpectAsPrintf(const char* format, Args... args) {
  std::string ours = "before|";
  common::AppendPrintf(ours, format, args...);
  EXPECT_EQ(ours, "before|" + Printed(format, args...)) << format;
}

TEST(AppendPrintf, NumbersAsPrintfWritesThem) {
  const double values[] = {0.0,     -0.0,    0.005,   0.015,   2.675,   -123456.785, 1e15,    -1e300,
                           5e-324,  1e-7,    99999.995, 1.0 / 3, 12.3456, -9.5,       1e22,     123456789.0,
                           std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                           std::numeric_limits<double>::quiet_NaN()};
  const char* formats[] = {"%f",  "%.2f", "%5.2lf", "%8.5lf", "%10.2lf", "%.0f",  "%.f",   "%7.2f",  "%E",
                           "%.2E", "%.3lE", "%4.2lE", "%8.5lE", "%12.4E", "%.0E", "%.10E", "%30.20f"};
  for (const char* format : formats) {
    for (double value : values) ExpectAsPrintf(format, value);
  }
  for (int value : {0, 7, -7, 123, -1234, INT_MAX, INT_MIN}) {
    for (const char* format : {"%d", "%i", "%2i", "%3i", "%10d"}) ExpectAsPrintf(format, value);
  }
  for (long value : {0L, -5L, LONG_MAX, LONG_MIN}) {
    for (const char* format : {"%ld", "%li", "%25ld"}) ExpectAsPrintf(format, value);
  }
}

TEST(AppendPrintf, LinesOfTheListings) {
  ExpectAsPrintf("Elm %2i tx = %.2lf ty = %.2lf nL = %i nR = %i uLocXA = %4.2lE uLocXB = %4.2lE urel = uB - uA = "
                 "%4.2lE  N = %4.2lf\n",
                 12, 0.0, 1.0, 3, 4, -1.25e-4, 3.5e-6, 3.6e-6, -1234.5678);
  ExpectAsPrintf("Node %2i Force X = %8.2lf kN   Support Reaction X = %8.2lf kN\n", 1, -12.345, 12.345);
  ExpectAsPrintf("%i    %.4E\n", 600, -0.0123);
  ExpectAsPrintf("%s at Node %i%%, %c|%5s|%-3s|%c", "phi", 9, 'x', "ab", "cd", 'y');  // %-3s goes to printf
  ExpectAsPrintf("100%% of %s", "it");
  ExpectAsPrintf("no conversion at all");
  ExpectAsPrintf("");
}

// Flags, '*', other lengths and conversions go to printf whole, with the same bytes.
TEST(AppendPrintf, FormatsLeftToPrintf) {
  ExpectAsPrintf("%+.2f %05d %-6i| %#x %u %g %e", 1.5, 42, 7, 255u, 3u, 0.1, 2.5);
  ExpectAsPrintf("%*d|%.*f", 6, 12, 3, 2.0);
  ExpectAsPrintf("%.3d|%.2s", 5, "abcdef");
  ExpectAsPrintf("%lu %lld %hd", 5ul, 6ll, static_cast<short>(7));
  const std::string long_text(2000, 'q');
  ExpectAsPrintf("%s|%+d", long_text.c_str(), 1);  // longer than printf's line buffer
  ExpectAsPrintf("%300.100f|%s", 1e200, long_text.c_str());
}

}  // namespace
