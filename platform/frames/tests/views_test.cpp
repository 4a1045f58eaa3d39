// The read-only text view (fixed-pitch font, selection to the clipboard,
// printing page by page, keys for the program) and the view of local HTML
// pages (pictures by relative address, Windows-1252 pages, links, the side
// mouse button).
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTextBrowser>

#include <filesystem>
#include <memory>

#include "platform/clipboard/clipboard.h"
#include "platform/dc/bitmap.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/tests/test_frames.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/text_file.h"
#include "platform/views/html_view.h"
#include "platform/views/text_view.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

using namespace plat::testing;

// A text listing view that notes the keys and buttons the program acts on.
class ListingView : public TextView {
 public:
  std::vector<UINT> keys;
  int side_buttons = 0;

 protected:
  void OnKeyDown(UINT vk, UINT, UINT) override { keys.push_back(vk); }
  void OnXButtonDown(UINT, UINT, Point) override { ++side_buttons; }
};

// A frame that notes the side button before anything else sees it.
class ViewerFrame : public FrameWnd {
 public:
  int side_buttons = 0;
  bool PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_XBUTTONDOWN) ++side_buttons;
    return FrameWnd::PreTranslateMessage(msg);
  }
};

// The numbered lines 1..count (a printf format of the number) are printed
// each once, in order, over the pages of the PDF.
void ExpectEachOnceInOrder(const std::string& pdf, const char* format, int count) {
  std::string printed;
  for (int p = 1; p <= static_cast<int>(PdfPages(pdf).size()); ++p) printed += PdfPageText(pdf, p);
  std::size_t at = 0;
  for (int i = 1; i <= count; ++i) {
    char number[64];
    std::snprintf(number, sizeof number, format, i);
    const std::size_t found = printed.find(number, at);
    ASSERT_NE(found, std::string::npos) << number;
    EXPECT_EQ(printed.find(number, found + 1), std::string::npos) << number << " twice";
    at = found;
  }
}

template <typename V>
class ViewFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = std::make_unique<ViewerFrame>();
    CreateContext context;
    context.new_view = [] { return new V; };
    ASSERT_TRUE(frame->Create("Viewer", WS_OVERLAPPEDWINDOW, Rect{0, 0, 700, 500}, nullptr, TestMenu(), &context));
    app.SetMainWnd(frame.get());
    frame->InitialUpdateFrame(nullptr, true);
    PumpMessages();
    view = dynamic_cast<V*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
  }
  TestApp app;
  std::unique_ptr<ViewerFrame> frame;
  V* view = nullptr;
};

using TextViewTest = ViewFixture<ListingView>;
using HtmlViewTest = ViewFixture<HtmlView>;

TEST_F(TextViewTest, CopiesTheSelectionToTheClipboard) {
  view->SetText("Node  x [m]\n   1  0.000\n   2  5.250\n");
  EXPECT_EQ(view->GetLineCount(), 4);
  EXPECT_FALSE(frame->IsCommandEnabled(ID_EDIT_COPY));  // nothing selected
  view->SetSel(13, 24);
  EXPECT_EQ(view->GetSelText(), "   1  0.000");
  EXPECT_TRUE(frame->IsCommandEnabled(ID_EDIT_COPY));
  frame->SendMessage(WM_COMMAND, ID_EDIT_COPY, 0);  // as Edit Copy from the menu or Ctrl+C
  EXPECT_EQ(GetClipboardText(), "   1  0.000");
  // A selection made with the keys, copied with Ctrl+C in the text.
  RichEdit& edit = view->GetRichEditCtrl();
  edit.SetFocus();
  view->SetSel(26, 26);
  PressKey(edit, VK_END, kShift);
  PressKey(edit, 'C', kCtrl);
  EXPECT_EQ(GetClipboardText(), "   2  5.250");
}

TEST_F(TextViewTest, ShowsTheTextReadOnlyInAFixedPitchFont) {
  view->SetText("Line\r\nZeile \xE4");
  EXPECT_EQ(view->GetText(), "Line\r\nZeile \xE4");
  EXPECT_EQ(view->GetCharFormat().face, "Courier New");
  EXPECT_EQ(view->GetCharFormat().height_twips, 200);
  const Font* font = view->GetRichEditCtrl().GetFont();
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(font->face, "Courier New");
  RichEdit& edit = view->GetRichEditCtrl();
  edit.SetFocus();
  view->SetSel(0, 0);
  TypeText(edit, "xyz");
  EXPECT_EQ(view->GetText(), "Line\r\nZeile \xE4");  // nothing typed changes it
}

