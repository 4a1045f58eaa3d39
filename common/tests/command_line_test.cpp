#include "common/command_line.h"

#include <gtest/gtest.h>

namespace common {
namespace {

TEST(SplitCommandLine, SuffixDataPathAndThirdPart) {
  struct Case {
    const char* text;
    bool split;
    const char* suffix;
    const char* data_path;
    const char* third;  // nullptr: no third part
  };
  const Case cases[] = {
      {".0 @/d/", true, ".0", "/d/", nullptr},
      {".0 @/d/ @G", true, ".0", "/d/", "G"},
      {".0 @/d/ @", true, ".0", "/d/", ""},
      {".0 @/my data/ @12x", true, ".0", "/my data/", "12x"},
      {".0 @/d/ ", true, ".0", "/d/ ", nullptr},  // a trailing blank stays in the data path
      {"@/d/", true, "", "/d/", nullptr},
      {".0 @", true, ".0", "", nullptr},
      {".0 @@G", true, ".0", "", "G"},
      {".0 @/d/ @G @H", true, ".0", "/d/", "G @H"},
      {"", false, "", "", nullptr},
      {".0 /d/", false, "", "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto parts = SplitCommandLine(c.text);
    ASSERT_EQ(parts.has_value(), c.split);
    if (!parts) continue;
    EXPECT_EQ(parts->suffix, c.suffix);
    EXPECT_EQ(parts->data_path, c.data_path);
    ASSERT_EQ(parts->third.has_value(), c.third != nullptr);
    if (c.third) {
      EXPECT_EQ(*parts->third, c.third);
    }
  }
}

}  // namespace
}  // namespace common
