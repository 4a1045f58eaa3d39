// Exponent notation without printf gives printf's text to the byte; with the
// fixed notation it covers every number format of the listings and result files.
#include "common/exponent_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "common/fixed_text.h"

namespace common {
namespace {

std::string Exponent(double value, int precision, int width) {
  std::string out = "|";
  AppendExponent(out, value, precision, width);
  return out.substr(1);
}

std::string Printf(const char* format, double value, int precision, int width) {
  char text[512];
  std::snprintf(text, sizeof text, format, width, precision, value);
  return text;
}

TEST(AppendExponent, WritesWhatPrintfWrites) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    double value;
    int precision;
    int width;
    const char* text;
  };
  const Case cases[] = {
      {0.0, 3, 0, "0.000E+00"},
      {-0.0, 3, 11, " -0.000E+00"},
      {0.0, 0, 0, "0E+00"},
      {1.0625, 3, 0, "1.062E+00"},       // an exact half: to the even digit
      {1.0645, 3, 0, "1.065E+00"},       // just above its half as a double
      {99995.0, 3, 0, "1.000E+05"},      // an exact half rounded up into the next decade
      {9.9995, 3, 0, "9.999E+00"},       // just below its half as a double
      {-26700000.0, 4, 13, "  -2.6700E+07"},
      {0.0010666667, 4, 7, "1.0667E-03"},  // longer than the width
      {2.5, 0, 0, "2E+00"},
      {1e100, 2, 0, "1.00E+100"},
      {9.9999e99, 2, 0, "1.00E+100"},
      {5e-324, 3, 0, "4.941E-324"},
      {std::numeric_limits<double>::denorm_min(), 20, 0, "4.94065645841246544177E-324"},
      {std::numeric_limits<double>::max(), 4, 13, "  1.7977E+308"},
      {inf, 3, 6, "   INF"},
      {-inf, 3, 0, "-INF"},
      {nan, 2, 0, "NAN"},
      {-nan, 2, 0, "-NAN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << Printf("%*.*E", c.value, 20, 0) << " %" << c.width << "." << c.precision
                                      << "E");
    EXPECT_EQ(Exponent(c.value, c.precision, c.width), c.text);
    EXPECT_EQ(Exponent(c.value, c.precision, c.width), Printf("%*.*E", c.value, c.precision, c.width));
  }
}

TEST(AppendExponent, PrecisionsAndWidthsBeyondTheRoomStillMatch) {
  EXPECT_EQ(Exponent(0.1, 120, 0), Printf("%*.*E", 0.1, 120, 0));
  EXPECT_EQ(Exponent(-1.5, -1, 0), Printf("%*.*E", -1.5, -1, 0));
  EXPECT_EQ(Exponent(-1.5, 2, -12), Printf("%*.*E", -1.5, 2, -12));
  EXPECT_EQ(Exponent(2.25, 1, 130), Printf("%*.*E", 2.25, 1, 130));
  EXPECT_EQ(Exponent(1.0 / 3.0, 30, 0), Printf("%*.*E", 1.0 / 3.0, 30, 0));
}

