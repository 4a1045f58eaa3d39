// ZEVRIL opened in process: its windows, its open dialogs, printing twice,
// the preview, the header dialog and the start with "/p".
#include <gtest/gtest.h>

#include "Zelko1/app/dia_kopf.h"
#include "Zelko1/app/main_frame.h"
#include "Zelko1/app/open_listing.h"
#include "Zelko1/app/zelko1_app.h"
#include "Zelko1/app/zelko1_view.h"
#include "Zelko1/app/zevril_ids.h"
#include "Zelko1/tests/zevril_files.h"
#include "common/page/page_counter_files.h"
#include "common/page/page_header_file.h"
#include "common/settings.h"
#include "platform/files.h"
#include "platform/frames/mdi_frame.h"
#include "platform/print/print_preview.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

namespace zevril {
namespace {

using testing::NumberedLines;
using testing::ReadAll;
using testing::WriteAll;

// A position folder named by FKPFAD, with a listing D1.TXT.
struct Listing {
  std::string folder = plat::testing::TestFolder() + "SDIRA1/";
  std::string file = folder + "D1.TXT";

  explicit Listing(int lines) {
    EXPECT_TRUE(plat::MakeFolder(folder));
    EXPECT_TRUE(WriteAll(file, NumberedLines(lines)));
    const common::SettingsContext settings = common::SettingsContext::Discover();
    EXPECT_TRUE(common::WritePageHeaderPathFile(common::JoinSettingsPath(settings, common::kPageHeaderPathFile), folder));
  }
  std::string Counter() const { return ReadAll(folder + "FSEITE"); }
};

struct OpenedZevril {
  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CZelko1App app;

