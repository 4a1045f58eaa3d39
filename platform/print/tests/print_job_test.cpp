// Print jobs: pages into PDF files with PLAT_PRINT_TO_PDF, the orientation per
// page, aborted jobs, the printer's caps, scripted dialogs and the printer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/print/print_client.h"
#include "platform/print/print_dialog.h"
#include "platform/print/print_testing.h"
#include "platform/print/printer_dc.h"
#include "platform/print/tests/pages_client.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/testing.h"

namespace plat {
namespace {

using testing::PagesClient;
using testing::PdfPages;
using testing::PdfPageText;
using testing::PrintToPdf;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(PrintJob, TwoPagesWithTheSecondInLandscape) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "out.pdf");
  PagesClient client;
  client.texts = {"First page text", "Second page text"};
  client.orientations = {DMORIENT_PORTRAIT, DMORIENT_LANDSCAPE};
  client.OnFilePrint();

  EXPECT_EQ(client.calls, (std::vector<std::string>{"prepare", "begin", "print 1", "print 2", "end"}));
  const std::vector<testing::PdfPageSize> pages = PdfPages(folder + "out.pdf");
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_LT(pages[0].width, pages[0].height);
  EXPECT_GT(pages[1].width, pages[1].height);
  EXPECT_TRUE(Contains(PdfPageText(folder + "out.pdf", 1), "First page text"));
  EXPECT_FALSE(Contains(PdfPageText(folder + "out.pdf", 1), "Second"));
  EXPECT_TRUE(Contains(PdfPageText(folder + "out.pdf", 2), "Second page text"));

  ASSERT_EQ(client.page_caps.size(), 2u);
  EXPECT_LT(client.page_caps[0].horz_res, client.page_caps[0].vert_res);
  EXPECT_EQ(client.page_caps[1].horz_res, client.page_caps[0].vert_res);
  EXPECT_EQ(client.page_caps[1].vert_res, client.page_caps[0].horz_res);
  // The drawing rectangle is the page's printable area.
  EXPECT_EQ(client.draw_rects[0], (Rect{0, 0, client.page_caps[0].horz_res, client.page_caps[0].vert_res}));
  EXPECT_EQ(client.draw_rects[1], (Rect{0, 0, client.page_caps[1].horz_res, client.page_caps[1].vert_res}));
  EXPECT_EQ(client.printed_pages, 2);
  EXPECT_EQ(ListFolder(folder), std::vector<std::string>{"out.pdf"});
}

TEST(PrintJob, LaterJobsOfTheProcessGetNumberedFiles) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "jobs.pdf");
  for (int job = 1; job <= 3; ++job) {
    PagesClient client;
    client.texts = {"Text of job " + std::to_string(job)};
    client.OnFilePrintDirect();
  }
  EXPECT_EQ(ListFolder(folder), (std::vector<std::string>{"jobs-2.pdf", "jobs-3.pdf", "jobs.pdf"}));
  EXPECT_TRUE(Contains(PdfPageText(folder + "jobs.pdf", 1), "Text of job 1"));
  EXPECT_TRUE(Contains(PdfPageText(folder + "jobs-2.pdf", 1), "Text of job 2"));
  EXPECT_TRUE(Contains(PdfPageText(folder + "jobs-3.pdf", 1), "Text of job 3"));
}

TEST(PrintJob, AnAbortedJobLeavesNoFileAndTakesNoNumber) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "out.pdf");
  {
    std::unique_ptr<PrinterDc> dc = PrinterDc::ForDefaultPrinter();
    ASSERT_GT(dc->StartDoc("aborted"), 0);
    ASSERT_GT(dc->StartPage(), 0);
    dc->TextOut(100, 100, "never printed");
    ASSERT_GT(dc->EndPage(), 0);
    ASSERT_GT(dc->StartPage(), 0);
    EXPECT_GT(dc->AbortDoc(), 0);
    EXPECT_TRUE(ListFolder(folder).empty());
  }
  {
    // A Dc that goes while its page is open aborts its document.
    std::unique_ptr<PrinterDc> dc = PrinterDc::ForDefaultPrinter();
    ASSERT_GT(dc->StartDoc("dropped"), 0);
    ASSERT_GT(dc->StartPage(), 0);
    dc->TextOut(100, 100, "never printed");
  }
  EXPECT_TRUE(ListFolder(folder).empty());

  std::unique_ptr<PrinterDc> dc = PrinterDc::ForDefaultPrinter();
  ASSERT_GT(dc->StartDoc("kept"), 0);
  ASSERT_GT(dc->StartPage(), 0);
  dc->TextOut(100, 100, "Printed after the aborts");
  ASSERT_GT(dc->EndPage(), 0);
  ASSERT_GT(dc->EndDoc(), 0);
  EXPECT_EQ(ListFolder(folder), std::vector<std::string>{"out.pdf"});
  EXPECT_TRUE(Contains(PdfPageText(folder + "out.pdf", 1), "Printed after the aborts"));
}

