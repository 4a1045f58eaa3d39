// The texts dialog as a person uses it: the coloured list, show, delete,
// print through ZEVRIL, print to file and copy; the coloured list box and the
// small dialogs of the texts dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/position/output_list.h"
#include "platform/clipboard/clipboard.h"
#include "platform/controls/list_box.h"
#include "platform/dc/recording_dc.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/hooks.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/process.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/messages.h"
#include "shell/dialogs/dia_formular.h"
#include "shell/paths/path_dialog.h"
#include "shell/tests/shell_test_files.h"
#include "shell/texts/dia_texte.h"
#include "shell/texts/shell_file_op.h"
#include "shell/texts/texts_dialogs.h"
#include "shell/texts/x_list_box.h"

namespace quentaris {
namespace {

using plat::testing::ItemText;
using plat::testing::Press;
using plat::testing::PumpMessages;
using plat::testing::TypeInto;
using testing::FileText;
using testing::PutFile;

using Kind = plat::hooks::ProcessCall::Kind;

class TextsDialogTest : public testing::PositionTest {
 protected:
  void SetUp() override {
    testing::PositionTest::SetUp();
    std::string files;
    for (const int n : {1, 3, 4, 5}) {
      files += common::LoadCasePageEntry("D" + std::to_string(n), n == 1 ? 0 : 1, "    Results ") + "\r\n";
      PutFile(Folder() + "D" + std::to_string(n) + ".TXT", "Listing " + std::to_string(n) + "\r\n");
    }
    PutFile(Folder() + "FILES", files);
    PutFile(Folder() + "GRAPHICFILES.TXT", std::string(14, ' ') + "G1.jpg   Frame\r\n");
    PutFile(Folder() + "G1.jpg", "jpeg");
  }
  void TearDown() override {
    if (dialog_) dialog_->DestroyWindow();
    PumpMessages();
  }
  std::string Folder() const { return state_.position_folder; }
  void Open() {
    dialog_ = std::make_unique<CDiaTexte>(state_, nullptr);
    ASSERT_TRUE(dialog_->Create(nullptr));
    PumpMessages();
  }
  CXListBox& List() { return dialog_->list(); }
  // Selects just the lines whose text begins with "  " + each name.
  void Select(const std::vector<std::string>& names) {
    List().SetSel(-1, false);
    for (const std::string& name : names) {
      for (int i = 0; i < List().GetCount(); ++i) {
        if (List().LineText(i).rfind("  " + name, 0) == 0) List().SetSel(i, true);
      }
    }
  }