// A million doubles of every kind, each in two of the formats that listings and
// result files write, against printf itself.
class MillionDoubles {
 public:
  std::vector<double> Make() {
    std::vector<double> values;
    values.reserve(1000000);
    // Every power of ten a double holds, with its neighbours: the decade changes.
    for (int e = -323; e <= 308; ++e) {
      const double p = std::pow(10.0, e);
      values.insert(values.end(), {p, std::nextafter(p, 0.0), std::nextafter(p, 1e308), -9.9995 * p, 9.5 * p});
    }
    for (const double v : {0.0, -0.0, std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()}) {
      values.push_back(v);
    }
    while (values.size() < 1000000) {
      switch (Next() % 6) {
        case 0: values.push_back(AnyBits()); break;
        case 1: values.push_back(Subnormal()); break;
        case 2: values.push_back(ListingSized()); break;
        case 3: {  // a tie of the decimal digits, and its neighbours
          const double tie = DecimalTie();
          values.insert(values.end(), {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e308)});
          break;
        }
        case 4: {  // an odd multiple of a power of two: a tie of binary digits
          const double half = Sign() * static_cast<double>(2 * (Next() >> 36) + 1) *
                              std::ldexp(1.0, static_cast<int>(Next() % 40) - 30);
          values.insert(values.end(), {half, std::nextafter(half, 0.0)});
          break;
        }
        default: values.push_back(Sign() * std::ldexp(Unit(), static_cast<int>(Next() % 2000) - 1000)); break;
      }
    }
    values.resize(1000000);
    return values;
  }

 private:
  std::uint64_t Next() {
    state_ = state_ * 6364136223846793005u + 1442695040888963407u;
    return state_ ^ (state_ >> 29);
  }
  double Sign() { return Next() & 1 ? -1.0 : 1.0; }
  double Unit() { return static_cast<double>(Next() >> 11) / 9007199254740992.0; }  // [0, 1)
  double AnyBits() {
    double v;
    const std::uint64_t bits = Next();
    std::memcpy(&v, &bits, sizeof v);
    return std::isnan(v) ? 0.5 : v;
  }
  double Subnormal() {
    const std::uint64_t bits = (Next() >> 12) | (Next() & (std::uint64_t{1} << 63));
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
  }
  double ListingSized() { return Sign() * Unit() * std::pow(10.0, static_cast<int>(Next() % 24) - 12); }
  // Two to seven digits ending in 5, times a power of ten: an exact half of the last digit
  // printed where the precision is two less than the digits.
  double DecimalTie() {
    const int digits = 2 + static_cast<int>(Next() % 6);
    const auto low = static_cast<std::uint64_t>(std::pow(10.0, digits - 2));
    const std::uint64_t leading = low + Next() % (9 * low);
    return Sign() * static_cast<double>(leading * 10 + 5) * std::pow(10.0, static_cast<int>(Next() % 13));
  }
  std::uint64_t state_ = 0x853C49E6748FEA9Bu;
};

TEST(NumberText, AMillionDoublesInTheFormatsOfTheFilesMatchPrintf) {
  struct Format {
    bool exponent;
    int width;
    int precision;
  };
  // %.3E %.4E %5.3E %7.4E %10.4E %13.4E %4.2E %8.5E %5.2E, %.2f %5.2f %8.2f %9.2f %6.3f %8.5f
  const Format formats[] = {{true, 0, 3},  {true, 0, 4},  {true, 5, 3},   {true, 7, 4},  {true, 10, 4},
                            {true, 13, 4}, {true, 4, 2},  {true, 8, 5},   {true, 5, 2},  {false, 0, 2},
                            {false, 5, 2}, {false, 8, 2}, {false, 9, 2},  {false, 6, 3}, {false, 8, 5}};
  const std::size_t count = sizeof formats / sizeof formats[0];
  const std::vector<double> values = MillionDoubles().Make();
  ASSERT_EQ(values.size(), 1000000u);
  char text[kExponentTextRoom + kFixedTextRoom];
  for (std::size_t i = 0; i < values.size(); ++i) {
    const double v = values[i];
    for (const Format& f : {formats[i % count], formats[(i / count + 3 * i) % count]}) {
      char* end = f.exponent ? FormatExponent(text, v, f.precision, f.width) : FormatFixed(text, v, f.precision, f.width);
      const std::string ours(text, static_cast<std::size_t>(end - text));
      const std::string printf_text = Printf(f.exponent ? "%*.*E" : "%*.*f", v, f.precision, f.width);
      if (ours != printf_text) {
        FAIL() << Printf("%*.*E", v, 20, 0) << " as %" << f.width << "." << f.precision << (f.exponent ? "E" : "f")
               << ": " << ours << " instead of " << printf_text;
      }
    }
  }
}

}  // namespace
}  // namespace common