TEST(PrintJob, ADocumentWithoutPagesWritesNoFile) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "out.pdf");
  testing::MessageBoxScript boxes;
  PagesClient client;  // no texts: no page
  client.OnFilePrint();
  EXPECT_EQ(client.calls, (std::vector<std::string>{"prepare", "begin", "end"}));
  EXPECT_TRUE(ListFolder(folder).empty());
  EXPECT_TRUE(boxes.shown().empty());
}

TEST(PrintJob, CallsOutOfOrderFail) {
  PrintToPdf pdf(testing::TestFolder() + "out.pdf");
  std::unique_ptr<PrinterDc> dc = PrinterDc::ForDefaultPrinter();
  EXPECT_EQ(dc->StartPage(), SP_ERROR);
  EXPECT_EQ(dc->EndPage(), SP_ERROR);
  EXPECT_EQ(dc->EndDoc(), SP_ERROR);
  EXPECT_EQ(dc->AbortDoc(), SP_ERROR);
  EXPECT_FALSE(dc->SetOrientation(3));
  ASSERT_GT(dc->StartDoc("doc"), 0);
  EXPECT_EQ(dc->StartDoc("again"), SP_ERROR);
  EXPECT_EQ(dc->EndPage(), SP_ERROR);
  ASSERT_GT(dc->StartPage(), 0);
  EXPECT_EQ(dc->StartPage(), SP_ERROR);
  EXPECT_FALSE(dc->SetOrientation(DMORIENT_LANDSCAPE));  // the open page keeps its layout
  EXPECT_EQ(dc->GetOrientation(), DMORIENT_PORTRAIT);
  EXPECT_GT(dc->EndPage(), 0);
  EXPECT_TRUE(dc->SetOrientation(DMORIENT_LANDSCAPE));
  EXPECT_GT(dc->AbortDoc(), 0);
}

TEST(PrintJob, ThePdfPrinterIsAnA4PageAt600Dpi) {
  PrintToPdf pdf(testing::TestFolder() + "out.pdf");
  std::unique_ptr<PrinterDc> dc = PrinterDc::ForDefaultPrinter();
  EXPECT_TRUE(dc->IsPrinting());
  EXPECT_FALSE(dc->IsPreview());
  EXPECT_EQ(dc->GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
  EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSX), 600);
  EXPECT_EQ(dc->GetDeviceCaps(LOGPIXELSY), 600);
  // 210 x 297 mm at 600 dpi.
  EXPECT_NEAR(dc->GetDeviceCaps(HORZRES), 4961, 4);
  EXPECT_NEAR(dc->GetDeviceCaps(VERTRES), 7016, 4);
  EXPECT_NEAR(dc->GetDeviceCaps(HORZSIZE), 210, 1);
  EXPECT_NEAR(dc->GetDeviceCaps(VERTSIZE), 297, 1);

  const int width = dc->GetDeviceCaps(HORZRES);
  const int height = dc->GetDeviceCaps(VERTRES);
  ASSERT_TRUE(dc->SetOrientation(DMORIENT_LANDSCAPE));
  EXPECT_EQ(dc->GetDeviceCaps(HORZRES), height);
  EXPECT_EQ(dc->GetDeviceCaps(VERTRES), width);
  EXPECT_NEAR(dc->GetDeviceCaps(HORZSIZE), 297, 1);
}

TEST(PrintJob, TextIsMeasuredAlikeBeforeAndDuringTheDocument) {
  PrintToPdf pdf(testing::TestFolder() + "out.pdf");
  std::unique_ptr<PrinterDc> dc = PrinterDc::ForDefaultPrinter();
  Font font;
  font.face = "Times New Roman";
  font.height = -9 * 600 / 72;
  dc->SelectFont(font);
  const Size before = dc->GetTextExtent("abcdefghijklmnopqrstuvwxyz");
  EXPECT_GT(before.cx, 0);
  ASSERT_GT(dc->StartDoc("measure"), 0);
  ASSERT_GT(dc->StartPage(), 0);
  EXPECT_EQ(dc->GetTextExtent("abcdefghijklmnopqrstuvwxyz"), before);
  dc->AbortDoc();
}

TEST(PrintJob, ACancelledDialogPrintsNothing) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "out.pdf");
  testing::PrintDialogScript script;
  script.Answer({.id = IDCANCEL});
  PagesClient client;
  client.texts = {"one"};
  client.OnFilePrint();
  EXPECT_EQ(client.calls, std::vector<std::string>{"prepare"});
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_FALSE(script.shown()[0].setup);
  EXPECT_EQ(script.shown()[0].flags, PD_ALLPAGES | PD_NOSELECTION | PD_USEDEVMODECOPIES);
  EXPECT_EQ(script.shown()[0].min_page, 1);
  EXPECT_EQ(script.shown()[0].max_page, 1);
  EXPECT_TRUE(ListFolder(folder).empty());
}

