// The tool-bar settings file: the text a set-up is kept in, read back as it
// was, and every kind of damage refused with its line.
#include <gtest/gtest.h>

#include <string>

#include "platform/frames/command_catalogue.h"
#include "platform/frames/tool_bar_setup.h"

namespace plat::test {
namespace {

const std::vector<UINT> kStandard{59392};

ToolBarsSetup TwoBars() {
  ToolBarsSetup setup;
  ToolBarSetup standard;
  standard.id = 59392;
  standard.name = "Standard";
  standard.defaults = {57603, 57607, 0, 32776};
  standard.buttons = {{57603, "Store"}, {57607, "Print"}, {0}, {32776, "Graphical input"}};
  standard.buttons[1].hidden = true;
  setup.bars.push_back(standard);
  ToolBarSetup mine;
  mine.id = 59433;
  mine.name = "Meine \xC4nderungen";  // Windows-1252 as typed
  mine.side = DockSide::kFloating;
  mine.shown = false;
  mine.float_place = Point{-20, 640};
  mine.buttons = {{57603, "Store"}, {32817, "Dialog Input"}};
  setup.bars.push_back(mine);
  return setup;
}

TEST(ToolBarSetupFile, IsTheTextOfTheBarsLineByLine) {
  EXPECT_EQ(FormatToolBarsSetup(TwoBars()),
            "TOOLBARS 1\n"
            "BAR 59392 TOP SHOWN 100 100\n"
            "NAME Standard\n"
            "DEFAULTS 57603 57607 0 32776\n"
            "BUTTON 57603 SHOWN Store\n"
            "BUTTON 57607 HIDDEN Print\n"
            "SEPARATOR SHOWN\n"
            "BUTTON 32776 SHOWN Graphical input\n"
            "END\n"
            "BAR 59433 FLOATING HIDDEN -20 640\n"
            "NAME Meine \xC4nderungen\n"
            "BUTTON 57603 SHOWN Store\n"
            "BUTTON 32817 SHOWN Dialog Input\n"
            "END\n");
}

TEST(ToolBarSetupFile, ReadsBackWhatWasWrittenAlsoWithWindowsLineEnds) {
  std::string text = FormatToolBarsSetup(TwoBars());
  for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 2)) text.insert(at, "\r");
  const ParsedToolBars parsed = ParseToolBarsSetup(text, kStandard);
  ASSERT_TRUE(parsed.setup) << parsed.problem;
  EXPECT_EQ(FormatToolBarsSetup(*parsed.setup), FormatToolBarsSetup(TwoBars()));
  const ToolBarSetup& mine = parsed.setup->bars[1];
  EXPECT_EQ(mine.side, DockSide::kFloating);
  EXPECT_FALSE(mine.shown);
  EXPECT_EQ(mine.float_place, (Point{-20, 640}));
  EXPECT_TRUE(parsed.setup->bars[0].buttons[1].hidden);
  EXPECT_EQ(parsed.setup->bars[0].buttons[2].id, 0u);
}

std::string UserBars(int count, int buttons = 1) {
  std::string text = "TOOLBARS 1\n";
  for (int i = 0; i < count; ++i) {
    text += "BAR " + std::to_string(59432 + i) + " TOP SHOWN 0 0\nNAME Bar " + std::to_string(i) + "\n";
    for (int b = 0; b < buttons; ++b) text += "BUTTON 57603 SHOWN Store\n";
    text += "END\n";
  }
  return text;
}

