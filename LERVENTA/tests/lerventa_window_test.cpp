// LERVENTA opened in process: the page of its command line, a PDF handed on,
// a missing page, the built-in page, the menu, printing and the side button.
#include <gtest/gtest.h>

#include "LERVENTA/tests/viewer_fixture.h"
#include "platform/frames/command_ids.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"

namespace lerventa {
namespace {

using testing::OpenedViewer;
using testing::PageFolder;
using testing::WritePage;

constexpr std::string_view kTexte =
    "<html><head><title>QUENTARIS: Texts</title></head><body><h2>Texts of a position</h2>"
    "<p>Double click shows a listing.</p></body></html>";

TEST(LerventaWindow, ShowsThePageOfItsFolderFoundWhateverTheCase) {
  const std::string page = WritePage(PageFolder(), "TEXTE.HTM", kTexte);
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open("texte.htm")) << viewer.Boxes();
  EXPECT_EQ(viewer.view().GetLocationURL(), page);
  EXPECT_EQ(viewer.view().GetLocationName(), "QUENTARIS: Texts");
  EXPECT_NE(viewer.view().GetPageText().find("Texts of a position"), std::string::npos);
  EXPECT_EQ(viewer.frame().GetWindowText(), "TEXTE.HTM - LERVENTA");
  EXPECT_EQ(viewer.Boxes(), "");
  EXPECT_TRUE(viewer.processes.calls().empty());
  EXPECT_FALSE(viewer.quit.code());
}

TEST(LerventaWindow, AVeryLongWordIsShownWholeAndCopiedAsItStands) {
  std::string word;
  for (int i = 0; i < 100000; ++i) word += static_cast<char>('a' + i % 26);
  const std::string entity_word = std::string(100, 'x') + "&amp;" + std::string(100, 'y');
  WritePage(PageFolder(), "LONG.HTM", "<html><body><p>" + word + "</p><p>" + entity_word + "</p></body></html>");
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open("LONG.HTM")) << viewer.Boxes();
  const std::string text = viewer.view().GetPageText();
  EXPECT_NE(text.find(word), std::string::npos);
  EXPECT_NE(text.find(std::string(100, 'x') + "&" + std::string(100, 'y')), std::string::npos);
  EXPECT_EQ(text.find('?'), std::string::npos);  // no mark of the layout's own in the text
  EXPECT_FALSE(plat::testing::WindowPixels(viewer.view()).IsEmpty());
}

TEST(LerventaWindow, ShowsAnAbsolutePathAsItIs) {
  const std::string page = WritePage(plat::testing::TestFolder() + "elsewhere/", "Keys.htm",
                                     "<html><body><h2>Keys elsewhere</h2></body></html>");
  WritePage(PageFolder(), "KEYS.HTM", "<html><body><h2>Keys of the program folder</h2></body></html>");
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open(page)) << viewer.Boxes();
  EXPECT_EQ(viewer.view().GetLocationURL(), page);
  EXPECT_NE(viewer.view().GetPageText().find("Keys elsewhere"), std::string::npos);
}

TEST(LerventaWindow, WithoutACommandLineShowsItsOwnPage) {
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open("")) << viewer.Boxes();
  EXPECT_EQ(viewer.view().GetLocationURL(), "");
  EXPECT_EQ(viewer.view().GetLocationName(), "LERVENTA");
  EXPECT_NE(viewer.view().GetPageText().find("LERVENTA TEXTE.HTM"), std::string::npos) << viewer.view().GetPageText();
  EXPECT_EQ(viewer.frame().GetWindowText(), "LERVENTA");
  EXPECT_TRUE(viewer.processes.calls().empty());  // nothing of the web is asked for
}

TEST(LerventaWindow, AMissingPageIsNamedAndEndsWithOne) {
  OpenedViewer viewer;
  EXPECT_FALSE(viewer.Open("NOPE.HTM"));
  EXPECT_EQ(viewer.app.StartExitCode(), 1);
  EXPECT_EQ(viewer.Boxes(), "LERVENTA\tThe page " + PageFolder() + "NOPE.HTM cannot be found.\n");
  EXPECT_EQ(viewer.app.GetMainWnd(), nullptr);
}

TEST(LerventaWindow, APdfDocumentGoesToTheDesktopViewerAndTheProgramEnds) {
  const std::string pdf = WritePage(PageFolder(), "MANUAL.PDF", "%PDF-1.4\n");
  OpenedViewer viewer;
  EXPECT_FALSE(viewer.Open("MANUAL.PDF"));
  EXPECT_EQ(viewer.app.StartExitCode(), 0);
  ASSERT_EQ(viewer.processes.calls().size(), 1u);
  EXPECT_EQ(viewer.processes.calls()[0].kind, plat::hooks::ProcessCall::Kind::kOpenDocument);
  EXPECT_EQ(viewer.processes.calls()[0].program, pdf);
  EXPECT_EQ(viewer.Boxes(), "");
  EXPECT_EQ(viewer.app.GetMainWnd(), nullptr);
}

TEST(LerventaWindow, APdfTheDesktopCannotOpenIsNamedAndEndsWithOne) {
  const std::string pdf = WritePage(PageFolder(), "REVUZAVI.pdf", "%PDF-1.4\n");
  OpenedViewer viewer;
  viewer.processes.FailNext("No application knows this file.");
  EXPECT_FALSE(viewer.Open("REVUZAVI.pdf"));
  EXPECT_EQ(viewer.app.StartExitCode(), 1);
  EXPECT_EQ(viewer.Boxes(), "LERVENTA\tThe document " + pdf + " cannot be opened:\nNo application knows this file.\n");
}

