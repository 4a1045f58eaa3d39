// Print preview: pages drawn by the client's own printing code under the
// offscreen platform, nothing printed, and the buttons' queued actions.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/print/print_preview.h"
#include "platform/print/tests/pages_client.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/testing.h"

namespace plat {
namespace {

using testing::PagesClient;
using testing::PrintToPdf;

int DarkPixels(const Bitmap& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const ColorRef c = image.Pixel(x, y);
      if (GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128) ++dark;
    }
  }
  return dark;
}

void ClickButton(PrintPreview* preview, const char* name) {
  auto* window = dynamic_cast<QWidget*>(preview);
  ASSERT_NE(window, nullptr);
  auto* button = window->findChild<QPushButton*>(QString::fromLatin1(name));
  ASSERT_NE(button, nullptr);
  button->click();
}

void RunQueuedCalls() { QCoreApplication::sendPostedEvents(); }

std::unique_ptr<PagesClient> TwoPageClient() {
  auto client = std::make_unique<PagesClient>();
  client->texts = {"Preview page one", "Preview page two"};
  client->orientations = {DMORIENT_PORTRAIT, DMORIENT_LANDSCAPE};
  return client;
}

TEST(PrintPreview, PagesThroughTheClientsDrawingAndPrintsNothing) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "out.pdf");
  std::unique_ptr<PagesClient> client = TwoPageClient();
  client->OnFilePrintPreview();
  PrintPreview* preview = client->preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->current_page(), 1);
  const Bitmap first = preview->PageImage(200);
  EXPECT_LT(first.width(), first.height());
  EXPECT_GT(DarkPixels(first), 0);

  EXPECT_TRUE(preview->NextPage());
  EXPECT_EQ(preview->current_page(), 2);
  EXPECT_GT(preview->PageCaps().horz_res, preview->PageCaps().vert_res);
  const Bitmap second = preview->PageImage(200);
  EXPECT_GT(second.width(), second.height());
  EXPECT_GT(DarkPixels(second), 0);
  EXPECT_FALSE(preview->NextPage());  // the document has two pages
  EXPECT_EQ(preview->current_page(), 2);
  EXPECT_TRUE(preview->PrevPage());
  EXPECT_FALSE(preview->PrevPage());
  EXPECT_EQ(preview->current_page(), 1);

  client->ClosePreview();
  EXPECT_EQ(client->preview(), nullptr);
  EXPECT_EQ(client->calls,
            (std::vector<std::string>{"prepare", "begin (preview)", "print 1 (preview)",
                                      "print 2 (preview)", "print 1 (preview)", "end (preview)"}));
  // Nothing printed: no file, no job number taken, the client's counter unchanged.
  EXPECT_EQ(client->printed_pages, 0);
  EXPECT_TRUE(ListFolder(folder).empty());

  client->OnFilePrint();
  EXPECT_EQ(client->printed_pages, 2);
  EXPECT_EQ(ListFolder(folder), std::vector<std::string>{"out.pdf"});
}

TEST(PrintPreview, ThePrintButtonClosesThePreviewAndPrints) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "out.pdf");
  std::unique_ptr<PagesClient> client = TwoPageClient();
  client->OnFilePrintPreview();
  ASSERT_NE(client->preview(), nullptr);
  ClickButton(client->preview(), "print");
  RunQueuedCalls();
  EXPECT_EQ(client->preview(), nullptr);
  EXPECT_EQ(client->printed_pages, 2);
  EXPECT_EQ(testing::PdfPages(folder + "out.pdf").size(), 2u);
}

TEST(PrintPreview, TheNextButtonShowsTheNextPage) {
  PrintToPdf pdf(testing::TestFolder() + "out.pdf");
  std::unique_ptr<PagesClient> client = TwoPageClient();
  client->OnFilePrintPreview();
  ASSERT_NE(client->preview(), nullptr);
  ClickButton(client->preview(), "next");
  EXPECT_EQ(client->preview()->current_page(), 2);
  ClickButton(client->preview(), "close");
  RunQueuedCalls();
  EXPECT_EQ(client->preview(), nullptr);
  EXPECT_EQ(client->calls.back(), "end (preview)");
}

TEST(PrintPreview, AClientThatGoesTakesItsPreviewAlong) {
  PrintToPdf pdf(testing::TestFolder() + "out.pdf");
  std::unique_ptr<PagesClient> client = TwoPageClient();
  client->OnFilePrintPreview();
  ASSERT_NE(client->preview(), nullptr);
  ClickButton(client->preview(), "close");  // queued, runs after the client is gone
  client.reset();
  RunQueuedCalls();
}

TEST(PrintPreview, NoPreviewWhenTheClientDeclines) {
  PrintToPdf pdf(testing::TestFolder() + "out.pdf");
  std::unique_ptr<PagesClient> client = TwoPageClient();
  client->prepare_answer = false;
  client->OnFilePrintPreview();
  EXPECT_EQ(client->preview(), nullptr);
  EXPECT_EQ(client->calls, std::vector<std::string>{"prepare"});
}

}  // namespace
}  // namespace plat
