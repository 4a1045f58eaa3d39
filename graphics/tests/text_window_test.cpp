// REVUZAVI's text window opened in process on BEAM2: the listing the main
// frame's commands choose, the output list dialog, Esc and the side button,
// Ctrl+C and printing.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/position/output_list.h"
#include "graphics/app/files_dialog.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/text_results_view.h"
#include "graphics/tests/computed_example.h"
#include "graphics/tests/viewer_in_process.h"
#include "platform/binary_io.h"
#include "platform/clipboard/clipboard.h"
#include "platform/files.h"
#include "platform/frames/command_ids.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/text_file.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2Text = testing::ComputedExampleTest<kBeam2>;

using plat::testing::ShownDialog;

// A file of the shared example replaced for one test and given back after it.
class ReplacedFile {
 public:
  ReplacedFile(std::string path, std::optional<std::string> text) : path_(std::move(path)) {
    kept_ = plat::ReadWholeFile(path_);
    plat::RemoveFile(path_);
    if (text) {
      EXPECT_TRUE(plat::WriteBlock(path_, text->data(), text->size()));
    }
  }
  ~ReplacedFile() {
    plat::RemoveFile(path_);
    if (kept_) {
      EXPECT_TRUE(plat::WriteBlock(path_, kept_->data(), kept_->size()));
    }
  }

 private:
  std::string path_;
  std::optional<std::vector<std::byte>> kept_;
};

struct TextViewer : testing::ViewerInProcess {
  ~TextViewer() { app.ExitInstance(); }
  plat::MDIChildWnd* text_frame() { return frame().TextFrame(); }
  CD1View* text() {
    plat::MDIChildWnd* f = text_frame();
    return f ? dynamic_cast<CD1View*>(f->GetActiveView()) : nullptr;
  }
  std::string Caption(plat::Window* w) { return w ? w->GetWindowText() : std::string("(none)"); }
  void Key(plat::Window& w, int vk, unsigned mods = 0) {
    plat::testing::PressKey(w, vk, mods);
    plat::testing::PumpMessages();
  }
  plat::Rect Rect(plat::Window* w) {
    plat::Rect r;
    w->GetWindowRect(&r);
    return r;
  }
  int ShownCount(ShownDialog::Kind kind) {
    int n = 0;
    for (const ShownDialog& d : dialogs.shown()) n += d.kind == kind;
    return n;
  }
};

TEST_F(Beam2Text, ResultsShowTheListingOfTheLoadCaseAndOpenOnlyOneWindow) {
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 2));
  ASSERT_TRUE(plat::testing::ClickToolButton(v.frame().tool_bar(), ids::kTextResults));
  plat::testing::PumpMessages();
  ASSERT_NE(v.text(), nullptr);
  EXPECT_EQ(v.Caption(v.text_frame()), "D5");
  EXPECT_EQ(v.text()->GetText().substr(0, 4), "LC 2");
  EXPECT_TRUE(v.app.session().text_marks.open);
  // The top left of the main frame's client area, 0.9333 of its size.
  plat::Rect client;
  v.frame().GetClient()->GetClientRect(&client);
  plat::Rect placed;
  v.text_frame()->GetWindowRect(&placed);
  v.frame().GetClient()->ScreenToClient(&placed);
  EXPECT_EQ(placed.left, 0);
  EXPECT_EQ(placed.top, 0);
  EXPECT_EQ(placed.Width(), static_cast<int>(client.Width() * 0.9333));
  EXPECT_EQ(placed.Height(), static_cast<int>(client.Height() * 0.9333));

  // Open: the commands activate it, whichever listing they ask for.
  v.frame().MDIActivate(v.frame().PictureFrame());
  v.Command(ids::kTextDimensions);
  EXPECT_EQ(v.frame().GetMDIChildren().size(), 2u);
  EXPECT_EQ(v.frame().MDIGetActive(), v.text_frame());
  EXPECT_EQ(v.text()->listing(), "D5");
  EXPECT_TRUE(v.dialogs.shown().empty());
}

TEST_F(Beam2Text, DimensionsAndLoadCasesShowD1AndD2AndEscClosesThem) {
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::QuitCatcher quit;
  v.Command(ids::kTextDimensions);
  ASSERT_NE(v.text(), nullptr);
  EXPECT_EQ(v.Caption(v.text_frame()), "D1");
  EXPECT_EQ(v.text()->GetCharFormat().face, "Courier New");
  EXPECT_EQ(v.text()->GetCharFormat().height_twips, 200);
  v.Key(v.text()->GetRichEditCtrl(), plat::VK_ESCAPE);
  EXPECT_EQ(v.text_frame(), nullptr);
  EXPECT_FALSE(v.app.session().text_marks.open);
  EXPECT_EQ(v.frame().GetMDIChildren().size(), 1u);
  EXPECT_FALSE(quit.code().has_value());

  // A later command shows what it asks for, not what the window showed before.
  v.Command(ids::kTextLoadCases);
  ASSERT_NE(v.text(), nullptr);
  EXPECT_EQ(v.Caption(v.text_frame()), "D2");
  v.Command(ids::kTextResults);  // in the text window: nothing but activation
  EXPECT_EQ(v.text()->listing(), "D2");
  plat::testing::Click(v.text()->GetRichEditCtrl(), plat::Point{10, 10}, plat::testing::MouseButton::kX1);
  plat::testing::PumpMessages();
  EXPECT_EQ(v.text_frame(), nullptr);
  EXPECT_FALSE(quit.code().has_value());
}