TEST(LerventaWindow, TheSideButtonEndsWithZeroOnTheViewAndOnTheFrame) {
  WritePage(PageFolder(), "TEXTE.HTM", kTexte);
  for (const bool on_view : {true, false}) {
    SCOPED_TRACE(on_view ? "view" : "frame");
    OpenedViewer viewer;
    ASSERT_TRUE(viewer.Open("TEXTE.HTM"));
    plat::Window& target = on_view ? static_cast<plat::Window&>(viewer.view()) : viewer.frame();
    plat::testing::MouseDown(target, {5, 5}, plat::testing::MouseButton::kX1);
    plat::testing::PumpMessages();
    EXPECT_EQ(viewer.quit.code(), 0);
  }
}

TEST(LerventaWindow, MenuAndStatusBar) {
  WritePage(PageFolder(), "TEXTE.HTM", kTexte);
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open("TEXTE.HTM"));
  CMainFrame& frame = viewer.frame();
  EXPECT_EQ(plat::testing::MenuBarTexts(frame), (std::vector<std::string>{"&File", "&View", "&?"}));
  struct Item {
    std::string text;
    bool enabled;
  };
  const std::vector<Item> file = {
      {"&Neu\tCtrl+N", true},      {"\xD6&ffnen...\tCtrl+O", true}, {"S&peichern\tCtrl+S", false},
      {"Speichern &unter...", false}, {"", false},                      {"&Drucken...\tCtrl+P", true},
      {"Drucker&einrichtung...", true}, {"", false},                    {"Letzte Datei", false},
      {"", false},                    {"&Beenden", true}};
  const auto shown = plat::testing::OpenMenuBarPopup(frame, 0);
  ASSERT_EQ(shown.size(), file.size());
  for (std::size_t i = 0; i < file.size(); ++i) {
    SCOPED_TRACE(file[i].text);
    EXPECT_EQ(shown[i].text, file[i].text);
    if (!shown[i].separator) {
      EXPECT_EQ(shown[i].enabled, file[i].enabled);
    }
  }
  const auto view = plat::testing::OpenMenuBarPopup(frame, 1);
  ASSERT_EQ(view.size(), 2u);
  EXPECT_FALSE(view[0].enabled);  // no tool bar
  EXPECT_TRUE(view[1].enabled);
  EXPECT_TRUE(view[1].checked);
  const auto help = plat::testing::OpenMenuBarPopup(frame, 2);
  ASSERT_EQ(help.size(), 1u);
  EXPECT_EQ(help[0].id, plat::ID_APP_ABOUT);
  EXPECT_EQ(frame.status_bar().GetCount(), 4);
  EXPECT_EQ(frame.GetControlBar(plat::AFX_IDW_TOOLBAR), nullptr);
}

TEST(LerventaWindow, AboutBoxAndExit) {
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open(""));
  plat::testing::DialogScript dialogs;
  dialogs.PressNext(plat::IDOK);
  ASSERT_TRUE(plat::testing::ChooseMenuItem(viewer.frame(), {"&?", "&Info \xFC" "ber LERVENTA..."}));
  plat::testing::PumpMessages();
  EXPECT_EQ(dialogs.Captions(), std::vector<std::string>{"About LERVENTA"});
  ASSERT_TRUE(plat::testing::ChooseMenuItem(viewer.frame(), {"&File", "&Beenden"}));
  plat::testing::PumpMessages();
  EXPECT_EQ(viewer.quit.code(), 0);
}

TEST(LerventaWindow, OpenShowsTheChosenPageAndNewTheProgramsOwn) {
  WritePage(PageFolder(), "TEXTE.HTM", kTexte);
  const std::string keys = WritePage(PageFolder(), "TASTATUR.HTM", "<html><body><h2>Keys</h2></body></html>");
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open("TEXTE.HTM"));
  plat::testing::DialogScript dialogs;
  dialogs.AnswerFile("TASTATUR.HTM");
  ASSERT_TRUE(plat::testing::ChooseMenuItem(viewer.frame(), {"&File", "\xD6&ffnen...\tCtrl+O"}));
  plat::testing::PumpMessages();
  EXPECT_EQ(viewer.view().GetLocationURL(), keys);
  EXPECT_EQ(viewer.frame().GetWindowText(), "TASTATUR.HTM - LERVENTA");
  ASSERT_TRUE(plat::testing::ChooseMenuItem(viewer.frame(), {"&File", "&Neu\tCtrl+N"}));
  plat::testing::PumpMessages();
  EXPECT_EQ(viewer.view().GetLocationURL(), "");
  EXPECT_NE(viewer.view().GetPageText().find("LERVENTA TEXTE.HTM"), std::string::npos);
  EXPECT_FALSE(viewer.quit.code());
}

TEST(LerventaWindow, PrintPrintsThePage) {
  WritePage(PageFolder(), "TEXTE.HTM", kTexte);
  OpenedViewer viewer;
  ASSERT_TRUE(viewer.Open("TEXTE.HTM"));
  const std::string pdf = plat::testing::TestFolder() + "page.pdf";
  {
    plat::testing::PrintToPdf to_pdf(pdf);
    ASSERT_TRUE(plat::testing::ChooseMenuItem(viewer.frame(), {"&File", "&Drucken...\tCtrl+P"}));
    plat::testing::PumpMessages();
  }
  ASSERT_EQ(plat::testing::PdfPages(pdf).size(), 1u);
  EXPECT_NE(plat::testing::PdfPageText(pdf, 1).find("Texts of a position"), std::string::npos);
}

}  // namespace
}  // namespace lerventa
