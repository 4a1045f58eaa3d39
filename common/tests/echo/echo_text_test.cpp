#include "common/echo/echo_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace {

using common::echo::EchoText;
using common::echo::EchoTextRules;
using common::echo::Keyword;
using common::echo::kDataLine;
using common::echo::kTitleLine;
using common::echo::ReadEchoText;
using common::echo::ScanEchoLines;
using common::echo::SectionLength;

constexpr Keyword kKeywords[] = {{"TITLE", 2}, {"TITEL", 2}, {"MATERIAL", 3}, {"NODES", 6}};

EchoTextRules GeometryRules() {
  EchoTextRules rules;
  rules.keywords = kKeywords;
  rules.title_kind = 2;
  rules.skip_comments = true;
  return rules;
}

std::string WriteBytes(const std::string& name, const std::string& bytes) {
  const std::string path = plat::testing::TestFolder() + name;
  EXPECT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
  return path;
}

TEST(EchoText, LineEndsAreReadAlikeAndTheLastLineWhole) {
  const std::vector<std::string> expected = {"NODES", "2", "1 0.00 0.00", "2 5.00 0.00"};
  const char* variants[] = {
      "NODES\r\n2\r\n1 0.00 0.00\r\n2 5.00 0.00\r\n",
      "NODES\n2\n1 0.00 0.00\n2 5.00 0.00\n",
      "NODES\r\n2\r\n1 0.00 0.00\r\n2 5.00 0.00",  // no end on the last line
      "NODES\n2\n1 0.00 0.00\n2 5.00 0.00",
  };
  for (const char* bytes : variants) {
    const auto text = ReadEchoText(WriteBytes("ECHO_G.1.TXT", bytes), GeometryRules());
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->lines, expected) << bytes;
    EXPECT_EQ(text->kinds, (std::vector<int>{6, kDataLine, kDataLine, kDataLine})) << bytes;
  }
}

TEST(EchoText, LongLinesStayWhole) {
  const std::string line = "1" + std::string(600, ' ') + "2";
  const auto text = ReadEchoText(WriteBytes("long.txt", "MATERIAL\r\n" + line + "\r\n"), GeometryRules());
  ASSERT_TRUE(text.has_value());
  ASSERT_EQ(text->lines.size(), 2u);
  EXPECT_EQ(text->lines[1], line);
}

TEST(EchoText, MissingFile) {
  EXPECT_FALSE(ReadEchoText(plat::testing::TestFolder() + "ECHO_G.9.TXT", GeometryRules()).has_value());
}

TEST(EchoText, CommentsAreDroppedAndTitlesNeverClassified) {
  const EchoText text = ScanEchoLines({";written by hand", "TITEL", "NODES", "MATERIAL", "; one", "1",
                                       "TITLE", ";not a comment", "NODES", "0"},
                                      GeometryRules());
  EXPECT_EQ(text.lines, (std::vector<std::string>{"TITEL", "NODES", "MATERIAL", "1", "TITLE", ";not a comment",
                                                  "NODES", "0"}));
  EXPECT_EQ(text.kinds, (std::vector<int>{2, kTitleLine, 3, kDataLine, 2, kTitleLine, 6, kDataLine}));
}

TEST(EchoText, CommentsStayWhereTheReaderKeepsThem) {
  EchoTextRules rules = GeometryRules();
  rules.skip_comments = false;
  const EchoText text = ScanEchoLines({";kept", "NODES "}, rules);
  EXPECT_EQ(text.lines, (std::vector<std::string>{";kept", "NODES "}));
  EXPECT_EQ(text.kinds, (std::vector<int>{kDataLine, kDataLine}));  // keywords match whole lines only
}

TEST(EchoText, LineLimitCutsAndSaysSo) {
  EchoTextRules rules = GeometryRules();
  rules.max_lines = 2;
  const EchoText text = ScanEchoLines({";c", "1", "2", "3"}, rules);
  EXPECT_EQ(text.lines, (std::vector<std::string>{"1", "2"}));
  EXPECT_TRUE(text.cut);
  rules.max_lines = 3;
  EXPECT_FALSE(ScanEchoLines({"1", "2", "3"}, rules).cut);
}

TEST(EchoText, OemTextIsConvertedAnsiTextKept) {
  // "Träger" in code page 850 (ä = 0x84) becomes ANSI (ä = 0xE4); the title line
  // stays as read unless the rules convert it.
  const std::vector<std::string> oem = {"TITLE", "Br\x81""cke", "Tr\x84ger"};
  EchoText text = ScanEchoLines(oem, GeometryRules());
  EXPECT_EQ(text.lines, (std::vector<std::string>{"TITLE", "Br\x81""cke", "Tr\xE4ger"}));
  EchoTextRules rules = GeometryRules();
  rules.convert_title_lines = true;
  text = ScanEchoLines(oem, rules);
  EXPECT_EQ(text.lines, (std::vector<std::string>{"TITLE", "Br\xFC""cke", "Tr\xE4ger"}));

  // A text that holds an ANSI letter anywhere, the lower-case ones included, is
  // ANSI throughout: the degree sign before it stays as written.
  EXPECT_EQ(ScanEchoLines({"T = 20\xB0"}, rules).lines[0], "T = 20?");  // OEM: no ANSI twin
  for (const char* letter : {"\xC4", "\xD6", "\xDC", "\xE4", "\xF6", "\xFC", "\xDF"}) {
    const std::vector<std::string> ansi = {"T = 20\xB0", std::string("St") + letter + "tze"};
    EXPECT_EQ(ScanEchoLines(ansi, rules).lines, ansi) << letter;
  }
}

TEST(EchoText, SectionEndsAtTheNextKeyword) {
  // NODES, a count of 5 with two lines, then MATERIAL: the keyword ends the section.
  const EchoText text =
      ScanEchoLines({"NODES", "5", "1 0.00 0.00", "2 5.00 0.00", "MATERIAL", "1", "1 26700000.00 0.0"},
                    GeometryRules());
  EXPECT_EQ(SectionLength(text.kinds, 2, 5), 2u);
  EXPECT_EQ(SectionLength(text.kinds, 2, 1), 1u);
  EXPECT_EQ(SectionLength(text.kinds, 6, 3), 1u);  // the end of the text
  EXPECT_EQ(SectionLength(text.kinds, 7, 3), 0u);
  EXPECT_EQ(SectionLength(text.kinds, 2, 0), 0u);
}

}  // namespace
