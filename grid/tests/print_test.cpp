// Printing: pages of the rows before the host's count on a printer's Dc, the
// page count the paginator gives, and a whole job into a PDF.
#include <gtest/gtest.h>

#include <map>

#include "grid/print_pages.h"
#include "grid/tests/fixture.h"
#include "platform/dc/recording_dc.h"
#include "platform/print/print_client.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/message_box.h"
#include "platform/print/print_testing.h"
#include "platform/testing/testing.h"

namespace grid::test {
namespace {

class PrintHost : public GridHost {
 public:
  int limit = 101;
  int PrintRowCount(const CGridCtrl&) const override { return limit; }
  std::string ApplicationTitle(const CGridCtrl&) const override { return "KELMF"; }
};

plat::DeviceCaps PrinterCaps() {
  plat::DeviceCaps caps;
  caps.horz_res = 4960;
  caps.vert_res = 7016;
  caps.horz_size = 210;
  caps.vert_size = 297;
  caps.log_pixels_x = 600;
  caps.log_pixels_y = 600;
  caps.technology = plat::DT_RASPRINTER;
  return caps;
}

// Fixture A's widths, rows 0-100 of height 20; column 1 names its row ("r7").
struct PrintFixture : GridFixture {
  PrintHost print_host;
  PrintFixture() {
    MakeFixtureA();
    grid.SetHost(&print_host);
    grid.SetRowCount(101);
    for (int r = 0; r <= 100; ++r) {
      grid.SetRowHeight(r, 20);
      grid.SetItemText(r, 1, "r" + std::to_string(r));
    }
  }
  ~PrintFixture() { grid.SetHost(nullptr); }

