// Menu paths through a ribbon: a category and its button (with or without the
// panel's name), the application button's menu, and what cannot be chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/frames/command_ids.h"
#include "platform/frames/frame_wnd.h"
#include "platform/ribbon/ribbon_bar.h"
#include "platform/script/script_acts.h"
#include "platform/testing/window_testing.h"

namespace plat::test {
namespace {

constexpr UINT kLocked = 33800;
constexpr UINT kAbout = 33801;
constexpr UINT kWindows7 = 33802;

class RibbonFrame : public FrameWnd {
 public:
  RibbonFrame() {
    MapCommandRange(1, 59999, [this](UINT id) { commands.push_back(id); });
    MapUpdate(kLocked, [](CmdUI& ui) { ui.Enable(false); });
  }
  RibbonBar ribbon;
  std::vector<UINT> commands;

 protected:
  int OnCreate(const CREATESTRUCT& create) override {
    if (FrameWnd::OnCreate(create) == -1 || !ribbon.Create(this)) return -1;
    Menu styles = Menu::Popup();
    styles.AppendMenu(MF_STRING, kWindows7, "Windows &7");
    Menu main = Menu::Popup();
    main.AppendMenu(MF_STRING, ID_FILE_NEW, "&Neu");
    main.AppendMenu(MF_POPUP, std::move(styles), "Style");
    ribbon.SetApplicationButton("Datei", std::move(main));
    RibbonPanel* position = ribbon.AddCategory("Start")->AddPanel("Position");
    position->AddButton(ID_FILE_NEW, "New");
    position->AddButton(kLocked, "Locked");
    ribbon.AddCategory("Help")->AddPanel("Help")->AddButton(kAbout, "&About");
    ribbon.SetActiveCategory(0);
    return 0;
  }
};

script::Step MenuStep(const std::string& path) { return script::Step{1, "menu " + path, "menu", path}; }

TEST(ScriptRibbonTest, PathsThroughTheRibbon) {
  auto* frame = new RibbonFrame;
  frame->auto_delete = true;
  ASSERT_TRUE(frame->Create("Shell"));
  frame->ShowWindow(SW_SHOW);
  testing::PumpMessages();
  const struct {
    std::string path;
    std::string outcome;
    UINT command;  // 0: none
  } cases[] = {
      {"Start/New", "", ID_FILE_NEW},
      {"Help/About", "", kAbout},  // another category is chosen first
      {"Start/Position/New", "", ID_FILE_NEW},
      {"Datei/Style/Windows 7", "", kWindows7},
      {"Start/Locked", "the ribbon button \"Start/Locked\" is disabled", 0},
      {"Start/Help/New", "no such menu path \"Start/Help/New\"", 0},
      {"Datei/Old", "no such menu path \"Datei/Old\"", 0},
      {"Start", "no such menu path \"Start\"", 0},
  };
  for (const auto& c : cases) {
    frame->commands.clear();
    EXPECT_EQ(script::PerformStep(MenuStep(c.path), ""), c.outcome) << c.path;
    testing::PumpMessages();
    EXPECT_EQ(frame->commands, c.command ? std::vector<UINT>{c.command} : std::vector<UINT>{}) << c.path;
  }
  frame->DestroyWindow();
  testing::PumpMessages();
}

}  // namespace
}  // namespace plat::test