  std::unique_ptr<CDiaTexte> dialog_;
  plat::testing::DialogScript script_;
  plat::testing::ProcessRecorder processes_;
};

TEST_F(TextsDialogTest, FillShowsColouredLinesAndSelectsTheLast) {
  Open();
  ASSERT_EQ(List().GetCount(), 9);
  std::vector<int> backgrounds;
  for (int i = 0; i < List().GetCount(); ++i) backgrounds.push_back(List().GetText(i)[1] - 1);
  EXPECT_EQ(backgrounds, (std::vector<int>{1, 1, 9, 1, 8, 1, 1, 1, 1}));
  EXPECT_EQ(List().GetText(0)[0], '\x01');  // black text
  EXPECT_EQ(List().LineText(6), "  Files in " + Folder().substr(0, Folder().size() - 1));
  EXPECT_EQ(List().GetSelItems(), std::vector<int>{8});
  testing::SaveSnapshot(*dialog_, "quentaris-texts.png");
}

TEST_F(TextsDialogTest, ShowOpensTheListingOrPictureAndDeselects) {
  Open();
  Select({"D3", "G1"});
  dialog_->ShowLine(2);
  dialog_->ShowLine(8);
  ASSERT_EQ(processes_.calls().size(), 2u);
  EXPECT_EQ(processes_.calls()[0].kind, Kind::kOpenDocument);
  EXPECT_EQ(processes_.calls()[0].program, Folder() + "D3.TXT");
  EXPECT_EQ(processes_.calls()[1].program, Folder() + "G1.jpg");
  EXPECT_TRUE(List().GetSelItems().empty());
}

TEST_F(TextsDialogTest, DeleteAsksAndRemovesFilesAndLines) {
  Open();
  Select({"D5", "G1"});
  script_.AnswerBox(plat::IDYES);
  dialog_->DeleteSelected();
  ASSERT_EQ(script_.shown().size(), 1u);
  EXPECT_EQ(script_.shown()[0].text, "Delete files?");
  EXPECT_EQ(script_.shown()[0].caption, " ");
  EXPECT_FALSE(plat::FileExists(Folder() + "D5.TXT"));
  EXPECT_FALSE(plat::FileExists(Folder() + "G1.jpg"));
  EXPECT_EQ(FileText(Folder() + "LASTD"), std::string("\x04\x00", 2));
  EXPECT_EQ(FileText(Folder() + "CLIP.Halle"), std::string(4, '\0'));
  EXPECT_EQ(List().GetCount(), 7);
  Select({"D4"});
  script_.AnswerBox(plat::IDNO);
  dialog_->DeleteSelected();
  EXPECT_EQ(script_.shown()[1].text, "Delete file?");
  EXPECT_TRUE(plat::FileExists(Folder() + "D4.TXT"));
}

TEST_F(TextsDialogTest, PrintThroughZevrilWaitsForEachJobInListOrder) {
  Open();
  Select({"D4", "D3", "Files in"});
  bool form_shown = false;
  script_.OnNextDialog([&](plat::Dialog& d) {
    form_shown = d.GetWindowText() == "Formular";
    Press(d, kDiaFormularOk);
  });
  dialog_->PrintThroughZevril();
  EXPECT_TRUE(form_shown);
  ASSERT_EQ(processes_.calls().size(), 2u);
  for (int k = 0; k < 2; ++k) {
    const auto& call = processes_.calls()[k];
    EXPECT_EQ(call.kind, Kind::kRunAndWait);
    EXPECT_EQ(call.program, plat::SiblingProgram("ZEVRIL"));
    EXPECT_EQ(call.args, (std::vector<std::string>{Folder() + (k == 0 ? "D3.TXT" : "D4.TXT"), "/p"}));
  }
  EXPECT_TRUE(List().GetSelItems().empty());
  Select({"D3"});
  script_.OnNextDialog([](plat::Dialog& d) { Press(d, plat::IDCANCEL); });
  dialog_->PrintThroughZevril();
  EXPECT_EQ(processes_.calls().size(), 2u);
}

TEST_F(TextsDialogTest, PrintAsksForThePageAndPrintsTheSelectedListings) {
  Open();
  Select({"D4", "D3", "G1"});
  const std::string pdf = plat::testing::TestFolder() + "texts.pdf";
  script_.OnNextDialog([](plat::Dialog& d) { Press(d, plat::IDOK); });
  {
    plat::testing::PrintToPdf print_to(pdf);
    dialog_->PrintSelected();
  }
  ASSERT_EQ(plat::testing::PdfPages(pdf).size(), 2u);
  EXPECT_NE(plat::testing::PdfPageText(pdf, 1).find("Listing 3"), std::string::npos);
  EXPECT_NE(plat::testing::PdfPageText(pdf, 2).find("Listing 4"), std::string::npos);
  EXPECT_TRUE(List().GetSelItems().empty());
}

TEST_F(TextsDialogTest, PrintToFileWritesTheSelectedListings) {
  Open();
  Select({"D3", "D4"});
  script_.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(ItemText(d, kNamePath), d.GetWindowText() == "Print to file" ? ItemText(d, kNamePath) : "");
    TypeInto(d, kNameEdit, "ALL.TXT");
    Press(d, plat::IDOK);
  });
  dialog_->PrintSelectedToFile();
  EXPECT_EQ(FileText(Folder() + "ALL.TXT"), "Listing 3\r\nListing 4\r\n");
}

