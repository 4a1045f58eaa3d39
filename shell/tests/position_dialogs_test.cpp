// The shell's position dialogs, worked as a person would.
#include <gtest/gtest.h>

#include "platform/controls/list_box.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "shell/dialogs/dia_backstep.h"
#include "shell/dialogs/dia_dup.h"
#include "shell/dialogs/dia_pos.h"
#include "shell/dialogs/dia_store.h"
#include "shell/settings/position_list.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using plat::testing::DialogScript;
using testing::FileText;
using testing::PutFile;
using testing::SettingsFolder;

// The main window: hears what the dialogs post.
class MainWindow : public plat::Window {
 public:
  std::vector<plat::UINT> posted;

 protected:
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override {
    if (message >= plat::WM_USER && message < plat::WM_APP) {
      posted.push_back(message);
      return 0;
    }
    return plat::Window::WindowProc(message, wParam, lParam);
  }
};

class PositionDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.settings = common::SettingsContext::Discover();
    state_.data_path = plat::testing::TestFolder() + "d/";
    state_.position_name = "A1";
    state_.positions.entries = {{"My_pos", state_.data_path_without_slash()}, {"A1", "/e"}};
    ASSERT_TRUE(main_.Create("main", plat::WS_VISIBLE, plat::Rect{0, 0, 300, 200}));
  }

  ShellState state_;
  MainWindow main_;
  DialogScript script_;
};

TEST_F(PositionDialogsTest, NewPositionTurnsBlanksIntoUnderscores) {
  script_.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(plat::testing::ItemText(d, CDiaPos::kNameEdit), "New");
    plat::testing::TypeInto(d, CDiaPos::kNameEdit, "My pos");
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaPos dialog(state_, &main_);
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(dialog.name, "My_pos");
  EXPECT_EQ(state_.position_name, "My_pos");
  EXPECT_EQ(state_.position_ext, ".My_pos");
  EXPECT_EQ(state_.position_folder, state_.data_path + "SDIRMy_pos/");
  const std::string data = state_.data_path_without_slash();
  EXPECT_EQ(FileText(SettingsFolder() + "/LISTP.TXT"),
            "My_pos\r\n" + data + "\r\nMy_pos\r\n" + data + "\r\nA1\r\n/e\r\n");  // the duplicate is kept
  EXPECT_TRUE(state_.positions.changed);
  plat::testing::PumpMessages();
  EXPECT_EQ(main_.posted, std::vector<plat::UINT>{plat::WM_USER + 2005});
}

TEST_F(PositionDialogsTest, ABadNameIsRefusedAndTheDialogStays) {
  script_.OnNextDialog([](plat::Dialog& d) {
    plat::testing::TypeInto(d, CDiaPos::kNameEdit, "A@B");
    plat::testing::Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    plat::testing::TypeInto(d, CDiaPos::kNameEdit, "..");
    plat::testing::Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    plat::testing::Press(d, plat::IDCANCEL);
  });
  CDiaPos dialog(state_, &main_);
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  ASSERT_EQ(script_.shown().size(), 3u);
  EXPECT_EQ(script_.shown()[1].text, "A position name must not hold \"/\" or \"@\".");
  EXPECT_EQ(script_.shown()[2].text, "A position name must not be \".\" or \"..\".");
  EXPECT_EQ(state_.position_name, "A1");
  EXPECT_EQ(FileText(SettingsFolder() + "/LISTP.TXT"), "(missing)");
  plat::testing::PumpMessages();
  EXPECT_TRUE(main_.posted.empty());
}

TEST_F(PositionDialogsTest, TheSideButtonCancelsEachDialog) {
  const common::Position position(state_.data_path, ".A1");
  PutFile(position.File("UT801"), "result");
  std::vector<std::unique_ptr<plat::Dialog>> dialogs;
  dialogs.push_back(std::make_unique<CDiaPos>(state_, &main_));
  dialogs.push_back(std::make_unique<CDiaDup>("A1"));
  dialogs.push_back(std::make_unique<CDiaStore>(StoreMode::kSave, ArchiveCopyReport{}));
  dialogs.push_back(std::make_unique<CDiaBackstep>(position));
  for (auto& dialog : dialogs) {
    script_.OnNextDialog([](plat::Dialog& d) {
      plat::testing::MouseDown(d, plat::Point{2, 2}, plat::testing::MouseButton::kX1);
    });
    EXPECT_EQ(dialog->DoModal(), plat::IDCANCEL) << dialog->TemplateId();
    EXPECT_FALSE(script_.shown().back().left_open) << dialog->TemplateId();
  }
  EXPECT_TRUE(plat::FileExists(position.File("UT801")));  // the reset did not run
}

