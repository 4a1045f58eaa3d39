#include "common/echo/card_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/echo/column_kind.h"
#include "common/echo/fields.h"

namespace {

using common::echo::Card;
using common::echo::ColumnKind;
using common::echo::FilterField;
using common::echo::ReadCard;
using common::echo::ReadCount;
using common::echo::SplitFields;

constexpr ColumnKind W = ColumnKind::kWhole;
constexpr ColumnKind D = ColumnKind::kDecimal;
constexpr ColumnKind R = ColumnKind::kReal;

// The column kinds of the geometry echo's sections.
const std::vector<ColumnKind> kElement = {W, D, D, D, D, W, W, W, W, W, W};
const std::vector<ColumnKind> kNode = {W, R, R, R, R, R};
const std::vector<ColumnKind> kParabola = {R, R, W};

std::vector<double> Reals(const Card& card) {
  std::vector<double> values;
  for (std::size_t i = 0; i < card.size(); ++i) values.push_back(card[i].real);
  return values;
}

std::vector<int> Wholes(const Card& card) {
  std::vector<int> values;
  for (std::size_t i = 0; i < card.size(); ++i) values.push_back(card[i].whole);
  return values;
}

TEST(CountLine, Table) {
  struct Case {
    const char* line;
    int count;
  } cases[] = {
      {"n = 3", 3}, {"3 materials", 3}, {"1e2", 1},  {"-4", 4},   {"", 0},   {"   ", 0},
      {"12", 12},   {"  7  ", 7},       {"2,5", 2},  {"x", 0},    {"a b", 0}, {"a b x y", 0},
      {"\t5", 5},   {"+2 1", 1},        {"100000000000", 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadCount(c.line), c.count) << "'" << c.line << "'";
}

TEST(CardReader, AWordInAnElementLineReadsAsIfAbsent) {
  const Card plain = ReadCard("1 0.00 0.00 5.00 0.00 0 0 1 1 1 2", kElement);
  const Card worded = ReadCard("1 x 0.00 0.00 5.00 0.00 0 0 1 1 1 2", kElement);
  EXPECT_EQ(Wholes(worded), (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 2}));
  EXPECT_EQ(Reals(worded), (std::vector<double>{0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Wholes(worded), Wholes(plain));
  EXPECT_EQ(Reals(worded), Reals(plain));
  EXPECT_EQ(worded.field_count(), 12u);
}

TEST(CardReader, ParabolaLineWithTwoWords) {
  const Card card = ReadCard("10.00 x y 5", kParabola);
  EXPECT_DOUBLE_EQ(card[0].real, 10.0);
  EXPECT_DOUBLE_EQ(card[1].real, 5.0);
  EXPECT_EQ(card[2].whole, 5);
}

TEST(CardReader, PlusSignFailsOnlyTheSurplusCheck) {
  // With a surplus field the value with '+' is removed like a word.
  const Card surplus = ReadCard("1 0.00 0.00 1.0000E+00 1.0000E-01 0.0000E-01 0", kNode);
  EXPECT_EQ(Reals(surplus), (std::vector<double>{0, 0, 0, 0.1, 0, 0}));
  // With exactly the columns the same value is a number.
  const Card exact = ReadCard("1 0.00 0.00 1.0000E+00 1.0000E-01 2.5000E+02", kNode);
  EXPECT_EQ(exact[0].whole, 1);
  EXPECT_EQ(Reals(exact), (std::vector<double>{0, 0, 0, 1.0, 0.1, 250.0}));
}

TEST(CardReader, MissingFieldsReadAsZero) {
  const Card card = ReadCard("3 5.00", kNode);
  EXPECT_EQ(card[0].whole, 3);
  EXPECT_EQ(Reals(card), (std::vector<double>{0, 5, 0, 0, 0, 0}));
  EXPECT_TRUE(card[5].read);
  EXPECT_EQ(card[5].text, "0");
  EXPECT_EQ(card.field_count(), 2u);
}

TEST(CardReader, SurplusWordsInALoadCountLine) {
  const std::vector<ColumnKind> counts = {W, W, W};
  EXPECT_EQ(Wholes(ReadCard("2 loads 1 0", counts)), (std::vector<int>{2, 1, 0}));
  EXPECT_EQ(Wholes(ReadCard("+2 1 0 7", counts)), (std::vector<int>{1, 0, 7}));
}

TEST(CardReader, DecimalCommaAndLostExponent) {
  const std::vector<ColumnKind> kinds = {D, R, D};
  const Card card = ReadCard("1,5 2,5e-1 1.5E+02", kinds);
  EXPECT_DOUBLE_EQ(card[0].real, 1.5);
  EXPECT_DOUBLE_EQ(card[1].real, 0.25);
  EXPECT_DOUBLE_EQ(card[2].real, 1.5);  // the decimal kind has no exponent
}

TEST(CardReader, AFieldWithoutKeptCharacterIsNotRead) {
  const std::vector<ColumnKind> kinds = {W, ColumnKind::kLettersXYNT};
  const Card card = ReadCard("abc q", kinds);
  EXPECT_FALSE(card[0].read);
  EXPECT_FALSE(card[1].read);
  EXPECT_EQ(card[0].whole, 0);
  EXPECT_EQ(card[1].text, " ");
  // A column beyond the kinds is an unread empty column.
  EXPECT_FALSE(card[2].read);
  EXPECT_EQ(card[2].text, "");
}

TEST(FieldFilter, KeptCharactersStayInPlace) {
  struct Case {
    const char* field;
    ColumnKind kind;
    const char* text;
  } cases[] = {
      {"-4", W, " 4"},
      {"1,5e-3", R, "1.5E-3"},
      {"2.5000E+02", R, "2.5000E+02"},
      {"x7,5", D, " 7.5"},
      {"1e2", W, "1 2"},
      {"t", ColumnKind::kLettersXYNT, "T"},
      {"ja", ColumnKind::kLettersJN, "J "},
      {"e3", ColumnKind::kLettersEMKVS, "E "},
      {"Mv", ColumnKind::kLettersMV, "MV"},
      {"hx", ColumnKind::kLettersVH, "H "},
      {"q1", ColumnKind::kLetterQ, "Q "},
      {"Lc-3", ColumnKind::kAlphanumeric, "LC 3"},
      {"a\xC4!,", ColumnKind::kPrintable, "a\xC4!,"},
  };
  for (const auto& c : cases) EXPECT_EQ(FilterField(c.field, c.kind), c.text) << c.field;
}

TEST(Fields, SplitAtRunsOfBlanks) {
  EXPECT_EQ(SplitFields("  1   0.00\t 2 "), (std::vector<std::string_view>{"1", "0.00", "2"}));
  EXPECT_TRUE(SplitFields("").empty());
  EXPECT_TRUE(SplitFields("   ").empty());
}

TEST(Fields, FirstFieldIsTheFirstOfTheSplit) {
  for (const std::string_view line : {"  1   0.00\t 2 ", "LC 3", "\tTITLE", "", "   ", "LINELOADS"}) {
    const auto fields = SplitFields(line);
    EXPECT_EQ(common::echo::FirstField(line), fields.empty() ? std::string_view() : fields.front()) << line;
  }
}

TEST(CardReader, LongFieldsAndManyFieldsAreReadWhole) {
  // Forty fields of 100 characters each: beyond 30 fields and 62 characters.
  std::string line;
  std::vector<ColumnKind> kinds;
  for (int i = 1; i <= 40; ++i) {
    line += std::string(97, '0') + std::to_string(100 + i) + " ";
    kinds.push_back(i % 2 ? W : R);
  }
  const Card card = ReadCard(line, kinds);
  ASSERT_EQ(card.size(), 40u);
  for (int i = 1; i <= 40; ++i) {
    const auto& column = card[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(column.text.size(), 100u);
    if (i % 2) {
      EXPECT_EQ(column.whole, 100 + i) << i;
    } else {
      EXPECT_DOUBLE_EQ(column.real, 100 + i) << i;
    }
  }
  // The same line read with the eleven element columns: the surplus is ignored.
  const Card element = ReadCard(line, kElement);
  EXPECT_EQ(element.field_count(), 40u);
  EXPECT_EQ(element[10].whole, 111);
}

// Numbers beyond the float range are found; the limit itself, an underflow to 0
// and the whole columns (cut at the int's limit) fit.
TEST(CardReader, NumbersThatDoNotFitAFloat) {
  struct Case {
    const char* line;
    const char* unfit;  // nullptr: every number fits
  } cases[] = {
      {"1 0 0 3.4E+38 0 0", nullptr},
      {"1 0 0 -3.4E+38 0 0", nullptr},
      {"1 0 0 1e-999 0 0", nullptr},
      {"99999999999999 0 0 0 0 0", nullptr},
      {"1 0 0 3.5E+38 0 0", "3.5E+38"},
      {"1 0 0 0 -1E+39 0", "-1E+39"},
      {"1 1e999 0 0 0 0", "1E999"},
      {"1 0 0 0 0 1234567890123456789012345678901234567890", "1234567890123456789012345678901234567890"},
  };
  for (const auto& c : cases) {
    const auto unfit = ReadCard(c.line, kNode).FirstUnfitNumber();
    if (c.unfit == nullptr) {
      EXPECT_FALSE(unfit) << c.line;
    } else {
      EXPECT_EQ(unfit.value_or("(fits)"), c.unfit) << c.line;
    }
  }
}

}  // namespace