TEST_F(TextsDialogTest, CopyTakesTheChosenFolderAndPreamble) {
  Open();
  const std::string target = plat::testing::TestFolder() + "T";
  ASSERT_TRUE(plat::MakeFolder(target));
  PutFile(Folder() + "D1.PDF", "pdf");
  Select({"D1"});
  script_.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::SetItemText(d, CPathDialog::kPathEdit, target);
    Press(d, plat::IDOK);
  });
  script_.OnNextDialog([](plat::Dialog& d) {
    TypeInto(d, kPreambleEdit, "DG-");
    Press(d, plat::IDOK);
  });
  dialog_->CopySelected();
  EXPECT_EQ(FileText(target + "/DG-D1.txt"), "Listing 1\r\n");
  EXPECT_EQ(FileText(Folder() + "DPFADF").substr(0, target.size() + 1), target + std::string(1, '\0'));
  ASSERT_TRUE(WritePdfCopy(state_.settings, 1));
  Select({"D1"});
  script_.OnNextDialog([&](plat::Dialog& d) {
    EXPECT_EQ(ItemText(d, CPathDialog::kPathEdit), target);
    Press(d, plat::IDOK);
  });
  script_.OnNextDialog([](plat::Dialog& d) { Press(d, plat::IDOK); });
  dialog_->CopySelected();
  EXPECT_EQ(FileText(target + "/D1.pdf"), "pdf");
}

TEST_F(TextsDialogTest, PreambleTakesOnlyPlainCharacters) {
  for (const char* text : {"DG 1", "DG-", ""}) {
    script_.OnNextDialog([&](plat::Dialog& d) {
      TypeInto(d, kPreambleEdit, text);
      Press(d, plat::IDOK);
      if (!d.Ended()) Press(d, plat::IDCANCEL);
    });
    CDiaVorspann dialog;
    EXPECT_EQ(dialog.DoModal(), std::string(text) == "DG 1" ? plat::IDCANCEL : plat::IDOK) << text;
  }
  // The three dialogs and the one box.
  ASSERT_EQ(script_.shown().size(), 4u);
  EXPECT_EQ(script_.shown()[1].text, "Nicht zul\xE4ssige Zeichen im Text");
  EXPECT_EQ(script_.shown()[1].caption, " ");
}

TEST_F(TextsDialogTest, CopyOptionsKeepTheChoiceInTheSettingsFolder) {
  EXPECT_EQ(ReadPdfCopy(state_.settings), 0);
  script_.OnNextDialog([](plat::Dialog& d) {
    EXPECT_TRUE(plat::testing::IsChecked(d, kCopyText));
    plat::testing::SetChecked(d, kCopyText, false);
    plat::testing::SetChecked(d, kCopyPdf, true);
    Press(d, plat::IDOK);
  });
  CDiaCopyOpt dialog(state_.settings);
  dialog.DoModal();
  EXPECT_EQ(Setting("PDFCOPY"), std::string("\x01\x00\x00\x00", 4));
}

// With a settings folder that cannot be used (a file in its place) the
// choice is not written anywhere else: OK names the file it could not write,
// and the current folder stays empty.
TEST_F(TextsDialogTest, CopyOptionsAreNeverWrittenBesideTheProgram) {
  const std::string blocked = plat::testing::TestFolder() + "blocked";
  PutFile(blocked, "a file where the settings folder belongs");
  const common::SettingsContext unusable{blocked, false};
  const std::string here = plat::testing::TestFolder() + "here/";
  ASSERT_TRUE(plat::MakeFolder(here));
  testing::InTestFolder in_test_folder;
  std::filesystem::current_path(here);
  EXPECT_FALSE(WritePdfCopy(unusable, 1));
  script_.OnNextDialog([](plat::Dialog& d) {
    plat::testing::SetChecked(d, kCopyText, false);
    plat::testing::SetChecked(d, kCopyPdf, true);
    Press(d, plat::IDOK);
  });
  CDiaCopyOpt dialog(unusable);
  dialog.DoModal();
  ASSERT_EQ(script_.shown().size(), 2u);
  EXPECT_EQ(script_.shown()[1].text, "File " + blocked + "/PDFCOPY cannot be generated.");
  EXPECT_TRUE(std::filesystem::is_empty(here));
  EXPECT_EQ(FileText(blocked), "a file where the settings folder belongs");
}