  // Prints every page; the rows ("r<n>") each page shows, the page's whole
  // recording kept in `recordings`.
  std::vector<std::vector<int>> PrintPages(int* max_page = nullptr) {
    plat::RecordingDc dc(PrinterCaps());
    plat::PrintInfo info;
    grid.OnBeginPrinting(dc, info);
    if (max_page) *max_page = info.GetMaxPage();
    std::vector<std::vector<int>> pages;
    recordings.clear();
    for (int page = 1; page <= info.GetMaxPage() && page < 100; ++page) {
      dc.Clear();
      info.current_page = page;
      grid.OnPrint(dc, info);
      std::vector<int> rows;
      for (const plat::DeviceOp& op : dc.ops()) {
        if (op.kind == plat::DeviceOp::Kind::kText && op.text.size() > 1 && op.text[0] == 'r' &&
            op.text.find_first_not_of("0123456789", 1) == std::string::npos) {
          rows.push_back(std::stoi(op.text.substr(1)));
        }
      }
      pages.push_back(rows);
      recordings.push_back(dc.ops());
    }
    grid.OnEndPrinting(dc, info);
    return pages;
  }
  std::vector<std::vector<plat::DeviceOp>> recordings;
};

std::vector<int> Range(int first, int last) {
  std::vector<int> rows;
  for (int r = first; r <= last; ++r) rows.push_back(r);
  return rows;
}

bool HasText(const std::vector<plat::DeviceOp>& ops, const std::string& text) {
  for (const plat::DeviceOp& op : ops) {
    if (op.kind == plat::DeviceOp::Kind::kText && op.text == text) return true;
  }
  return false;
}

TEST(GridPrint, FourteenRowsAPageEveryRowOnceWithHeadingsHeaderAndFooter) {
  PrintFixture f;
  f.grid.SetFocusCell(1, 1);
  f.grid.SelectCellRange(1, 1, 1, 1);
  int max_page = 0;
  const auto pages = f.PrintPages(&max_page);
  EXPECT_EQ(max_page, 8);
  ASSERT_EQ(pages.size(), 8u);
  for (int k = 1; k <= 7; ++k) {
    // Row 0 (the heading) first on every page, then rows 14k - 13 to 14k.
    std::vector<int> expected{0};
    for (int r : Range(14 * k - 13, 14 * k)) expected.push_back(r);
    EXPECT_EQ(pages[static_cast<std::size_t>(k - 1)], expected) << "page " << k;
  }
  EXPECT_EQ(pages[7], (std::vector<int>{0, 99, 100}));
  const auto& first = f.recordings[0];
  EXPECT_TRUE(HasText(first, "Page 1 of 8"));
  EXPECT_TRUE(HasText(first, "KELMF"));
  EXPECT_TRUE(HasText(first, "dialog"));  // the parent's caption
  EXPECT_TRUE(HasText(f.recordings[7], "Page 8 of 8"));
  // The focused and selected cell is printed plain: no highlight, no frame.
  for (const plat::DeviceOp& op : first) {
    EXPECT_NE(op.kind, plat::DeviceOp::Kind::kRectangle);
    if (op.kind == plat::DeviceOp::Kind::kFillRect) {
      EXPECT_NE(op.brush.color, plat::GetSysColor(plat::COLOR_HIGHLIGHT));
    }
  }
  // The logical page is 260 x 368: the footer's line lies 2 characters (18)
  // above its foot, at device y 350 * 7016 / 368.
  bool footer_line = false;
  for (const plat::DeviceOp& op : first) {
    if (op.call == std::string("LineTo") && op.points.size() == 2 && op.points[0].y == 6673 &&
        op.points[1].y == 6673) {
      footer_line = true;
    }
  }
  EXPECT_TRUE(footer_line);
}

TEST(GridPrint, PagesFollowTheRowHeightsAndTheLimit) {
  struct Case {
    int row;
    int height;
    int limit;
    int pages;
    std::vector<int> page1;  // the data rows of page 1
  };
  const Case cases[] = {
      {15, 15, 101, 8, Range(1, 14)},   // page 2 from row 15, which fits once there
      {1, 400, 101, 9, {1}},            // taller than the page: alone on page 1
      {1, 20, 1, 1, {}},                // the headings only
      {1, 20, 500, 8, Range(1, 14)},    // clamped to the rows there are
      {1, 20, -3, 1, {}},
  };
  for (const Case& c : cases) {
    PrintFixture f;
    f.grid.SetRowHeight(c.row, c.height);
    f.print_host.limit = c.limit;
    int max_page = 0;
    const auto pages = f.PrintPages(&max_page);
    EXPECT_EQ(max_page, c.pages) << c.row << " " << c.height << " " << c.limit;
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(c.pages));
    std::vector<int> expected{0};
    expected.insert(expected.end(), c.page1.begin(), c.page1.end());
    EXPECT_EQ(pages[0], expected) << c.limit;
    std::map<int, int> printed;
    for (const auto& page : pages) {
      for (int r : page) ++printed[r];
    }
    for (int r = 1; r < std::min(c.limit, 101); ++r) EXPECT_EQ(printed[r], 1) << "row " << r;
    if (c.row == 15) {
      EXPECT_EQ(pages[1].at(1), 15);
    }
    EXPECT_TRUE(HasText(f.recordings[0], "Page 1 of " + std::to_string(c.pages)));
  }
}

TEST(PrintPages, EveryPageHoldsAtLeastOneRow) {
  const std::vector<int> heights{30, 20, 20, 20, 50, 5};
  EXPECT_EQ(PageFirstRows(heights, 1, 6, 40), (std::vector<int>{1, 3, 4, 5}));
  EXPECT_EQ(PageFirstRows(heights, 1, 1, 40), (std::vector<int>{1}));
  EXPECT_EQ(PageFirstRows(heights, 1, 6, 1000), (std::vector<int>{1}));
}

TEST(GridPrint, TheDialogIsAskedAndCancelPrintsNothing) {
  PrintFixture f;
  const std::string pdf = plat::testing::TestFolder() + "/cancelled.pdf";
  plat::testing::PrintToPdf route(pdf);
  plat::testing::PrintDialogScript script;
  script.Answer(plat::hooks::PrintDialogAnswer{plat::IDCANCEL});
  f.grid.Print();
  ASSERT_EQ(script.shown().size(), 1u);
  EXPECT_EQ(script.shown()[0].flags, 0x14000Cu);
  EXPECT_TRUE(plat::testing::PdfPages(pdf).empty());
}

TEST(GridPrint, AJobIntoAPdfHasThePagesItsFooterCounts) {
  PrintFixture f;
  f.parent.SetWindowText("Material");
  const std::string pdf = plat::testing::TestFolder() + "/grid.pdf";
  plat::testing::PrintToPdf route(pdf);
  f.grid.Print();
  const auto pages = plat::testing::PdfPages(pdf);
  ASSERT_FALSE(pages.empty());
  const int n = static_cast<int>(pages.size());
  EXPECT_NE(plat::testing::PdfPageText(pdf, n).find("Page " + std::to_string(n) + " of " + std::to_string(n)),
            std::string::npos);
  const std::string first = plat::testing::PdfPageText(pdf, 1);
  EXPECT_NE(first.find("Material"), std::string::npos) << first;
  EXPECT_NE(first.find("Page 1 of " + std::to_string(n)), std::string::npos) << first;
}

}  // namespace
}  // namespace grid::test
