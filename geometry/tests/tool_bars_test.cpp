// The geometry editor's tool bars customised as a person does: a bar of its
// own with two commands and a hidden standard button, both shown again at
// the next start, whose Store stores the frame; a damaged settings file is
// named and the default bar is shown.
#include <gtest/gtest.h>

#include "geometry/editor/editor_ids.h"
#include "geometry/tests/editor_fixture.h"
#include "geometry/tests/position_fixture.h"
#include "platform/frames/customize_dialog.h"
#include "platform/frames/tool_bar_customization.h"
#include "platform/frames/tool_bar_name_dialog.h"
#include "platform/settings_folder.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/window_testing.h"

namespace kelmf {
namespace {

using Dlg = plat::ToolBarsCustomizeDialog;
using testing::CommandLine;
using testing::OpenedEditor;

const std::vector<std::string> kDefaultFaces{"Store",           "Print", "Dimensions", "Copy to Clipboard",
                                             "Graphical input", "Grid",  "|",          "Anpassen..."};

std::string SettingsFile() { return plat::SettingsFolderPath() + "/TOOLBARS.KELMWF"; }

std::string Snapshots() {
  const std::string folder = plat::testing::BinFolder() + "../snapshots/";
  EXPECT_TRUE(plat::MakeFolder(folder));
  return folder;
}

std::vector<plat::ToolBar*> Bars(OpenedEditor& editor) {
  return editor.frame().GetToolBarCustomization()->Bars();
}

TEST(EditorToolBars, APersonsBarAndAHiddenButtonComeBackAtTheNextStartAndItsStoreStores) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  {
    OpenedEditor editor;
    ASSERT_TRUE(editor.Open(CommandLine(position, true)));
    EXPECT_EQ(plat::testing::ToolButtonTexts(editor.frame().tool_bar()), kDefaultFaces);
    plat::testing::DialogScript script;
    script.OnNextDialog([&](plat::Dialog& d) {
      ASSERT_TRUE(plat::testing::Press(d, Dlg::kNewBar));
      ASSERT_TRUE(plat::testing::AddCommandToBar(d, "Position", "Store"));
      ASSERT_TRUE(plat::testing::AddCommandToBar(d, "View", "Dialog Input"));
      ASSERT_TRUE(plat::testing::Choose(d, Dlg::kBarList, 0));
      ASSERT_TRUE(plat::testing::Choose(d, Dlg::kButtonList, 3));
      ASSERT_TRUE(plat::testing::SetChecked(d, Dlg::kButtonShown, false));  // Copy to Clipboard
      EXPECT_TRUE(plat::testing::WindowPixels(d).Save(Snapshots() + "kelmf-customize.png").ok());
      plat::testing::Press(d, plat::IDOK);
    });
    script.OnNextDialog([](plat::Dialog& ask) {
      plat::testing::TypeInto(ask, plat::ToolBarNameDialog::kNameField, "Frame");
      plat::testing::Press(ask, plat::IDOK);
    });
    ASSERT_TRUE(plat::testing::ClickToolButton(editor.frame().tool_bar(), ids::kCustomize));
    plat::testing::PumpMessages();
    EXPECT_EQ(script.Captions(), (std::vector<std::string>{"Customize", "New Tool Bar"}));
    EXPECT_TRUE(plat::testing::WindowPixels(editor.frame()).Save(Snapshots() + "kelmf-own-tool-bar.png").ok());
    EXPECT_EQ(editor.Boxes(), "");
    editor.Command(ids::kEnd);
    EXPECT_EQ(editor.quit.code(), 1);
  }
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position)));
  std::vector<std::string> standard = kDefaultFaces;
  standard.erase(standard.begin() + 3);
  EXPECT_EQ(plat::testing::ToolButtonTexts(editor.frame().tool_bar()), standard);
  ASSERT_EQ(Bars(editor).size(), 2u);
  plat::ToolBar& mine = *Bars(editor)[1];
  EXPECT_EQ(mine.GetWindowText(), "Frame");
  EXPECT_EQ(plat::testing::ToolButtonTexts(mine),
            (std::vector<std::string>{"Store", "Dialog Input", "|", "Anpassen..."}));
  // Its Store stores the frame, as the menu's does.
  EXPECT_EQ(testing::GeometryMarker(position), 0);
  plat::testing::IdleUpdate(editor.frame());
  ASSERT_TRUE(plat::testing::ClickToolButton(mine, ids::kStore));
  plat::testing::PumpMessages();
  EXPECT_EQ(editor.quit.code(), 1);
  EXPECT_EQ(testing::GeometryMarker(position), 1);
  EXPECT_EQ(editor.Boxes(), "");
}

TEST(EditorToolBars, ADamagedSettingsFileIsNamedAndTheDefaultBarShown) {
  const common::Position position = testing::ExamplePosition("PORTAL");
  ASSERT_TRUE(plat::MakeFolder(plat::SettingsFolderPath()));
  const std::string damaged = "TOOLBARS 1\r\nBAR 59392 TOP SHOWN 0 0\r\nNAME Standard\r\nBUTTON 57603 SHOWN Store";
  ASSERT_TRUE(plat::WriteBlock(SettingsFile(), damaged.data(), damaged.size()));
  OpenedEditor editor;
  ASSERT_TRUE(editor.Open(CommandLine(position, true)));
  EXPECT_EQ(editor.Boxes(), "Error\tThe file " + SettingsFile() +
                                " is damaged: line 4: the last bar has no END. The default tool bars are shown.\n");
  EXPECT_EQ(plat::testing::ToolButtonTexts(editor.frame().tool_bar()), kDefaultFaces);
  EXPECT_EQ(Bars(editor).size(), 1u);
}

}  // namespace
}  // namespace kelmf