TEST_F(TextsDialogTest, NameRefusesFoldersAndAsksBeforeReplacing) {
  PutFile(Folder() + "OLD.TXT", "x");
  script_.OnNextDialog([](plat::Dialog& d) {
    TypeInto(d, kNameEdit, "a/b");
    Press(d, plat::IDOK);
    EXPECT_FALSE(d.Ended());
    TypeInto(d, kNameEdit, "OLD.TXT");
    Press(d, plat::IDOK);  // answered No
    EXPECT_FALSE(d.Ended());
    Press(d, plat::IDOK);  // answered Yes
  });
  script_.AnswerBox(plat::IDOK);
  script_.AnswerBox(plat::IDNO);
  script_.AnswerBox(plat::IDYES);
  CDiaName dialog(Folder());
  EXPECT_EQ(dialog.DoModal(), plat::IDOK);
  EXPECT_EQ(dialog.name, "OLD.TXT");
  ASSERT_EQ(script_.shown().size(), 4u);  // the dialog and three boxes
  EXPECT_EQ(script_.shown()[1].text, "Please type the name of a file, without a folder.");
}

TEST(XListBox, LinesCarryTheirColoursAndCopyTheirTexts) {
  EXPECT_EQ(EncodeXListLine(0, 9, "a\r\nb"), std::string("\x01\x0A") + "a  b");
  EXPECT_EQ(XListCopyText({"x", "", "y"}), "x\ny\n");
  EXPECT_EQ(XListCopyText({"\r\na\tb\r\n"}), "a b\n");
  EXPECT_EQ(XListColour('\x0A'), 0xC6C6C6u);
  EXPECT_EQ(XListColour('\x00'), 0u);
}

TEST_F(TextsDialogTest, ListCommandsCopyClearAndSelect) {
  Open();
  plat::testing::WindowPixels(List());  // drawing measures the widest line
  EXPECT_GT(List().widest_line(), 0);
  EXPECT_EQ(List().GetHorizontalExtent(), List().widest_line() + List().widest_line() / 32);
  List().SendMessage(plat::WM_COMMAND, kListSelectAll, 0);
  EXPECT_EQ(List().GetSelCount(), List().GetCount());
  List().SetSel(-1, false);
  List().SetSel(2, true);
  List().SendMessage(plat::WM_COMMAND, kListCopy, 0);
  EXPECT_EQ(plat::GetClipboardText().value_or(""), List().LineText(2) + "\n");
  List().SendMessage(plat::WM_COMMAND, kListClear, 0);
  EXPECT_EQ(List().GetCount(), 0);
  EXPECT_EQ(List().GetHorizontalExtent(), 0);
}

TEST_F(TextsDialogTest, GutterNumbersTheLinesRightAligned) {
  Open();
  List().EnableLineNumbers(true);
  plat::RecordingDc dc;
  plat::DRAWITEMSTRUCT item;
  item.itemID = 11;
  item.hDC = &dc;
  item.rcItem = plat::Rect{0, 30, 400, 45};
  List().AddLine(9, "x");
  List().AddLine(9, "y");
  List().AddLine(9, "z");
  List().DrawItem(item);
  plat::testing::WindowPixels(*dialog_);  // the gutter below the lines is painted too
  testing::SaveSnapshot(*dialog_, "quentaris-texts-numbered.png");
  // Five "9" of 6 pixels and 6 more; "12" (12 pixels) ends 2 pixels inside.
  const std::string text = dc.Text();
  EXPECT_NE(text.find("FillRect brush(solid,#F5F5F5) rect(0,30,36,45)"), std::string::npos) << text;
  EXPECT_NE(text.find("color #505050 transparent at 22,40 \"12\""), std::string::npos) << text;
  EXPECT_NE(text.find("FillRect brush(solid,#C6C6C6) rect(36,30,400,45)"), std::string::npos) << text;
  EXPECT_NE(text.find("color #000000 transparent at 38,40 \"z\""), std::string::npos) << text;
}