TEST(ToolBarSetupFile, DamageIsRefusedNamingItsLine) {
  struct Case {
    std::string text;
    std::string problem;
  };
  const std::string bar = "TOOLBARS 1\nBAR 59432 TOP SHOWN 0 0\nNAME Mine\n";
  const Case cases[] = {
      {"", "line 1: it does not start with \"TOOLBARS 1\""},
      {"TOOLBARS 2\n", "line 1: it does not start"},
      {"TOOLBARS 1\nBAR 59400 TOP SHOWN 0 0\nNAME X\nEND\n", "line 2: no tool bar has the id 59400"},
      {"TOOLBARS 1\nBAR 59442 TOP SHOWN 0 0\nNAME X\nEND\n", "line 2: no tool bar has the id 59442"},
      {bar + "END\nBAR 59432 TOP SHOWN 0 0\nNAME Y\nEND\n", "line 5: the bar 59432 twice"},
      {"TOOLBARS 1\nBAR 59432 MIDDLE SHOWN 0 0\n", "line 2: no side \"MIDDLE\""},
      {"TOOLBARS 1\nBAR 59432 TOP SHOWN 0 200000\n", "line 2: a bar line"},
      {"TOOLBARS 1\nBAR 59432 TOP SHOWN 0 0x10\n", "line 2: a bar line"},
      {"TOOLBARS 1\nBAR 59432 TOP VISIBLE 0 0\n", "line 2: a bar line"},
      {"TOOLBARS 1\nBUTTON 57603 SHOWN Store\n", "line 2: \"BUTTON\" outside a bar"},
      {bar + "BUTTON 0 SHOWN Nothing\nEND\n", "line 4: a button line"},
      {bar + "BUTTON 70000 SHOWN Far\nEND\n", "line 4: a button line"},
      {bar + "BUTTON 57603 SHOWN\nEND\n", "line 4: a button text that is empty"},
      {bar + "BUTTON 57603 SHOWN " + std::string(129, 'x') + "\nEND\n", "line 4: a button text"},
      {bar + "BUTTON 57603 SHOWN Sto\tre\nEND\n", "line 4: a button text"},
      {bar + "DEFAULTS 57603\nEND\n", "line 4: defaults of a person's bar"},
      {bar + "SEPARATOR\nEND\n", "line 4: a separator line"},
      {bar + "END now\n", "line 4: text after END"},
      {bar + "BAR 59433 TOP SHOWN 0 0\n", "line 4: a bar inside a bar"},
      {bar + "WIDTH 3\nEND\n", "line 4: unknown line \"WIDTH 3\""},
      {bar, "line 3: the last bar has no END"},
      {"TOOLBARS 1\nBAR 59432 TOP SHOWN 0 0\nEND\n", "line 3: a bar without a name"},
      {"TOOLBARS 1\nBAR 59432 TOP SHOWN 0 0\nNAME " + std::string(65, 'n') + "\n", "line 3: A tool bar's name"},
      {"TOOLBARS 1\nBAR 59432 TOP SHOWN 0 0\nNAME   \n", "line 3: A tool bar needs a name."},
      {UserBars(1, 101), "line 104: more than 100 buttons in a bar"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 120));
    const ParsedToolBars parsed = ParseToolBarsSetup(c.text, kStandard);
    EXPECT_FALSE(parsed.setup);
    EXPECT_EQ(parsed.problem.substr(0, c.problem.size()), c.problem) << parsed.problem;
  }
}

TEST(ToolBarSetupFile, TakesTenBarsOfAPersonWithAHundredButtonsEach) {
  // An eleventh has no id of its own (59442 is refused above).
  const ParsedToolBars parsed = ParseToolBarsSetup(UserBars(10, 100), kStandard);
  ASSERT_TRUE(parsed.setup) << parsed.problem;
  EXPECT_EQ(parsed.setup->bars.size(), 10u);
}

TEST(CommandCatalogue, ListsTheMenusCommandsByTitleWithTheirPlainTexts) {
  EXPECT_EQ(PlainMenuText("S&tore\tCtrl+S"), "Store");
  EXPECT_EQ(PlainMenuText("Save && go..."), "Save & go...");
  Menu file = Menu::Popup();
  file.AppendMenu(MF_STRING, 57603, "S&tore\tCtrl+S");
  file.AppendMenu(MF_SEPARATOR);
  Menu recent = Menu::Popup();
  recent.AppendMenu(MF_STRING, 57616, "&1 Last");
  file.AppendMenu(MF_POPUP, std::move(recent), "&Recent");
  Menu view = Menu::Popup();
  view.AppendMenu(MF_STRING, 32817, "&Dialog Input");
  view.AppendMenu(MF_STRING, 57603, "S&tore again");
  Menu bar;
  bar.AppendMenu(MF_POPUP, std::move(file), "&Position");
  bar.AppendMenu(MF_POPUP, std::move(view), "&View");
  Menu child_bar;  // another frame's bar: what a title of it lacks joins, its own commands stand apart
  child_bar.AppendMenu(MF_STRING, 32960, "&Moments");
  Menu more = Menu::Popup();
  more.AppendMenu(MF_STRING, 57603, "Store");
  more.AppendMenu(MF_STRING, 32900, "Copy");
  child_bar.AppendMenu(MF_POPUP, std::move(more), "&Position");
  child_bar.AppendMenu(MF_STRING, 32961, "LC +");
  child_bar.AppendMenu(MF_STRING, 32962, "&Dialog input");  // another command of the same text

  const std::vector<CommandCategory> categories = CommandsOfMenus({&bar, nullptr, &child_bar});
  ASSERT_EQ(categories.size(), 3u);
  EXPECT_EQ(categories[0].name, "Position");
  ASSERT_EQ(categories[0].commands.size(), 3u);
  EXPECT_EQ(categories[0].commands[0].text, "Store");
  EXPECT_EQ(categories[0].commands[1].text, "1 Last");
  EXPECT_EQ(categories[0].commands[2].id, 32900u);
  EXPECT_EQ(categories[1].name, "View");
  EXPECT_EQ(categories[2].name, "Menu bar");
  ASSERT_EQ(categories[2].commands.size(), 3u);
  EXPECT_EQ(categories[2].commands[0].text, "Moments");
  const std::vector<CatalogueCommand> all = AllCommands(categories);
  std::vector<std::string> texts;
  for (const CatalogueCommand& c : all) texts.push_back(c.where.empty() ? c.text : c.text + " / " + c.where);
  EXPECT_EQ(texts, (std::vector<std::string>{"1 Last", "Copy", "Dialog Input / View", "Dialog input / Menu bar", "LC +",
                                             "Moments", "Store"}));
}

}  // namespace
}  // namespace plat::test
