#include "common/text_to_float.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

void ExpectTable() {
  struct Case {
    std::string text;
    float value;
  } cases[] = {
      {"", 0.0f},        {"  ", 0.0f},         {",5", 0.5f},     {"-1,25", -1.25f}, {"1,5e3", 1500.0f},
      {"12abc", 12.0f},  {"abc", 0.0f},        {"3,5", 3.5f},    {"3.5", 3.5f},     {"  7", 7.0f},
      {"1,2,3", 1.2f},   {"+4", 4.0f},
  };
  for (const auto& c : cases) EXPECT_FLOAT_EQ(common::TextToFloat(c.text), c.value) << "'" << c.text << "'";
  // Only the first 120 characters are read.
  EXPECT_FLOAT_EQ(common::TextToFloat(std::string(120, '0') + "5"), 0.0f);
  EXPECT_FLOAT_EQ(common::TextToFloat(std::string(119, '0') + "5"), 5.0f);
}

TEST(TextToFloat, Table) { ExpectTable(); }

TEST(TextToFloat, SameTableInAGermanLocale) {
  const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
  if (!german) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
  ExpectTable();
  std::setlocale(LC_ALL, "C");
}

}  // namespace