TEST_F(PositionDialogsTest, DuplicateProposesANameAndOffersAnotherPosition) {
  script_.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(plat::testing::ItemText(d, CDiaDup::kActualEdit), "BEAM2");
    EXPECT_EQ(plat::testing::ItemText(d, CDiaDup::kNewEdit), "BEAM2A");
    plat::testing::TypeInto(d, CDiaDup::kNewEdit, "BEAM2");
    plat::testing::Press(d, plat::IDOK);  // the same name: refused
    EXPECT_FALSE(d.Ended());
    plat::testing::TypeInto(d, CDiaDup::kNewEdit, "BEAM3");
    plat::testing::SetChecked(d, CDiaDup::kFastCopyCheck, true);
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaDup dialog("BEAM2");
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(script_.shown()[1].text, "The copy needs a name other than BEAM2.");
  EXPECT_EQ(dialog.new_name, "BEAM3");
  EXPECT_EQ(dialog.fast_copy, 1);
  EXPECT_FALSE(dialog.other_position_chosen);

  script_.OnNextDialog([](plat::Dialog& d) { plat::testing::Press(d, CDiaDup::kOtherPosition); });
  CDiaDup other("BEAM2");
  EXPECT_EQ(other.DoModal(), 1010);
  EXPECT_TRUE(other.other_position_chosen);
}

TEST_F(PositionDialogsTest, StoreListsTheReport) {
  ArchiveCopyReport report;
  report.lines = {"/x/ECHO_G.P1.TXT  --->  /d/SDIRQ/ECHO_G.Q.TXT", " ", "Then click on Load button to input the load cases!"};
  std::vector<std::string> listed;
  script_.OnNextDialog([&](plat::Dialog& d) {
    auto* list = static_cast<plat::ListBox*>(d.GetDlgItem(CDiaStore::kList));
    for (int i = 0; i < list->GetCount(); ++i) listed.push_back(list->GetText(i));
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaStore dialog(StoreMode::kLoad, report);
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(listed, report.lines);
  EXPECT_EQ(script_.shown()[0].caption, "Load");
  EXPECT_EQ(script_.shown()[0].template_id, 155u);
}

TEST_F(PositionDialogsTest, ResetRunsWithTheStateOfTheBox) {
  const common::Position position(state_.data_path, ".A1");
  for (const char* name : {"UT801.A1", "D3.TXT"}) PutFile(position.folder() + name, "x");
  PutFile(position.folder() + "LASTD", std::string("\x03\x00", 2));
  PutFile(position.folder() + "FILES", "              D3        1    Results \r\n");
  script_.OnNextDialog([](plat::Dialog& d) {
    EXPECT_TRUE(plat::testing::IsChecked(d, CDiaBackstep::kDeleteOutputsCheck));
    plat::testing::SetChecked(d, CDiaBackstep::kDeleteOutputsCheck, false);
    plat::testing::Press(d, plat::IDOK);
  });
  CDiaBackstep dialog(position);
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(script_.shown()[0].caption, "Reset position A1");
  EXPECT_FALSE(plat::FileExists(position.folder() + "UT801.A1"));
  EXPECT_TRUE(plat::FileExists(position.folder() + "D3.TXT"));

  PutFile(position.folder() + "TTABLE~/x", "");  // the history cannot be written
  script_.PressNext(plat::IDOK);
  CDiaBackstep again(position);
  ASSERT_EQ(again.DoModal(), plat::IDOK);
  EXPECT_FALSE(plat::FileExists(position.folder() + "D3.TXT"));
  ASSERT_EQ(script_.shown().size(), 3u);
  EXPECT_EQ(script_.shown()[2].text, "The file " + position.folder() + "TTABLE cannot be stored!");
}

}  // namespace
}  // namespace quentaris
