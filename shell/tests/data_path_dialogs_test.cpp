// The dialogs that choose the data path, a position to copy and a folder,
// worked as a person would.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"
#include "shell/paths/dia_dup_tree.h"
#include "shell/paths/dia_pfad_tree.h"
#include "shell/paths/path_dialog.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using plat::testing::DialogScript;
using plat::testing::ItemText;
using plat::testing::Press;
using plat::testing::TypeInto;
using testing::FileText;
using testing::PutFile;
using testing::SettingsFolder;

class DataPathDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plat::MakeFolder(SettingsFolder()));
    state_.settings = common::SettingsContext::Discover();
    tmp_ = plat::testing::TestFolder() + "t";
    state_.data_path = tmp_ + "/Data/";
    ASSERT_TRUE(plat::MakeFolder(tmp_ + "/Data/Sub"));
  }
  std::string History() const { return FileText(SettingsFolder() + "/PATHHIST.TXT"); }
  void PutHistory(std::string_view text) const { PutFile(SettingsFolder() + "/PATHHIST.TXT", text); }

  ShellState state_;
  std::string tmp_;
  DialogScript script_;
};

TEST_F(DataPathDialogsTest, PfadTreeShowsThePathAndTheHistoryAndTakesATreeSelection) {
  PutHistory("/d/a\n/d/b\n");
  script_.OnNextDialog([&](plat::Dialog& d) {
    EXPECT_EQ(ItemText(d, CDiaPfadTree::kPathEdit), tmp_ + "/Data");
    auto* list = dynamic_cast<plat::ListBox*>(d.GetDlgItem(CDiaPfadTree::kHistoryList));
    ASSERT_TRUE(list);
    ASSERT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetText(1), "/d/b");
    ASSERT_TRUE(plat::testing::SelectTreePath(d, CDiaPfadTree::kTree, tmp_ + "/Data/Sub"));
    EXPECT_EQ(ItemText(d, CDiaPfadTree::kPathEdit), tmp_ + "/Data/Sub");
    for (const auto& control : plat::testing::ControlsOf(d)) {
      EXPECT_TRUE(control.visible) << control.id;
      EXPECT_GT(control.rect.Width(), 0) << control.id;
    }
    testing::SaveSnapshot(d, "quentaris-data-path.png");
    Press(d, plat::IDOK);
  });
  CDiaPfadTree dialog(state_);
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(dialog.chosen_path(), tmp_ + "/Data/Sub");
  EXPECT_EQ(History(), "/d/a\r\n/d/b\r\n" + tmp_ + "/Data/Sub\r\n");
}

TEST_F(DataPathDialogsTest, ADoubleClickedHistoryEntryIsTakenAtOnce) {
  PutHistory("/d/a\n/d/b\n");
  script_.OnNextDialog([](plat::Dialog& d) { plat::testing::DoubleClickItem(d, CDiaPfadTree::kHistoryList, 1); });
  CDiaPfadTree dialog(state_);
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(dialog.chosen_path(), "/d/b");
  EXPECT_EQ(History(), "/d/a\n/d/b\n");
}

TEST_F(DataPathDialogsTest, OkMakesANewPathAndRefusesAnAt) {
  script_.OnNextDialog([&](plat::Dialog& d) {
    TypeInto(d, CDiaPfadTree::kPathEdit, "/d/a@b");
    Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    TypeInto(d, CDiaPfadTree::kPathEdit, tmp_ + "/new/deep");
    Press(d, plat::IDOK);
  });
  CDiaPfadTree dialog(state_);
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(script_.shown()[1].text, "The data path /d/a@b must not hold \"@\".");
  EXPECT_FALSE(plat::FolderExists("/d/a@b"));
  EXPECT_EQ(dialog.chosen_path(), tmp_ + "/new/deep");
  EXPECT_TRUE(plat::FolderExists(tmp_ + "/new/deep"));
  EXPECT_EQ(History(), tmp_ + "/new/deep\r\n");
}

TEST_F(DataPathDialogsTest, EnterInTheEditGivesTheKeysMessages) {
  PutFile(tmp_ + "/x", "a file");
  script_.OnNextDialog([&](plat::Dialog& d) {
    TypeInto(d, CDiaPfadTree::kPathEdit, tmp_ + "/x/y");
    plat::testing::PressKey(*d.GetDlgItem(CDiaPfadTree::kPathEdit), plat::VK_RETURN);
    EXPECT_FALSE(d.Ended());
    Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    Press(d, plat::IDCANCEL);
  });
  CDiaPfadTree dialog(state_);
  ASSERT_EQ(dialog.DoModal(), plat::IDCANCEL);
  ASSERT_EQ(script_.shown().size(), 3u);
  EXPECT_EQ(script_.shown()[1].text, "Folder " + tmp_ + "/x cannot be generated!");
  EXPECT_EQ(script_.shown()[2].text, "Path " + tmp_ + "/x cannot be generated!");
  EXPECT_EQ(History(), "(missing)");
}

TEST_F(DataPathDialogsTest, DeleteRemovesTheSelectedHistoryEntries) {
  PutHistory("/d/a\n/d/b\n/d/c\n");
  script_.OnNextDialog([](plat::Dialog& d) {
    auto* list = dynamic_cast<plat::ListBox*>(d.GetDlgItem(CDiaPfadTree::kHistoryList));
    ASSERT_TRUE(list);
    plat::testing::Choose(d, CDiaPfadTree::kHistoryList, 0);
    plat::Rect second;
    list->GetItemRect(1, &second);
    plat::testing::Click(*list, plat::Point{second.left + 2, second.top + 1}, plat::testing::MouseButton::kLeft,
                         plat::testing::kCtrl);
    ASSERT_EQ(list->GetSelCount(), 2);
    plat::testing::PressKey(*list, plat::VK_DELETE);
    EXPECT_EQ(list->GetCount(), 1);
    Press(d, plat::IDCANCEL);
  });
  CDiaPfadTree dialog(state_);
  ASSERT_EQ(dialog.DoModal(), plat::IDCANCEL);
  EXPECT_EQ(History(), "/d/c\r\n");
  EXPECT_FALSE(plat::FileExists(SettingsFolder() + "/PATHTEMPX"));
}

