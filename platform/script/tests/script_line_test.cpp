// The text of a script: steps and their fields, key names, menu item names.
#include <gtest/gtest.h>

#include "platform/script/script_acts.h"
#include "platform/script/script_line.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::script {
namespace {

TEST(ScriptLineTest, StepsKeepTheirLineAndTheRestOfTheLine) {
  const std::vector<Step> steps = ParseScript("# comment\n\n  menu File/Print preview\r\ntype  a b \nclose");
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(steps[0].verb, "menu");
  EXPECT_EQ(steps[0].args, "File/Print preview");
  EXPECT_EQ(steps[0].text, "menu File/Print preview");
  EXPECT_EQ(steps[1].line, 4);
  EXPECT_EQ(steps[1].args, " a b ");  // only the blank after the verb goes
  EXPECT_EQ(steps[2].verb, "close");
  EXPECT_EQ(steps[2].args, "");
}

TEST(ScriptLineTest, FieldsThenTheRestWithItsBlanks) {
  std::vector<std::string> fields;
  std::string rest;
  ASSERT_TRUE(SplitFields("1000  my file.txt ", 1, &fields, &rest));
  EXPECT_EQ(fields, std::vector<std::string>{"1000"});
  EXPECT_EQ(rest, " my file.txt ");
  ASSERT_TRUE(SplitFields("1000", 1, &fields, &rest));
  EXPECT_EQ(rest, "");
  EXPECT_FALSE(SplitFields("1000", 2, &fields, &rest));
  EXPECT_FALSE(SplitFields("   ", 1, &fields, &rest));
}

TEST(ScriptLineTest, WholeNumbersOnly) {
  EXPECT_EQ(ParseInt("-120"), -120);
  EXPECT_EQ(ParseInt("+7"), 7);
  EXPECT_EQ(ParseInt("12.5"), std::nullopt);
  EXPECT_EQ(ParseInt(""), std::nullopt);
  EXPECT_EQ(ParseInt("99999999999"), std::nullopt);
}

struct KeyCase {
  const char* name;
  int vk;
  unsigned mods;
};

TEST(ScriptLineTest, KeyNames) {
  using testing::kAlt;
  using testing::kCtrl;
  using testing::kShift;
  const KeyCase cases[] = {
      {"Ctrl+S", 'S', kCtrl},          {"ctrl+shift+z", 'Z', kCtrl | kShift}, {"Escape", VK_ESCAPE, 0},
      {"Num+", VK_ADD, 0},             {"Ctrl+Num-", VK_SUBTRACT, kCtrl},     {"Num7", VK_NUMPAD7, 0},
      {"Alt+F4", VK_F4, kAlt},         {"F12", VK_F12, 0},                     {"Shift+Tab", VK_TAB, kShift},
      {"PageDown", VK_NEXT, 0},        {"Enter", VK_RETURN, 0},                {"5", '5', 0},
      {"Shift", VK_SHIFT, 0},
  };
  for (const KeyCase& c : cases) {
    const std::optional<KeyStroke> key = ParseKey(c.name);
    ASSERT_TRUE(key) << c.name;
    EXPECT_EQ(key->vk, c.vk) << c.name;
    EXPECT_EQ(key->mods, c.mods) << c.name;
  }
  for (const char* bad : {"", "Hyper+Q", "F0", "F25", "Ctrl+", "Num", "Ctrl+Foo", "AB"}) {
    EXPECT_FALSE(ParseKey(bad)) << bad;
  }
}

TEST(ScriptLineTest, MenuItemNamesLeaveOutMarksAndAccelerators) {
  EXPECT_EQ(MenuItemName("&Store\tCtrl+S"), "Store");
  EXPECT_EQ(MenuItemName("Print pre&view..."), "Print preview...");
  EXPECT_EQ(MenuItemName("Load && store"), "Load & store");
}

}  // namespace
}  // namespace plat::script