TEST_F(TextsDialogTest, AddedLinesGoToTheLogFile) {
  Open();
  const std::string log = plat::testing::TestFolder() + "texts.log";
  List().SetLogFile(log);
  List().AddLine(1, "first\nline");
  List().AddLine(1, "");
  const std::string text = FileText(log);
  EXPECT_EQ(text.substr(20, 1), "[");
  EXPECT_EQ(text.substr(text.size() - 14), "] first line\r\n");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
}

TEST_F(TextsDialogTest, FailedShowKeepsTheViewersCaption) {
  Open();
  processes_.FailNext("No application opens it.");
  processes_.FailNext("No application opens it.");
  dialog_->ShowLine(2);
  dialog_->ShowLine(8);
  ASSERT_EQ(script_.shown().size(), 2u);
  EXPECT_EQ(script_.shown()[0].caption, "TEXTS.EXE");
  EXPECT_EQ(script_.shown()[1].caption, "EXPLORER.EXE");
  EXPECT_EQ(script_.shown()[0].text, "No application opens it.");
}

TEST_F(TextsDialogTest, SdirOpensTheFolderAndHelpTheTextsPage) {
  Open();
  Press(*dialog_, kTextsSdir);
  Press(*dialog_, kTextsHelp);
  ASSERT_EQ(processes_.calls().size(), 2u);
  EXPECT_EQ(processes_.calls()[0].kind, Kind::kOpenDocument);
  EXPECT_EQ(processes_.calls()[0].program, Folder());
  EXPECT_EQ(processes_.calls()[1].kind, Kind::kStartDetached);
  EXPECT_EQ(processes_.calls()[1].program, plat::SiblingProgram("LERVENTA"));
  EXPECT_EQ(processes_.calls()[1].args, std::vector<std::string>{"TEXTE.HTM"});
}

TEST(ShellFileOp, CopiesIntoOneFolderOrPairwise) {
  const std::string folder = plat::testing::TestFolder();
  PutFile(folder + "a.txt", "A");
  PutFile(folder + "b.txt", "B");
  CShellFileOp none(CShellFileOp::kCopy);
  bool started = true;
  EXPECT_FALSE(none.Go(&started));
  EXPECT_FALSE(started);
  CShellFileOp into(CShellFileOp::kCopy);
  into.AddSourceFile(folder + "a.txt");
  into.AddSourceFile(folder + "b.txt");
  into.AddDestFile(folder + "new/sub");
  int result = -1;
  EXPECT_TRUE(into.Go(&started, &result));
  EXPECT_TRUE(started);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(FileText(folder + "new/sub/b.txt"), "B");
  CShellFileOp uneven(CShellFileOp::kMove);
  uneven.AddSourceFile(folder + "a.txt");
  uneven.AddSourceFile(folder + "b.txt");
  uneven.AddDestFile(folder + "x");
  uneven.AddDestFile(folder + "y");
  uneven.AddDestFile(folder + "z");
  EXPECT_FALSE(uneven.Go(&started));
  EXPECT_FALSE(started);
  CShellFileOp missing(CShellFileOp::kCopy);
  missing.AddSourceFile(folder + "gone.txt");
  missing.AddDestFile(folder + "c.txt");
  EXPECT_FALSE(missing.Go(&started, &result));
  EXPECT_EQ(result, 1);
}

}  // namespace
}  // namespace quentaris
