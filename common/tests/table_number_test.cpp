#include "common/table_number.h"

#include <gtest/gtest.h>

namespace {

using common::CellType;

struct Case {
  const char* text;
  CellType type;
  bool ok;
  double value;
  const char* message;
};

TEST(TableNumber, ReadsNumbersAndNamesEveryRefusal) {
  const Case cases[] = {
      {"", CellType::kFloat, true, 0.0, ""},
      {"  ", CellType::kFloat, true, 0.0, ""},
      {" 2,5 ", CellType::kFloat, true, 2.5, ""},
      {"-1.5E+03", CellType::kFloat, true, -1500.0, ""},
      {".5", CellType::kFloat, true, 0.5, ""},
      {"-", CellType::kFloat, false, 0, "Row 3, column \"q\": \"-\" is not a number."},
      {"+", CellType::kFloat, false, 0, "Row 3, column \"q\": \"+\" is not a number."},
      {"L", CellType::kFloat, false, 0, "Row 3, column \"q\": \"L\" is not a number."},
      {"abc", CellType::kFloat, false, 0, "Row 3, column \"q\": \"abc\" is not a number."},
      {"1.5x", CellType::kFloat, false, 0, "Row 3, column \"q\": \"1.5x\" is not a number."},
      {"nan", CellType::kFloat, false, 0, "Row 3, column \"q\": \"nan\" is not a number."},
      {"inf", CellType::kFloat, false, 0, "Row 3, column \"q\": \"inf\" is not a number."},
      {"0x10", CellType::kFloat, false, 0, "Row 3, column \"q\": \"0x10\" is not a number."},
      {"1e", CellType::kFloat, false, 0, "Row 3, column \"q\": \"1e\" is not a number."},
      {"1e40", CellType::kFloat, false, 0, "Row 3, column \"q\": \"1e40\" is too large for the files."},
      {"1E39", CellType::kFloat, false, 0, "Row 3, column \"q\": \"1E39\" is too large for the files."},
      {"1e400", CellType::kFloat, false, 0, "Row 3, column \"q\": \"1e400\" is too large for the files."},
      {"3.4e38", CellType::kFloat, true, 3.4e38, ""},
      {"32767", CellType::kInt16, true, 32767, ""},
      {"32768", CellType::kInt16, false, 0, "Row 3, column \"q\": \"32768\" is too large for the files."},
      {"-32768", CellType::kInt16, true, -32768, ""},
      {"2147483648", CellType::kInt32, false, 0, "Row 3, column \"q\": \"2147483648\" is too large for the files."},
      {"2147483647", CellType::kInt32, true, 2147483647.0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto r = common::ReadCellNumber(c.text, c.type, 3, "q");
    ASSERT_EQ(r.ok(), c.ok);
    if (c.ok) {
      EXPECT_DOUBLE_EQ(*r, c.value);
    } else {
      EXPECT_EQ(r.failure().text(), c.message);
      EXPECT_EQ(r.failure().caption(), "Input error");
    }
  }
}

}  // namespace