TEST_F(Beam2Text, TheLoadCaseFindsItsOwnListingNotOneThatContainsItsDigits) {
  std::string files = common::OutputListEntry("D1", std::string(32, ' ') + "Dimensions") + "\r\n";
  files += common::LoadCasePageEntry("D3", 12, "    Results ") + "\r\n";
  files += common::LoadCasePageEntry("D5", 1, "    Results ") + "\r\n";
  files += common::LoadCasePageEntry("D100", 7, "    Results ") + "\r\n";
  ReplacedFile list(position_->FolderFile("FILES"), files);
  ReplacedFile listing(position_->FolderFile("D100.TXT"), std::string("LC 7\r\n"));
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Command(ids::kTextResults);
  ASSERT_NE(v.text(), nullptr);
  EXPECT_EQ(v.Caption(v.text_frame()), "D5");
  v.Key(v.text()->GetRichEditCtrl(), plat::VK_ESCAPE);

  v.app.session().state.current_load_case = 7;
  v.Command(ids::kTextResults);
  ASSERT_NE(v.text(), nullptr);
  EXPECT_EQ(v.Caption(v.text_frame()), "D100");
  v.Key(v.text()->GetRichEditCtrl(), plat::VK_ESCAPE);

  v.app.session().state.current_load_case = 1;
  v.Command(ids::kNextLoadCase);  // load case 2: no line of its own
  v.Command(ids::kTextResults);
  ASSERT_NE(v.text(), nullptr);
  EXPECT_EQ(v.text()->GetText(), "");
  EXPECT_EQ(v.text()->listing(), "");
  EXPECT_TRUE(v.dialogs.shown().empty());
}

TEST_F(Beam2Text, AMissingListingIsReportedAndOnlyTheWindowCloses) {
  ReplacedFile d2(position_->FolderFile("D2.TXT"), std::nullopt);
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::testing::QuitCatcher quit;
  v.Command(ids::kTextLoadCases);
  ASSERT_EQ(v.ShownCount(ShownDialog::Kind::kMessageBox), 1);
  EXPECT_EQ(v.dialogs.shown()[0].caption, "Error");
  EXPECT_EQ(v.dialogs.shown()[0].text, "The file " + position_->FolderFile("D2.TXT") + " is missing.");
  EXPECT_EQ(v.text_frame(), nullptr);
  EXPECT_FALSE(v.app.session().text_marks.open);
  EXPECT_FALSE(quit.code().has_value());
  ASSERT_NE(v.frame().PictureFrame(), nullptr);
}

TEST_F(Beam2Text, CtrlCCopiesInTheTextWindowAndTilesElsewhere) {
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Command(ids::kTextResults);
  ASSERT_NE(v.text(), nullptr);
  const plat::Rect picture = v.Rect(v.frame().PictureFrame());
  const plat::Rect text = v.Rect(v.text_frame());
  plat::RichEdit& edit = v.text()->GetRichEditCtrl();
  edit.SetFocus();
  v.Key(edit, 'A', plat::testing::kCtrl);
  EXPECT_EQ(v.text()->GetSelText(), v.text()->GetText());
  v.Key(edit, 'C', plat::testing::kCtrl);
  const auto copied = plat::GetClipboardText();
  ASSERT_TRUE(copied.has_value());
  EXPECT_EQ(copied->substr(0, 4), "LC 1");
  EXPECT_EQ(v.Rect(v.frame().PictureFrame()), picture);
  EXPECT_EQ(v.Rect(v.text_frame()), text);
  // The text window's Window menu still tiles.
  ASSERT_TRUE(plat::testing::ChooseMenuItem(v.frame(), {"&Window", "&Tile"}));
  plat::testing::PumpMessages();
  EXPECT_NE(v.Rect(v.text_frame()), text);
  EXPECT_EQ(plat::GetClipboardText(), copied);

  // In the picture window Ctrl+C arranges the windows.
  v.frame().MDICascade();
  const plat::Rect cascaded = v.Rect(v.frame().PictureFrame());
  v.frame().MDIActivate(v.frame().PictureFrame());
  v.Key(*v.frame().PictureFrame()->GetActiveView(), 'C', plat::testing::kCtrl);
  EXPECT_NE(v.Rect(v.frame().PictureFrame()), cascaded);
}

TEST_F(Beam2Text, TheListingIsPrintedThroughTheTextView) {
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Command(ids::kTextResults);
  ASSERT_NE(v.text(), nullptr);
  ASSERT_EQ(v.text()->listing(), "D3");
  const std::string pdf = plat::testing::TestFolder() + "D3.pdf";
  {
    plat::testing::PrintToPdf to_pdf(pdf);
    v.Command(plat::ID_FILE_PRINT_DIRECT);
  }
  ASSERT_FALSE(plat::testing::PdfPages(pdf).empty());
  EXPECT_NE(plat::testing::PdfPageText(pdf, 1).find("Nodal forces and support reaction in load case 1"),
            std::string::npos);
}