TEST_F(DataPathDialogsTest, DupTreeTakesTheNameAfterSdir) {
  ASSERT_TRUE(plat::MakeFolder(tmp_ + "/d/SDIRBeam2"));
  ASSERT_TRUE(plat::MakeFolder(tmp_ + "/d/Plain"));
  script_.OnNextDialog([&](plat::Dialog& d) {
    ASSERT_TRUE(plat::testing::SelectTreePath(d, CDiaDupTree::kTree, tmp_ + "/d/Plain"));
    EXPECT_EQ(ItemText(d, CDiaDupTree::kOldEdit), "");
    Press(d, plat::IDOK);  // nothing picked yet: refused
    EXPECT_FALSE(d.Ended());
    ASSERT_TRUE(plat::testing::SelectTreePath(d, CDiaDupTree::kTree, tmp_ + "/d/SDIRBeam2"));
    EXPECT_EQ(ItemText(d, CDiaDupTree::kOldEdit), "Beam2");
    EXPECT_EQ(ItemText(d, CDiaDupTree::kNewEdit), "Beam2A");
    auto* edit = dynamic_cast<plat::Edit*>(d.GetDlgItem(CDiaDupTree::kNewEdit));
    ASSERT_TRUE(edit);
    int start = -1, end = -1;
    edit->GetSel(&start, &end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 6);
    ASSERT_TRUE(plat::testing::SelectTreePath(d, CDiaDupTree::kTree, tmp_ + "/d/Plain"));
    EXPECT_EQ(ItemText(d, CDiaDupTree::kOldEdit), "Beam2");  // a folder without SDIR changes nothing
    for (const auto& control : plat::testing::ControlsOf(d)) EXPECT_TRUE(control.visible) << control.id;
    testing::SaveSnapshot(d, "quentaris-copy-position-tree.png");
    Press(d, plat::IDOK);
  });
  CDiaDupTree dialog(state_.data_path_without_slash());
  ASSERT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(dialog.old_name, "Beam2");
  EXPECT_EQ(dialog.new_name, "Beam2A");
  EXPECT_EQ(dialog.data_path, tmp_ + "/d/");
}

TEST_F(DataPathDialogsTest, PathDialogRefusesInvalidFoldersAndOffersToMakeMissingOnes) {
  script_.OnNextDialog([&](plat::Dialog& d) {
    EXPECT_EQ(ItemText(d, CPathDialog::kPathEdit), tmp_ + "/Data");
    TypeInto(d, CPathDialog::kPathEdit, "/x/a|b");
    Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    plat::testing::SetItemText(d, CPathDialog::kPathEdit, "");
    EXPECT_FALSE(d.GetDlgItem(plat::IDOK)->IsWindowEnabled());
    TypeInto(d, CPathDialog::kPathEdit, tmp_ + "/n1/n2");
    EXPECT_TRUE(d.GetDlgItem(plat::IDOK)->IsWindowEnabled());
    script_.AnswerBox(plat::IDNO);
    Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    EXPECT_FALSE(plat::FolderExists(tmp_ + "/n1"));
    for (const auto& control : plat::testing::ControlsOf(d)) EXPECT_TRUE(control.visible) << control.id;
    testing::SaveSnapshot(d, "quentaris-folder-with-edit.png");
    script_.AnswerBox(plat::IDYES);
    Press(d, plat::IDOK);
  });
  CPathDialog dialog("Copy files", "Folder where files are stored.", tmp_ + "/Data");
  ASSERT_EQ(dialog.DoModal(), 1);
  EXPECT_EQ(dialog.path(), tmp_ + "/n1/n2");
  EXPECT_TRUE(plat::FolderExists(tmp_ + "/n1/n2"));
  const auto& shown = script_.shown();
  ASSERT_EQ(shown.size(), 4u);
  EXPECT_EQ(shown[1].text, "The folder:\n\n/x/a|b\n\nis invalid. Please reenter.");
  EXPECT_EQ(shown[2].text, "The folder:\n\n" + tmp_ +
                                "/n1/n2\n\ndoes not exist. Do you want the folder to be created?");
  EXPECT_EQ(shown[3].text, shown[2].text);
}

TEST_F(DataPathDialogsTest, TheSideButtonCancelsEachDialog) {
  std::vector<std::unique_ptr<plat::Dialog>> dialogs;
  dialogs.push_back(std::make_unique<CDiaPfadTree>(state_));
  dialogs.push_back(std::make_unique<CDiaDupTree>(tmp_));
  dialogs.push_back(std::make_unique<CPathDialog>("Copy files", "Folder where files are stored.", tmp_));
  for (auto& dialog : dialogs) {
    script_.OnNextDialog([](plat::Dialog& d) {
      plat::testing::MouseDown(d, plat::Point{2, 2}, plat::testing::MouseButton::kX1);
    });
    EXPECT_NE(dialog->DoModal(), plat::IDOK) << dialog->TemplateId();
    EXPECT_FALSE(script_.shown().back().left_open) << dialog->TemplateId();
  }
  EXPECT_EQ(History(), "(missing)");
}

}  // namespace
}  // namespace quentaris
