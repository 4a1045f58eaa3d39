// The listing on pages: lines wider than the page, or longer than 118
// characters, go on in the next printed line, broken at a blank, and the
// pieces of a line stay on one page.
#include <gtest/gtest.h>

#include "Zelko1/listing/printed_listing.h"
#include "Zelko1/page/page_form.h"
#include "Zelko1/page/print_job.h"
#include "Zelko1/tests/recorded_page.h"
#include "Zelko1/tests/zevril_files.h"
#include "platform/dc/selected_font.h"

namespace zevril {
namespace {

// Ten units a character: a room of 100 holds ten.
int TenEach(std::string_view text) { return static_cast<int>(text.size()) * 10; }

TEST(WrapLine, BreaksAtTheLastBlankBeforeTheEdgeElseAtTheEdge) {
  struct Case {
    std::string line;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"", {""}},
      {"short", {"short"}},
      {"0123456789", {"0123456789"}},                     // exactly the room
      {"aaaa bbbb cccc", {"aaaa bbbb", "cccc"}},          // the last blank before the edge
      {"0123456789 abc", {"0123456789", "abc"}},          // the blank at the edge itself
      {"aaa  bbbbbbbbbbbb", {"aaa", "bbbbbbbbbb", "bb"}}, // blanks at a break go; a long word breaks at the edge
      {"abcdefghijklmnopqrstu", {"abcdefghij", "klmnopqrst", "u"}},
      {"   indented_word", {"   indente", "d_word"}},     // an indentation is no place to break
      {"  V =   12.50  N = -3.25", {"  V =", "12.50  N =", "-3.25"}},
  };
  for (const Case& c : cases) EXPECT_EQ(WrapLine(c.line, 100, TenEach), c.pieces) << c.line;
}

TEST(LayOutListing, ThePiecesOfALineStayOnOnePage) {
  PrintLineTable table;
  table.lines = {"1", "2", "long long long", "3"};
  const PrintedListing listing = LayOutListing(table, 3, 50, TenEach);
  EXPECT_EQ(listing.lines, (std::vector<std::string>{"1", "2", "long", "long", "long", "3"}));
  EXPECT_EQ(listing.page_starts, (std::vector<std::size_t>{0, 2, 5}));
  EXPECT_EQ(listing.PageEnd(2), 5u);
  // A line longer than a page goes on over the pages it needs.
  table.lines = {"a b c d e f g"};
  EXPECT_EQ(LayOutListing(table, 2, 10, TenEach).page_starts, (std::vector<std::size_t>{0, 2, 4, 6}));
  // The first page only, for the screen.
  table.lines = {"1", "2", "3", "4", "5"};
  EXPECT_EQ(LayOutListing(table, 2, 10, TenEach, 1).lines, (std::vector<std::string>{"1", "2"}));
}

// Nothing of a line is lost on a page however wide: beyond 118 characters it
// goes on in the next printed line, broken at its last blank before the 119th
// character (after the 118th when it has none there).
TEST(LayOutListing, APrintedLineHoldsAtMost118Characters) {
  const std::string s118(118, 'y');
  const std::string s119(119, 'x');
  const std::string s200 = std::string(126, 'a') + std::string(74, 'b');
  // 25 words of 7 characters and a blank: 200 characters, a blank every 8th.
  std::string words;
  for (int i = 0; i < 25; ++i) words += "word" + std::to_string(100 + i) + " ";
  words.pop_back();
  words += "X";
  struct Case {
    std::string line;
    std::vector<std::string> printed;
  };
  const Case cases[] = {
      {s118, {s118}},
      {s119, {std::string(118, 'x'), "x"}},
      {s200, {std::string(118, 'a'), std::string(8, 'a') + std::string(74, 'b')}},
      {words, {words.substr(0, 111), words.substr(112)}},  // word114 ends before the 112th
      {std::string(118, 'c') + "   ", {std::string(118, 'c')}},  // blanks at the break go
  };
  for (const Case& c : cases) {
    PrintLineTable table;
    table.lines = {c.line, "next"};
    const PrintedListing listing = LayOutListing(table, 60, 100000, TenEach);
    std::vector<std::string> printed = c.printed;
    printed.push_back("next");
    EXPECT_EQ(listing.lines, printed) << c.line;
    EXPECT_EQ(listing.page_count(), 1);
  }
}

TEST(LayOutForPage, LongLinesAtTheDefaultFontKeepEveryColumnOnTheA4Page) {
  // A line of element results with the shear force last, wider than the page's room.
  const std::string line =
      "   12    1.500  -44.940   12.345  -67.890  M =  -44.94 kNm    N =   -3.25 kN    T =   8.00 kN    V =    12.50 kN";
  PrintLineTable table;
  table.lines.assign(70, line);
  plat::RecordingDc dc(testing::A4Caps());
  plat::SelectedFont font(dc, PrintFont(10, dc.GetDeviceCaps(plat::LOGPIXELSY)));
  const int width = dc.GetDeviceCaps(plat::HORZRES);
  const int height = dc.GetDeviceCaps(plat::VERTRES);
  ASSERT_GT(dc.GetTextExtent(line).cx, LineRoom(width, height));  // it would run off the page
  const PrintedListing listing = LayOutForPage(table, width, height, dc);
  ASSERT_EQ(listing.lines.size(), 140u);
  for (const std::string& printed : listing.lines) EXPECT_LE(dc.GetTextExtent(printed).cx, LineRoom(width, height));
  EXPECT_EQ(testing::Normalised(listing.lines[0] + " " + listing.lines[1]), testing::Normalised(line));
  EXPECT_NE(listing.lines[1].find("12.50 kN"), std::string::npos);
  // 63 printed lines a page, each line's two pieces together: 31 lines a page.
  EXPECT_EQ(listing.page_count(), 3);
}

}  // namespace
}  // namespace zevril
