// File, folder and font dialogs answered by a script: filters whatever the
// case, the default name and extension, the overwrite question, the start
// folder and the status line.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/dialogs/file_dialog.h"
#include "platform/dialogs/folder_dialog.h"
#include "platform/dialogs/font_dialog.h"
#include "platform/message_box.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"

namespace plat::test {
namespace {

using namespace plat::testing;

void Touch(const std::string& path) { std::ofstream(path) << "x"; }

TEST(FileDialogTest, FiltersMatchWhateverTheCase) {
  const std::vector<FileFilter> filters = ParseFileFilter("Echo files (*.txt;*.tmp)|*.txt;*.tmp|All files (*.*)|*.*||");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].description, "Echo files (*.txt;*.tmp)");
  EXPECT_EQ(filters[0].patterns, (std::vector<std::string>{"*.txt", "*.tmp"}));
  struct Case {
    const char* name;
    const char* pattern;
    bool match;
  };
  const Case cases[] = {{"ECHO_G.TMP.TXT", "*.txt", true}, {"d1.Txt", "*.TXT", true}, {"D1", "*.txt", false},
                        {"D1", "*.*", true},                {"PLOTS", "PLOT?", true}, {"PLOT", "PLOT?", false},
                        {"a.txt.bak", "*.txt", false}};
  for (const Case& c : cases) EXPECT_EQ(MatchesPattern(c.name, c.pattern), c.match) << c.name << " " << c.pattern;

  const std::string folder = TestFolder();
  for (const char* name : {"D1.TXT", "d2.txt", "NODES", "ECHO.TMP"}) Touch(folder + name);
  FileDialog dialog(true, "txt", "", OFN_FILEMUSTEXIST, "Listings (*.txt)|*.txt|All files (*.*)|*.*||");
  EXPECT_EQ(dialog.FilesShown(folder), (std::vector<std::string>{"D1.TXT", "d2.txt"}));
  dialog.SetFilterIndex(1);
  EXPECT_EQ(dialog.FilesShown(folder).size(), 4u);
}

TEST(FileDialogTest, OpenTakesTheDefaultNameAndRefusesAMissingFile) {
  const std::string folder = TestFolder();
  Touch(folder + "LISTING.TXT");
  DialogScript script;
  script.AnswerFile("MISSING");  // gets ".txt" and is refused
  script.AnswerFile("");         // the proposed name
  FileDialog dialog(true, "txt", "LISTING.TXT", OFN_FILEMUSTEXIST, "Listings (*.txt)|*.txt||");
  dialog.SetInitialFolder(folder);
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetPathName(), folder + "LISTING.TXT");
  EXPECT_EQ(dialog.GetFileName(), "LISTING.TXT");
  EXPECT_EQ(dialog.GetFileTitle(), "LISTING");
  EXPECT_EQ(dialog.GetFileExt(), "TXT");
  EXPECT_EQ(dialog.GetFolderPath(), folder);
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_EQ(script.shown()[0].kind, ShownDialog::Kind::kFileOpen);
  EXPECT_EQ(script.shown()[1].kind, ShownDialog::Kind::kMessageBox);
  EXPECT_EQ(script.shown()[1].text, "MISSING.txt\nFile not found.\nCheck the file name and try again.");
}

TEST(FileDialogTest, SaveAsksBeforeReplacingAFile) {
  const std::string folder = TestFolder();
  Touch(folder + "PLOT.PLT");
  DialogScript script;
  script.AnswerFile(folder + "PLOT");  // exists once ".PLT" is added: No
  script.AnswerBox(IDNO);
  script.AnswerFile(folder + "PLOT");  // Yes this time
  script.AnswerBox(IDYES);
  FileDialog dialog(false, "PLT", "", OFN_OVERWRITEPROMPT, "Plots (*.plt)|*.plt||");
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetPathName(), folder + "PLOT.PLT");
  ASSERT_EQ(script.shown().size(), 3u);
  EXPECT_EQ(script.shown()[1].text, "PLOT.PLT already exists.\nDo you want to replace it?");
  EXPECT_EQ(script.shown()[1].flags, MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);

  // Cancelled: nothing chosen.
  FileDialog again(false, "PLT");
  EXPECT_EQ(again.DoModal(), IDCANCEL);
  EXPECT_EQ(again.GetPathName(), "");
}

// A destination dialog as the programs make one: the status line is cut.
class Destination : public FolderDialog {
 public:
  using FolderDialog::FolderDialog;
  std::vector<std::string> changes;

 protected:
  void OnSelChanged(const std::string& folder) override {
    changes.push_back(folder);
    SetStatusText(folder.size() > 35 ? folder.substr(0, 35) + "..." : folder);
    EnableOK(folder != "/");
  }
};

TEST(FolderDialogTest, StartsAtItsFolderAndShowsTheChoiceInTheStatusLine) {
  const std::string start = TestFolder() + "a-rather-long-folder-name-of-positions/";
  DialogScript script;
  script.AnswerFolder(TestFolder() + "copies/");
  script.AnswerFolder("/");  // OK is not allowed there
  Destination dialog("Folder where files are stored.", start);
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetFolderPath(), TestFolder() + "copies");
  EXPECT_EQ(dialog.changes, (std::vector<std::string>{FolderWithoutSlash(start), TestFolder() + "copies"}));
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].kind, ShownDialog::Kind::kFolder);
  EXPECT_EQ(script.shown()[0].caption, "Folder where files are stored.");
  const std::string copies = TestFolder() + "copies";
  EXPECT_EQ(script.shown()[0].text, copies.size() > 35 ? copies.substr(0, 35) + "..." : copies);

  Destination root("Destination:", "/tmp");
  EXPECT_EQ(root.DoModal(), IDCANCEL);
  EXPECT_EQ(root.GetFolderPath(), "");
}

TEST(FontDialogTest, GivesTheChosenFontAndItsSize) {
  DialogScript script;
  Font chosen;
  chosen.face = "Courier New";
  chosen.height = -16;
  chosen.weight = FW_BOLD;
  script.AnswerFont(chosen);
  FontDialog dialog;
  ASSERT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.GetFaceName(), "Courier New");
  EXPECT_EQ(dialog.GetSize(), 120);
  EXPECT_TRUE(dialog.IsBold());
  FontDialog cancelled;
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_EQ(script.shown().size(), 2u);
}

}  // namespace
}  // namespace plat::test