  bool Open(const std::string& command_line) {
    const bool open = app.Open(command_line);
    plat::testing::PumpMessages();
    return open;
  }
  CMainFrame& frame() { return *app.main_frame(); }
  CZelko1View& view() { return *app.active_view(); }
  void Command(plat::UINT id) {
    frame().SendMessage(plat::WM_COMMAND, id);
    plat::testing::PumpMessages();
  }
};

TEST(ZevrilWindow, ShowsTheListingMaximisedWithItsBars) {
  Listing listing(100);
  OpenedZevril z;
  ASSERT_TRUE(z.Open(listing.file));
  EXPECT_TRUE(z.frame().IsZoomed());
  plat::MDIChildWnd* child = z.frame().MDIGetActive();
  ASSERT_NE(child, nullptr);
  EXPECT_TRUE(child->IsMaximized());
  EXPECT_EQ(plat::testing::MenuBarTexts(z.frame()),
            (std::vector<std::string>{"&Datei", "&Bearbeiten", "&Ansicht", "&?"}));
  const auto file = plat::testing::OpenMenuBarPopup(z.frame(), 0);
  ASSERT_GE(file.size(), 5u);
  EXPECT_EQ(file[1].text, "\xD6&ffnen...\tStrg+O");
  EXPECT_EQ(file[2].text, "&Schlie\xDF" "en");
  EXPECT_EQ(file[4].text, "&Drucken...\tStrg+P");
  EXPECT_EQ(z.frame().tool_bar().GetCount(), 6);
  EXPECT_EQ(z.app.state().table.count(), 100);
  EXPECT_FALSE(z.quit.code());
}

TEST(ZevrilWindow, TheViewsOpenDialogLoadsAShorterListing) {
  Listing listing(100);
  const std::string shorter = listing.folder + "D2.TXT";
  ASSERT_TRUE(WriteAll(shorter, NumberedLines(3)));
  OpenedZevril z;
  ASSERT_TRUE(z.Open(listing.file));
  z.dialogs.AnswerFile(shorter);
  z.view().PostMessage(ids::kOpenFromView);
  plat::testing::PumpMessages();
  EXPECT_EQ(z.app.state().table.count(), 3);
  EXPECT_EQ(z.app.state().print_file, shorter);
  // The dialog refuses a missing file; the listing stays.
  z.dialogs.AnswerFile(listing.folder + "GONE");
  z.view().OnFileOpen();
  EXPECT_EQ(z.app.state().table.count(), 3);
}

TEST(ZevrilWindow, TheApplicationsOpenDialogShowsTheListings) {
  const std::string folder = plat::testing::TestFolder();
  for (const char* name : {"D1", "D12.TXT", "d123.txt", "LIST.TXT", "D1234.TXT"}) {
    ASSERT_TRUE(WriteAll(folder + name, "x\r\n"));
  }
  const plat::FileDialog dialog = ApplicationOpenDialog(nullptr);
  EXPECT_EQ(dialog.FilesShown(folder), (std::vector<std::string>{"D1", "D12.TXT", "d123.txt"}));
}

TEST(ZevrilWindow, PrintingTwiceNumbersOnAndAPreviewChangesNothing) {
  Listing listing(113);
  ASSERT_TRUE(common::WritePageCounterFile(listing.folder + "FSEITE", 5));
  const std::string pdf = plat::testing::TestFolder() + "print.pdf";
  plat::testing::PrintToPdf print_to(pdf);
  OpenedZevril z;
  ASSERT_TRUE(z.Open(listing.file));
  z.Command(plat::ID_FILE_PRINT);
  EXPECT_EQ(listing.Counter(), std::string("\x08\x00", 2));
  z.Command(plat::ID_FILE_PRINT);
  EXPECT_EQ(listing.Counter(), std::string("\x0B\x00", 2));
  EXPECT_EQ(ReadAll(listing.folder + "FSEITE.TXT"), "11");
  const std::string second = plat::testing::TestFolder() + "print-2.pdf";
  ASSERT_EQ(plat::testing::PdfPages(pdf).size(), 3u);
  ASSERT_EQ(plat::testing::PdfPages(second).size(), 3u);
  EXPECT_NE(plat::testing::PdfPageText(pdf, 1).find("LINE 001"), std::string::npos);
  EXPECT_NE(plat::testing::PdfPageText(second, 1).find("LINE 001"), std::string::npos);
  EXPECT_NE(plat::testing::PdfPageText(second, 3).find("LINE 113"), std::string::npos);
  EXPECT_NE(plat::testing::PdfPageText(second, 3).find("10"), std::string::npos);

  z.Command(plat::ID_FILE_PRINT_PREVIEW);
  ASSERT_NE(z.view().preview(), nullptr);
  EXPECT_TRUE(z.view().preview()->NextPage());
  z.view().ClosePreview();
  plat::testing::PumpMessages();
  EXPECT_EQ(listing.Counter(), std::string("\x0B\x00", 2));
  EXPECT_EQ(ReadAll(listing.folder + "FSEITE.TXT"), "11");
}

TEST(ZevrilWindow, TheHeaderDialogProposesTheNextPageAndStoresOnlyTheCounter) {
  Listing listing(10);
  ASSERT_TRUE(common::WritePageCounterFile(listing.folder + "FSEITE", 8));
  const common::SettingsContext settings = common::SettingsContext::Discover();
  const std::string fkopf = common::JoinSettingsPath(settings, common::kPageHeaderFile);
  common::PageHeader header;
  header[common::PageHeader::kAuthor] = "Muster";
  header[common::PageHeader::kFirstPage] = "3";
  ASSERT_TRUE(common::WritePageHeaderFile(fkopf, header));
  const std::string fkopf_bytes = ReadAll(fkopf);
  OpenedZevril z;
  ASSERT_TRUE(z.Open(listing.file));
  std::string proposed, author;
  z.dialogs.OnNextDialog([&](plat::Dialog& d) {
    proposed = plat::testing::ItemText(d, kFirstPageEdit);
    author = plat::testing::ItemText(d, kAuthorEdit);
    plat::testing::TypeInto(d, kFirstPageEdit, "20");
    plat::testing::TypeInto(d, kAuthorEdit, "Beispiel");
    plat::testing::Press(d, plat::IDOK);
  });
  EXPECT_TRUE(plat::testing::ChooseMenuItem(z.frame(), {"&Bearbeiten"}));
  plat::testing::PumpMessages();
  ASSERT_EQ(z.dialogs.shown().size(), 1u);
  EXPECT_EQ(z.dialogs.shown()[0].template_id, 130u);
  EXPECT_EQ(z.dialogs.shown()[0].caption, "Kopf- und Fu\xDF" "zeilen");
  EXPECT_EQ(proposed, "8");
  EXPECT_EQ(author, "Muster");
  EXPECT_EQ(listing.Counter(), std::string("\x14\x00", 2));
  EXPECT_EQ(ReadAll(fkopf), fkopf_bytes);
  EXPECT_EQ(z.app.state().page.header[common::PageHeader::kAuthor], "Beispiel");
  EXPECT_EQ(z.app.state().page_counter, 20);
}

TEST(ZevrilWindow, AFirstPageThatIsNoNumberIsRefused) {
  Listing listing(10);
  OpenedZevril z;
  ASSERT_TRUE(z.Open(listing.file));
  z.dialogs.OnNextDialog([&](plat::Dialog& d) {
    plat::testing::TypeInto(d, kFirstPageEdit, "zwei");
    plat::testing::Press(d, plat::IDOK);
  });
  z.view().OnEditHeader();
  EXPECT_EQ(z.dialogs.Captions().size(), 2u);  // the dialog, its message; then cancelled
  EXPECT_EQ(z.dialogs.shown()[1].text, "Please enter an integer.");
  EXPECT_EQ(listing.Counter(), "");
}

TEST(ZevrilStart, SlashPPrintsAndEnds) {
  Listing listing(20);
  const std::string pdf = plat::testing::TestFolder() + "direct.pdf";
  plat::testing::PrintToPdf print_to(pdf);
  OpenedZevril z;
  EXPECT_FALSE(z.Open(listing.file + " /P"));
  EXPECT_EQ(z.app.StartExitCode(), 0);
  EXPECT_EQ(plat::testing::PdfPages(pdf).size(), 1u);
  EXPECT_TRUE(z.dialogs.shown().empty());
}

TEST(ZevrilStart, AMissingListingWithSlashPIsNamedAndFails) {
  const std::string pdf = plat::testing::TestFolder() + "direct.pdf";
  plat::testing::PrintToPdf print_to(pdf);
  const std::string missing = plat::testing::TestFolder() + "D9.TXT";
  OpenedZevril z;
  EXPECT_FALSE(z.Open("\"" + missing + "\" /p"));
  EXPECT_EQ(z.app.StartExitCode(), 1);
  ASSERT_EQ(z.dialogs.shown().size(), 1u);
  EXPECT_EQ(z.dialogs.shown()[0].text, "The file " + missing + " cannot be read.");
  EXPECT_FALSE(plat::FileExists(pdf));
}

}  // namespace
}  // namespace zevril
