#include "platform/text_codec.h"

#include <gtest/gtest.h>

namespace {

TEST(Codepages, RoundTrips) {
  struct Case {
    std::string cp1252;
    std::string utf8;
  } cases[] = {
      {"\xE4", "\xC3\xA4"},          // a umlaut
      {"\x80", "\xE2\x82\xAC"},      // euro sign
      {"Gr\xFC\xDF" "e", "Gr\xC3\xBC\xC3\x9F" "e"},
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},  // undefined bytes keep their value
      {"plain", "plain"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(plat::Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(plat::Utf8ToCp1252(c.utf8), c.cp1252);
  }
}

TEST(Codepages, UnmappableAndBrokenBecomeQuestionMarks) {
  EXPECT_EQ(plat::Utf8ToCp1252("\xE2\x88\x9E"), "?");  // infinity sign
  EXPECT_EQ(plat::Utf8ToCp1252("a\xC3"), "a?");        // cut sequence
  EXPECT_EQ(plat::Utf8ToCp1252("\xFFz"), "?z");
}

TEST(Codepages, Cp850ToWindows) {
  EXPECT_EQ(plat::Cp850ToCp1252("\x8E"), "\xC4");  // A umlaut
  EXPECT_EQ(plat::Cp850ToCp1252("\x81"), "\xFC");  // u umlaut
  EXPECT_EQ(plat::Cp850ToCp1252("\xC9"), "?");     // box drawing: no twin
  EXPECT_EQ(plat::Cp850ToCp1252("abc"), "abc");
}

}  // namespace
