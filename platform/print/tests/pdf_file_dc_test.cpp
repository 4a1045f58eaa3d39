// A printer Dc on a named PDF file: no dialog, one page per StartPage/EndPage,
// nothing left behind by an aborted or failed document.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/print/printer_dc.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/testing.h"

namespace plat {
namespace {

using testing::PdfPages;
using testing::PdfPageText;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(PdfFileDc, WritesOnePagePerStartPageIntoTheNamedFile) {
  const std::string folder = testing::TestFolder();
  testing::PrintToPdf route(folder + "route.pdf");  // the PLAT_PRINT_TO_PDF route stays untouched
  ASSERT_TRUE(WriteBlock(folder + "G1.pdf", "old", 3));
  std::unique_ptr<PrinterDc> dc = PrinterDc::ForPdfFile(folder + "G1.pdf", DMORIENT_LANDSCAPE);
  EXPECT_GT(dc->GetDeviceCaps(HORZRES), dc->GetDeviceCaps(VERTRES));
  ASSERT_GT(dc->StartDoc("Picture"), 0);
  for (const char* text : {"Page one", "Page two", "Page three"}) {
    ASSERT_GT(dc->StartPage(), 0);
    dc->TextOut(300, 300, text);
    ASSERT_GT(dc->EndPage(), 0);
  }
  ASSERT_GT(dc->EndDoc(), 0);

  const std::vector<testing::PdfPageSize> pages = PdfPages(folder + "G1.pdf");
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_NEAR(pages[0].width, 842, 1);  // A4 landscape, in points
  EXPECT_NEAR(pages[0].height, 595, 1);
  EXPECT_TRUE(Contains(PdfPageText(folder + "G1.pdf", 1), "Page one"));
  EXPECT_TRUE(Contains(PdfPageText(folder + "G1.pdf", 3), "Page three"));
  EXPECT_FALSE(Contains(PdfPageText(folder + "G1.pdf", 3), "Page two"));
  EXPECT_EQ(ListFolder(folder), std::vector<std::string>{"G1.pdf"});
}

TEST(PdfFileDc, AbortedOrEmptyDocumentsLeaveNoFile) {
  const std::string folder = testing::TestFolder();
  {
    std::unique_ptr<PrinterDc> dc = PrinterDc::ForPdfFile(folder + "aborted.pdf");
    ASSERT_GT(dc->StartDoc("Picture"), 0);
    ASSERT_GT(dc->StartPage(), 0);
    dc->TextOut(100, 100, "never");
    EXPECT_GT(dc->AbortDoc(), 0);
  }
  {
    std::unique_ptr<PrinterDc> dc = PrinterDc::ForPdfFile(folder + "unfinished.pdf");
    ASSERT_GT(dc->StartDoc("Picture"), 0);
    ASSERT_GT(dc->StartPage(), 0);
  }  // destroyed without EndDoc: aborted
  {
    std::unique_ptr<PrinterDc> dc = PrinterDc::ForPdfFile(folder + "empty.pdf");
    ASSERT_GT(dc->StartDoc("Picture"), 0);
    EXPECT_GT(dc->EndDoc(), 0);
  }
  EXPECT_TRUE(ListFolder(folder).empty());
}

TEST(PdfFileDc, AnUnwritableFileFailsWithItsName) {
  const std::string file = testing::TestFolder() + "missing/G1.pdf";
  std::unique_ptr<PrinterDc> dc = PrinterDc::ForPdfFile(file);
  EXPECT_EQ(dc->StartDoc("Picture"), SP_ERROR);
  EXPECT_EQ(dc->LastError(), "Cannot write file " + file);
  EXPECT_FALSE(FileExists(file));
}

}  // namespace
}  // namespace plat