TEST_F(TextViewTest, KeysAndSideButtonsTheTextDoesNotUseReachTheView) {
  view->SetText("D1");
  RichEdit& edit = view->GetRichEditCtrl();
  edit.SetFocus();
  PressKey(edit, VK_ESCAPE);
  PressKey(edit, VK_F5);
  PressKey(edit, VK_DOWN);  // the text's own key
  Click(edit, Point{10, 10}, MouseButton::kX1);
  EXPECT_EQ(view->keys, (std::vector<UINT>{VK_ESCAPE, VK_F5}));
  EXPECT_EQ(view->side_buttons, 1);
  EXPECT_EQ(frame->side_buttons, 1);
}

TEST_F(TextViewTest, LoadsAFileOrNamesTheOneMissing) {
  const std::string file = TestFolder() + "D1.TXT";
  ASSERT_TRUE(WriteTextFile(file, "GEOMETRY\n  1\n"));
  ASSERT_TRUE(view->LoadFile(file).ok());
  EXPECT_EQ(view->GetText(), "GEOMETRY\r\n  1\r\n");
  const common::Result missing = view->LoadFile(TestFolder() + "D9.TXT");
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.text().find("D9.TXT"), std::string::npos);
  EXPECT_EQ(view->GetText(), "GEOMETRY\r\n  1\r\n");
}

TEST_F(TextViewTest, PrintsEveryLineOnceOverAsManyPagesAsNeeded) {
  std::string text;
  for (int i = 1; i <= 150; ++i) {
    char line[32];
    std::snprintf(line, sizeof line, "Line %03d   %8.3f\n", i, i * 1.5);
    text += line;
  }
  view->SetText(text);
  const std::string pdf = TestFolder() + "listing.pdf";
  {
    PrintToPdf to_pdf(pdf);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
  }
  const auto pages = PdfPages(pdf);
  ASSERT_GE(pages.size(), 2u);
  ExpectEachOnceInOrder(pdf, "Line %03d", 150);
  EXPECT_NE(PdfPageText(pdf, 1).find("Line 001"), std::string::npos);
  EXPECT_EQ(PdfPageText(pdf, 2).find("Line 001"), std::string::npos);
}

TEST_F(TextViewTest, LinesWiderThanThePageGoOnOverFurtherLinesAtABlank) {
  // 40 numbered words of 8 characters: far wider than a portrait page in Courier 10 pt.
  std::string wide;
  for (int i = 1; i <= 40; ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "W%03d=%02d ", i, i % 100);
    wide += word;
  }
  view->SetText("LC 1\n" + wide + "\nLast line\n");
  const std::string pdf = TestFolder() + "wide.pdf";
  {
    PrintToPdf to_pdf(pdf);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
  }
  // Every word whole, once and in order, and the lines after it still there.
  ExpectEachOnceInOrder(pdf, "W%03d=", 40);
  for (int i = 1; i <= 40; ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "W%03d=%02d", i, i % 100);
    EXPECT_NE(PdfPageText(pdf, 1).find(word), std::string::npos) << word;
  }
  EXPECT_NE(PdfPageText(pdf, 1).find("Last line"), std::string::npos);
}

// A page in a folder with its picture in a subfolder.
std::string WritePage(const std::string& folder, const std::string& name, const std::string& body) {
  const std::string path = folder + name;
  WriteTextFile(path, body);
  return path;
}

int RedPixels(const Bitmap& pixels) {
  int red = 0;
  for (int y = 0; y < pixels.height(); ++y) {
    for (int x = 0; x < pixels.width(); ++x) red += pixels.Pixel(x, y) == Rgb(255, 0, 0);
  }
  return red;
}

TEST_F(HtmlViewTest, ShowsALocalPageWithItsPictureByRelativeAddress) {
  const std::string folder = TestFolder() + "help/";
  std::filesystem::create_directories(folder + "pics");
  ASSERT_TRUE(Bitmap(40, 30, Rgb(255, 0, 0)).Save(folder + "pics/red.png").ok());
  const std::string page = WritePage(folder, "TASTEN.HTM",
                                     "<html><head><title>Keys</title></head><body><p>F1 opens the manual.</p>"
                                     "<img src=\"pics/red.png\"></body></html>");
  EXPECT_EQ(RedPixels(WindowPixels(*view)), 0);
  ASSERT_TRUE(view->Navigate(page));
  QApplication::processEvents();
  EXPECT_EQ(view->GetLocationName(), "Keys");
  EXPECT_EQ(view->GetLocationURL(), page);
  EXPECT_NE(view->GetPageText().find("F1 opens the manual."), std::string::npos);
  EXPECT_EQ(RedPixels(WindowPixels(*view)), 40 * 30);
}

