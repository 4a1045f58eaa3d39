// Fixed notation without printf gives printf's text to the byte.
#include "common/fixed_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace common {
namespace {

std::string Printf(double value, int precision, int width) {
  char text[512];
  std::snprintf(text, sizeof text, "%*.*f", width, precision, value);
  return text;
}

std::string Fixed(double value, int precision, int width) {
  std::string out = "|";
  AppendFixed(out, value, precision, width);
  return out.substr(1);
}

TEST(AppendFixed, SameTextAsPrintf) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double values[] = {
      0.0, -0.0, 1.0, -1.0, 0.125, 0.375, -0.125, 2.5, 0.005, -0.005, 0.015, 0.025, 1.005, 2.675, 0.995, 9.995,
      -99.995, 999999.995, -0.004, -0.0049999, 0.0049999, 1e-300, -1e-300, 5e-324, 2.2250738585072014e-308,
      123456789.125, 2500000.0074505806, -500000.00745058060, 1e15 + 0.5, 9007199254740993.0, 1e20, -1e22, 1e300,
      std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(), inf, -inf, nan, -nan, 20000.000949949026,
      -7500.000356230885, 3750.0001781154424, 0.1, 0.7, 1.0 / 3.0, -2.0 / 3.0};
  for (const double v : values) {
    for (const int precision : {0, 1, 2, 3, 6}) {
      for (const int width : {0, 5, 6, 12}) {
        SCOPED_TRACE(::testing::Message() << Printf(v, 17, 0) << " %" << width << "." << precision << "f");
        EXPECT_EQ(Fixed(v, precision, width), Printf(v, precision, width));
      }
    }
  }
}

TEST(AppendFixed, SameTextAsPrintfOverManyMagnitudes) {
  // Bit patterns spread over the whole range of doubles, and hundredths near
  // their rounding halves.
  std::uint64_t state = 0x9E3779B97F4A7C15u;
  for (int i = 0; i < 20000; ++i) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    double v;
    std::memcpy(&v, &state, sizeof v);
    if (std::isnan(v)) continue;
    SCOPED_TRACE(::testing::Message() << Printf(v, 17, 0));
    ASSERT_EQ(Fixed(v, 2, 5), Printf(v, 2, 5));
    const double half = (static_cast<double>(static_cast<std::int64_t>(state >> 40)) + 0.5) / 100.0;
    ASSERT_EQ(Fixed(half, 2, 0), Printf(half, 2, 0));
    ASSERT_EQ(Fixed(-half, 2, 0), Printf(-half, 2, 0));
  }
}

TEST(AppendFixed, SameTextAsPrintfForListingNumbers) {
  // Numbers of a listing's size at every small precision: random magnitudes near the limit of
  // 1e9 and far below it, and exact halves of the last decimal, (2k + 1) / 2^(precision + 1).
  std::uint64_t state = 0x2545F4914F6CDD1Du;
  auto next = [&state] {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return state;
  };
  for (int i = 0; i < 20000; ++i) {
    const double unit = static_cast<double>(next() >> 11) / 9007199254740992.0;  // [0, 1)
    const int decade = static_cast<int>(next() % 22) - 12;                          // 1e-12 .. 1e9
    const double value = (next() & 1 ? -1.0 : 1.0) * unit * std::pow(10.0, decade);
    const int precision = static_cast<int>(next() % 10);
    const double half = (next() & 1 ? -1.0 : 1.0) * static_cast<double>(2 * (next() >> 36) + 1) /
                        std::ldexp(1.0, precision + 1);
    for (const double v : {value, half, std::nextafter(half, 0.0), std::nextafter(half, 1e300), 999999999.99999988,
                           -999999999.9999999, 1e9}) {
      SCOPED_TRACE(::testing::Message() << Printf(v, 17, 0) << " %." << precision << "f");
      ASSERT_EQ(Fixed(v, precision, 8), Printf(v, precision, 8));
    }
  }
}

TEST(AppendFixed, PrecisionsBeyondTheFastRangeStillMatch) {
  EXPECT_EQ(Fixed(0.1, 120, 0), Printf(0.1, 120, 0));
  EXPECT_EQ(Fixed(-1.5, -1, 0), Printf(-1.5, -1, 0));
  EXPECT_EQ(Fixed(-1.5, 2, -8), Printf(-1.5, 2, -8));
  EXPECT_EQ(Fixed(2.25, 1, 130), Printf(2.25, 1, 130));
}

TEST(AppendFixed, AppendsBehindWhatIsThere) {
  std::string out = "1: ";
  AppendFixed(out, -0.0, 2);
  out += "  ";
  AppendFixed(out, 7.126, 2, 7);
  EXPECT_EQ(out, "1: -0.00     7.13");
}

}  // namespace
}  // namespace common