TEST(PrintJob, APageRangeFromTheDialogPrintsThosePages) {
  const std::string folder = testing::TestFolder();
  testing::PrintDialogScript script;
  script.Answer({.from_page = 2, .to_page = 3, .pdf = folder + "range.pdf"});
  PagesClient client;
  client.texts = {"page one", "page two", "page three", "page four"};
  client.OnFilePrint();
  EXPECT_EQ(client.calls,
            (std::vector<std::string>{"prepare", "begin", "print 2", "print 3", "end"}));
  ASSERT_EQ(PdfPages(folder + "range.pdf").size(), 2u);
  EXPECT_TRUE(Contains(PdfPageText(folder + "range.pdf", 1), "page two"));
  EXPECT_TRUE(Contains(PdfPageText(folder + "range.pdf", 2), "page three"));
}

TEST(PrintJob, APageRangeBeyondTheDocumentIsCut) {
  PrintDialogData data;
  data.min_page = 1;
  data.max_page = 4;
  testing::PrintDialogScript script;
  script.Answer({.from_page = 3, .to_page = 99, .pdf = testing::TestFolder() + "cut.pdf"});
  ASSERT_EQ(PrintDialog(data), IDOK);
  EXPECT_TRUE(data.flags & PD_PAGENUMS);
  EXPECT_EQ(data.from_page, 3);
  EXPECT_EQ(data.to_page, 4);
  ASSERT_NE(data.dc, nullptr);
}

TEST(PrintJob, ThePrinterSetupChoosesTheOrientationOfLaterJobs) {
  const std::string folder = testing::TestFolder();
  PrintToPdf pdf(folder + "out.pdf");
  {
    testing::PrintDialogScript script;
    script.Answer({.orientation = DMORIENT_LANDSCAPE});
    ASSERT_EQ(PrinterSetupDialog(), IDOK);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_TRUE(script.shown()[0].setup);

    PagesClient client;
    client.texts = {"wide"};
    client.OnFilePrintDirect();
    const std::vector<testing::PdfPageSize> pages = PdfPages(folder + "out.pdf");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].width, pages[0].height);
  }
  // The script's end restores the application's printer.
  EXPECT_EQ(PrinterDc::ForDefaultPrinter()->GetOrientation(), DMORIENT_PORTRAIT);
}

TEST(PrintJob, WithPlatPrintToPdfTheSetupChangesNothing) {
  PrintToPdf pdf(testing::TestFolder() + "out.pdf");
  EXPECT_EQ(PrinterSetupDialog(), IDOK);
  EXPECT_EQ(PrinterDc::ForDefaultPrinter()->GetOrientation(), DMORIENT_PORTRAIT);
}

TEST(PrintJob, APrinterGetsTheFinishedJobFromTheSpooler) {
  testing::PrintDialogScript script;
  script.Answer({.printer = "Office"});
  testing::ProcessRecorder processes;
  PagesClient client;
  client.texts = {"for the office"};
  client.OnFilePrint();

  ASSERT_EQ(processes.calls().size(), 1u);
  const hooks::ProcessCall& lp = processes.calls()[0];
  EXPECT_EQ(lp.program, "lp");
  ASSERT_EQ(lp.args.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(lp.args.begin(), lp.args.end() - 1),
            (std::vector<std::string>{"-d", "Office", "-n", "1", "-t", "Pages"}));
  EXPECT_FALSE(FileExists(lp.args.back()));  // the spooled file is removed afterwards
}

TEST(PrintJob, AFailureIsReportedAndTheCallerStillEndsPrinting) {
  struct Case {
    const char* name;
    bool printer;  // else a PDF in a missing folder
    const char* message;
  };
  const Case cases[] = {
      {"spooler refuses", true, "Printing failed: Cannot print on Office: no lp"},
      {"folder missing", false, "Printing failed: Cannot write file "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string folder = testing::TestFolder();
    PrintToPdf pdf(c.printer ? "" : folder + "missing/out.pdf");
    testing::PrintDialogScript script;
    if (c.printer) script.Answer({.printer = "Office"});
    testing::ProcessRecorder processes;
    processes.FailNext("no lp");
    testing::MessageBoxScript boxes;
    PagesClient client;
    client.texts = {"lost"};
    client.OnFilePrint();
    EXPECT_EQ(client.calls.back(), "end");
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_TRUE(boxes.shown()[0].text.starts_with(c.message)) << boxes.shown()[0].text;
    EXPECT_TRUE(ListFolder(folder).empty());
  }
}

TEST(PrintJobDeathTest, ADialogWithNobodyToAnswerEndsTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  PrintToPdf no_pdf("");
  EXPECT_EXIT(
      {
        PrintDialogData data;
        PrintDialog(data);
      },
      ::testing::ExitedWithCode(97), "print dialog was shown without PLAT_PRINT_TO_PDF");
  EXPECT_EXIT(PrinterSetupDialog(), ::testing::ExitedWithCode(97), "without PLAT_PRINT_TO_PDF");
}

}  // namespace
}  // namespace plat