TEST_F(HtmlViewTest, ReadsAPageWithoutCharacterSetAsWindows1252) {
  const std::string page = WritePage(TestFolder(), "ECHO.HTM", "<html><body>Schlie\xDF" "en \xFC" "ber Men\xFC</body></html>");
  ASSERT_TRUE(view->Navigate(page));
  EXPECT_NE(view->GetPageText().find("Schlie\xDF" "en \xFC" "ber Men\xFC"), std::string::npos) << view->GetPageText();
  const std::string utf8 = WritePage(TestFolder(), "UTF.HTM", "<html><body>Gr\xC3\xB6\xC3\x9F" "e</body></html>");
  ASSERT_TRUE(view->Navigate(utf8));
  EXPECT_NE(view->GetPageText().find("Gr\xF6\xDF" "e"), std::string::npos);
}

TEST_F(HtmlViewTest, PagesThatAreNoFilesAreReported) {
  EXPECT_FALSE(view->Navigate(TestFolder() + "MISSING.HTM"));
  EXPECT_NE(view->GetPageText().find("MISSING.HTM"), std::string::npos);
  EXPECT_EQ(view->GetLocationURL(), "");
  EXPECT_FALSE(view->Navigate("http://www.example.com/"));
  EXPECT_NE(view->GetPageText().find("cannot be shown"), std::string::npos);
}

TEST_F(HtmlViewTest, ShowsAPageGivenAsText) {
  ASSERT_TRUE(view->Navigate(WritePage(TestFolder(), "A.HTM", "<html><body>file page</body></html>")));
  view->ShowHtml("<html><head><title>Own</title></head><body><h1>Gr\xFC\xDF" "e</h1></body></html>");
  EXPECT_EQ(view->GetLocationURL(), "");
  EXPECT_EQ(view->GetLocationName(), "Own");
  EXPECT_EQ(view->GetPageText(), "Gr\xFC\xDF" "e");
}

TEST_F(HtmlViewTest, FollowsLinksAndGoesBack) {
  const std::string a = WritePage(TestFolder(), "A.HTM", "<html><body><a href=\"B.HTM\">next</a></body></html>");
  const std::string b = WritePage(TestFolder(), "B.HTM", "<html><head><title>Second</title></head><body>two</body></html>");
  ASSERT_TRUE(view->Navigate(a));
  auto* browser = detail::WidgetOfWindow(*view)->findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  emit browser->anchorClicked(QUrl("B.HTM"));  // the link as a click reports it
  EXPECT_EQ(view->GetLocationURL(), b);
  EXPECT_EQ(view->GetLocationName(), "Second");
  EXPECT_TRUE(view->GoBack());
  EXPECT_EQ(view->GetLocationURL(), a);
  EXPECT_TRUE(view->GoForward());
  EXPECT_EQ(view->GetLocationURL(), b);
}

TEST_F(HtmlViewTest, PrintsThePageOverAsManyPagesAsItNeeds) {
  std::string body = "<html><head><title>Manual</title></head><body><h1>Keys</h1>";
  for (int i = 1; i <= 120; ++i) {
    char line[64];
    std::snprintf(line, sizeof line, "<p>Paragraph %03d of the keys</p>", i);
    body += line;
  }
  body += "</body></html>";
  ASSERT_TRUE(view->Navigate(WritePage(TestFolder(), "KEYS.HTM", body)));
  const std::string pdf = TestFolder() + "page.pdf";
  {
    PrintToPdf to_pdf(pdf);
    frame->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT, 0);
  }
  const auto pages = PdfPages(pdf);
  ASSERT_GE(pages.size(), 2u);
  EXPECT_NE(PdfPageText(pdf, 1).find("Keys"), std::string::npos);
  ExpectEachOnceInOrder(pdf, "Paragraph %03d", 120);
}

TEST_F(HtmlViewTest, SideButtonOverThePageReachesTheFrame) {
  const std::string page = WritePage(TestFolder(), "P.HTM", "<html><body>page</body></html>");
  ASSERT_TRUE(view->Navigate(page));
  auto* browser = detail::WidgetOfWindow(*view)->findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  QWidget* area = browser->viewport();
  const QPointF local(20, 20);
  QMouseEvent press(QEvent::MouseButtonPress, local, area->mapToGlobal(local), Qt::XButton1, Qt::XButton1,
                    Qt::NoModifier);
  QApplication::sendEvent(area, &press);
  EXPECT_EQ(frame->side_buttons, 1);
}

}  // namespace
}  // namespace plat::test
