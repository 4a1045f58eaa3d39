#include "shell/positions/position_name.h"

#include <gtest/gtest.h>

namespace quentaris {
namespace {

TEST(CheckPositionName, TheRules) {
  struct Case {
    std::string name;
    std::string message;  // empty: the name passes
  };
  const std::string length = "A position name has 1 to 79 characters.";
  const std::string slash = "A position name must not hold \"/\" or \"@\".";
  const std::string dots = "A position name must not be \".\" or \"..\".";
  const Case cases[] = {
      {"A1", ""},          {"My_pos", ""},          {std::string(79, 'p'), ""}, {"a.b", ""},
      {"", length},        {std::string(80, 'p'), length},
      {".", dots},         {"..", dots},
      {"A/B", slash},      {"A@B", slash},
  };
  for (const Case& c : cases) {
    const common::Result checked = CheckPositionName(c.name);
    EXPECT_EQ(checked.ok(), c.message.empty()) << c.name;
    EXPECT_EQ(checked.text(), c.message) << c.name;
  }
}

TEST(CheckPositionName, BlanksOfTheNewPositionDialogBecomeUnderscores) {
  EXPECT_EQ(BlanksToUnderscores("My pos"), "My_pos");
  EXPECT_EQ(BlanksToUnderscores(" a  b "), "_a__b_");
}

}  // namespace
}  // namespace quentaris
