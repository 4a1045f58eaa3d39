// The page form on a recorded A4 page of the PDF printer (4958 x 7017 at
// 600 dpi, the 10-point font 83 pixels high), in landscape, and on the screen.
#include <gtest/gtest.h>

#include <algorithm>

#include "Zelko1/page/page_form.h"
#include "Zelko1/page/print_job.h"
#include "Zelko1/tests/recorded_page.h"
#include "Zelko1/tests/zevril_files.h"

namespace zevril {
namespace {

using testing::PlacedText;
using testing::Segment;

ZevrilState StateOf(int lines) {
  ZevrilState state;
  state.page.font_size = 10;
  state.table = SplitPrintLines(testing::NumberedLines(lines));
  return state;
}

// Page 1 of a print on a recording of these caps.
void RecordFirstPage(ZevrilState& state, plat::RecordingDc& dc) {
  PrintJob job = BeginPrintJob(state, dc, false);
  PrintPage(state, job, 1, dc);
}

bool HasSegment(const std::vector<Segment>& segments, Segment s) {
  return std::find(segments.begin(), segments.end(), s) != segments.end();
}

TEST(PageForm, PortraitA4) {
  ZevrilState state = StateOf(100);
  state.page.header[common::PageHeader::kAuthor] = "Muster";
  state.page_counter = 5;
  plat::RecordingDc dc(testing::A4Caps());
  RecordFirstPage(state, dc);
  const std::vector<Segment> segments = testing::Segments(dc);
  ASSERT_EQ(segments.size(), 8u);
  // The outline from the top left corner round, then the two lines across,
  // then the two dividers.
  EXPECT_EQ(dc.ops()[0].points, (std::vector<plat::Point>{{315, 104}, {4851, 104}}));
  EXPECT_TRUE(HasSegment(segments, {4851, 104, 4851, 6911}));
  EXPECT_TRUE(HasSegment(segments, {315, 6911, 4851, 6911}));
  EXPECT_TRUE(HasSegment(segments, {315, 104, 315, 6911}));
  EXPECT_EQ(segments[4], (Segment{315, 792, 4851, 792}));
  EXPECT_EQ(segments[5], (Segment{315, 6393, 4851, 6393}));
  EXPECT_EQ(segments[6], (Segment{3777, 104, 3777, 792}));
  EXPECT_EQ(segments[7], (Segment{4091, 6393, 4091, 6911}));

  const std::vector<PlacedText> texts = testing::Texts(dc);
  const auto at = [&](const std::string& text) {
    for (const PlacedText& t : texts) {
      if (t.text == text) return t;
    }
    return PlacedText{"(missing) " + text, 0, 0, 0};
  };
  EXPECT_EQ(at("VERFASSER: Muster"), (PlacedText{"VERFASSER: Muster", 399, 166, 83}));
  EXPECT_EQ(at("SEITE: "), (PlacedText{"SEITE: ", 3357, 6586, 83}));
  EXPECT_EQ(at("5"), (PlacedText{"5", 3776, 6585, 83}));  // truncated, not rounded
  EXPECT_EQ(at("LINE 001"), (PlacedText{"LINE 001", 420, 933, 83}));
  EXPECT_EQ(at("LINE 002"), (PlacedText{"LINE 002", 420, 1016, 83}));
  for (const char* label : {"PROGRAMM: ", "BAUWERK: ", "ASB NR.: ", "Datum: ", "BAUTEIL: ", "BLOCK: ", "VORGANG: ",
                            "ARCHIV-NR.: "}) {
    EXPECT_EQ(at(label).text, label);
  }
  const auto lines = testing::TextsStartingWith(dc, "LINE ");
  ASSERT_EQ(lines.size(), 63u);
  EXPECT_EQ(lines.back().text, "LINE 063");
  EXPECT_EQ(lines.back().top, 933 + 62 * 83);
}

TEST(PageForm, LandscapeA4) {
  ZevrilState state = StateOf(100);
  plat::RecordingDc dc(testing::A4Caps(true));
  RecordFirstPage(state, dc);
  EXPECT_EQ(dc.ops()[0].points, (std::vector<plat::Point>{{148, 293}, {6866, 293}}));
  EXPECT_EQ(testing::Segments(dc)[4].y1, 736);
  const auto lines = testing::TextsStartingWith(dc, "LINE ");
  ASSERT_EQ(lines.size(), 42u);
  EXPECT_EQ(lines[0].top, 879);
  EXPECT_EQ(lines[0].left, 594);
  EXPECT_EQ(testing::TextsStartingWith(dc, "VERFASSER: ")[0].left, 267);
}

TEST(PageForm, TheScreenShowsTheLoadedLinesAndNoPageNumber) {
  ZevrilState state = StateOf(100);
  state.table = SplitPrintLines(testing::NumberedLines(3));  // after a longer listing
  plat::RecordingDc dc;
  PageOptions options;
  options.width = 1000;
  options.height = 700;
  EXPECT_EQ(DrawPage(state, options, dc), 3);
  EXPECT_EQ(testing::TextsStartingWith(dc, "LINE ").size(), 3u);
  // Nine header texts and "SEITE: ", no number beside it.
  EXPECT_EQ(testing::Texts(dc).size(), 3u + 10u);
  EXPECT_EQ(testing::TextsStartingWith(dc, "SEITE: ").size(), 1u);
}

}  // namespace
}  // namespace zevril
