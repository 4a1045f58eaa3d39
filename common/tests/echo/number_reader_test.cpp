#include "common/echo/number_reader.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

using common::echo::ReadReal;
using common::echo::ReadWhole;
using common::echo::ToFloat;

void ExpectRealTable() {
  struct Case {
    std::string text;
    double value;
  } cases[] = {
      {"2.5000E+02", 250.0}, {"1.0667E-03", 1.0667e-3}, {"26700000.00", 26700000.0}, {"  -1,25", -1.25},
      {"1.5E", 1.5},         {"1E+", 1.0},              {"2.5E 02", 2.5},            {".5", 0.5},
      {"5.", 5.0},           {"+4", 4.0},               {"-", 0.0},                  {"", 0.0},
      {"   ", 0.0},          {"abc", 0.0},              {"12abc", 12.0},             {"1.2.3", 1.2},
      {"--5", 0.0},          {"inf", 0.0},              {"nan", 0.0},                {"0x10", 0.0},
      {"1-2", 1.0},          {" 4", 4.0},
      // A number longer than any fixed buffer.
      {std::string(300, '0') + "2.5", 2.5},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(ReadReal(c.text), c.value) << "'" << c.text << "'";
  EXPECT_TRUE(std::isinf(ReadReal("1E999")));
}

TEST(NumberReader, RealTable) { ExpectRealTable(); }

TEST(NumberReader, RealTableInAGermanLocale) {
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  ExpectRealTable();
  std::setlocale(LC_ALL, "C");
}

TEST(NumberReader, WholeTable) {
  struct Case {
    std::string text;
    int value;
  } cases[] = {
      {"12x5", 12},       {"  42", 42}, {"-4", -4},           {"1 2", 1},         {"", 0},
      {"x1", 0},          {"007", 7},   {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
      {std::string(200, '0') + "3", 3},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadWhole(c.text), c.value) << "'" << c.text << "'";
}

TEST(NumberReader, FloatsBeyondTheirRangeBecomeInfinities) {
  EXPECT_EQ(ToFloat(1e39), std::numeric_limits<float>::infinity());
  EXPECT_EQ(ToFloat(-1e39), -std::numeric_limits<float>::infinity());
  EXPECT_EQ(ToFloat(0.5), 0.5f);
  EXPECT_EQ(ToFloat(26700000.0), 26700000.0f);
}

}  // namespace