TEST_F(Beam2Text, OutputListEntriesAreTheLinesOfFilesWithoutTheirEnds) {
  const std::vector<std::string> entries = OutputListEntries(*position_);
  ASSERT_EQ(entries.size(), 14u);
  EXPECT_EQ(entries[0], "File   LC                 Set                 Contents");
  EXPECT_EQ(entries[1], " ");
  EXPECT_EQ(entries[2].substr(0, 3), "D1 ");
  EXPECT_EQ(entries[6].substr(0, 3), "D5 ");
  for (const std::string& entry : entries) {
    EXPECT_EQ(entry.find('\r'), std::string::npos) << entry;
    EXPECT_EQ(entry.find('\n'), std::string::npos) << entry;
  }
  ReplacedFile empty(position_->FolderFile("FILES"), std::string());
  EXPECT_EQ(OutputListEntries(*position_), (std::vector<std::string>{entries[0], " "}));
}

TEST_F(Beam2Text, TheOutputListGivesTheChosenListingAndEscGoesBackToIt) {
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Command(ids::kTextDimensions);
  ASSERT_NE(v.text(), nullptr);
  // The header names no listing: Cancel, the listing stays.
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(d.SendDlgItemMessage(kFilesList, plat::LB_GETCOUNT), 14);
    plat::testing::Choose(d, kFilesList, 0);
    plat::testing::Press(d, plat::IDOK);
  });
  v.Command(ids::kTextViewResults);
  ASSERT_EQ(v.dialogs.shown().size(), 1u);
  EXPECT_EQ(v.dialogs.shown()[0].template_id, 161u);
  EXPECT_EQ(v.dialogs.shown()[0].caption, "FILES");
  EXPECT_EQ(v.dialogs.shown()[0].result, plat::IDCANCEL);
  EXPECT_EQ(v.text()->listing(), "D1");
  EXPECT_FALSE(v.text()->chosen_from_list());

  // The 7th entry, double-clicked: D5.
  v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::DoubleClickItem(d, kFilesList, 6); });
  v.Command(ids::kTextViewResults);
  EXPECT_EQ(v.Caption(v.text_frame()), "D5");
  EXPECT_TRUE(v.text()->chosen_from_list());
  EXPECT_EQ(v.text()->GetText().substr(0, 4), "LC 2");

  // Esc goes back to the list; Cancel there keeps the listing, and the next Esc closes it.
  v.dialogs.OnNextDialog([](plat::Dialog& d) { plat::testing::Press(d, plat::IDCANCEL); });
  v.Key(v.text()->GetRichEditCtrl(), plat::VK_ESCAPE);
  ASSERT_EQ(v.dialogs.shown().size(), 3u);
  EXPECT_EQ(v.dialogs.shown()[2].template_id, 161u);
  ASSERT_NE(v.text(), nullptr);
  EXPECT_EQ(v.text()->listing(), "D5");
  EXPECT_FALSE(v.text()->chosen_from_list());
  v.Command(ids::kTextLoadCases);
  EXPECT_EQ(v.Caption(v.text_frame()), "D2");
  v.Key(v.text()->GetRichEditCtrl(), plat::VK_ESCAPE);
  EXPECT_EQ(v.text_frame(), nullptr);
  EXPECT_EQ(v.dialogs.shown().size(), 3u);
}

TEST_F(Beam2Text, ALineWiderThanTheOutputListScrollsSidewaysToItsEnd) {
  TextViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.Command(ids::kTextDimensions);
  ASSERT_NE(v.text(), nullptr);
  // The lines of BEAM2 fit: no sideways scrolling beyond the list.
  int fitting_extent = -1, wide_extent = -1, list_width = 0;
  const auto measure = [&list_width](int& extent) {
    return [&extent, &list_width](plat::Dialog& d) {
      plat::Rect client;
      d.GetDlgItem(kFilesList)->GetClientRect(&client);
      list_width = client.Width();
      extent = static_cast<int>(d.SendDlgItemMessage(kFilesList, plat::LB_GETHORIZONTALEXTENT));
      plat::testing::Press(d, plat::IDCANCEL);
    };
  };
  v.dialogs.OnNextDialog(measure(fitting_extent));
  v.Command(ids::kTextViewResults);
  EXPECT_LE(fitting_extent, list_width);
  // A line of 126 characters, as long as FILES lines get, reaches beyond: the list scrolls over it whole.
  std::string files = common::LoadCasePageEntry("D3", 1, "Results") + "\r\n";
  files += common::LoadCasePageEntry("D4", 1, std::string(126 - 14 - 10 - 18 - 2, 'x')) + "\r\n";
  ReplacedFile wide(position_->FolderFile("FILES"), files);
  v.dialogs.OnNextDialog(measure(wide_extent));
  v.Command(ids::kTextViewResults);
  EXPECT_GT(wide_extent, list_width);
}

}  // namespace
}  // namespace revuzavi
