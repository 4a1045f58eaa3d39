// Print jobs on recorded A4 pages: pages and their lines, the font size, the
// page numbers and the page counter files; a preview changes nothing.
#include <gtest/gtest.h>

#include "Zelko1/page/page_counter.h"
#include "Zelko1/page/print_job.h"
#include "Zelko1/tests/recorded_page.h"
#include "Zelko1/tests/zevril_files.h"
#include "common/page/page_counter_files.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace zevril {
namespace {

struct RecordedJob {
  std::vector<int> lines;            // per page
  std::vector<std::string> numbers;  // the page numbers shown
  int font_height = 0;
  bool stored = false;
};

RecordedJob RunJob(ZevrilState& state, bool preview = false) {
  RecordedJob recorded;
  plat::RecordingDc dc(testing::A4Caps());
  PrintJob job = BeginPrintJob(state, dc, preview);
  for (int page = 1; PageFollows(state, job, page); ++page) {
    dc.Clear();
    recorded.lines.push_back(PrintPage(state, job, page, dc));
    for (const testing::PlacedText& t : testing::Texts(dc)) {
      if (t.left == 3776) recorded.numbers.push_back(t.text);
    }
    recorded.font_height = dc.ops().back().font.height;
  }
  recorded.stored = EndPrintJob(state, job, true).ok();
  return recorded;
}

ZevrilState StateOf(int lines, const std::string& folder = {}) {
  ZevrilState state;
  state.page.font_size = 10;
  state.page.counter_folder = folder;
  state.table = SplitPrintLines(testing::NumberedLines(lines));
  return state;
}

TEST(PrintJob, PagesHoldSixtyThreeLines) {
  ZevrilState state = StateOf(127);
  EXPECT_EQ(RunJob(state).lines, (std::vector<int>{63, 63, 1}));
  state = StateOf(126);
  EXPECT_EQ(RunJob(state).lines, (std::vector<int>{63, 63}));
  state = StateOf(0);
  EXPECT_TRUE(RunJob(state).lines.empty());
}

TEST(PrintJob, TheFontSizeOfTheForm) {
  const std::pair<const char*, int> cases[] = {{"0", -66}, {"15", -66}, {"abc", -66}, {"-3", -66}, {"14", -116}};
  for (const auto& [text, height] : cases) {
    ZevrilState state = StateOf(1);
    state.page.font_size = FontSizeFromText(text);
    const RecordedJob job = RunJob(state);
    EXPECT_EQ(job.font_height, height) << text;
  }
}

TEST(PrintJob, NumbersRunOnFromFseiteAcrossJobs) {
  const std::string folder = plat::testing::TestFolder();
  ASSERT_TRUE(common::WritePageCounterFile(folder + "FSEITE", 5));
  ZevrilState state = StateOf(127, folder);
  EXPECT_EQ(RunJob(state).numbers, (std::vector<std::string>{"5", "6", "7"}));
  EXPECT_EQ(testing::ReadAll(folder + "FSEITE"), std::string("\x08\x00", 2));
  EXPECT_EQ(testing::ReadAll(folder + "FSEITE.TXT"), "8");
  EXPECT_EQ(RunJob(state).numbers, (std::vector<std::string>{"8", "9", "10"}));
  EXPECT_EQ(testing::ReadAll(folder + "FSEITE.TXT"), "11");
}

TEST(PrintJob, APreviewShowsTheNumbersAndChangesNothing) {
  const std::string folder = plat::testing::TestFolder();
  ASSERT_TRUE(common::WritePageCounterFile(folder + "FSEITE", 5));
  ZevrilState state = StateOf(127, folder);
  EXPECT_EQ(RunJob(state, true).numbers, (std::vector<std::string>{"5", "6", "7"}));
  EXPECT_EQ(testing::ReadAll(folder + "FSEITE"), std::string("\x05\x00", 2));
  EXPECT_EQ(testing::ReadAll(folder + "FSEITE.TXT"), "");
  EXPECT_EQ(state.page_counter, 5);
}

TEST(PrintJob, WithoutFseiteTheCountGoesOnFromMemory) {
  const std::string folder = plat::testing::TestFolder();
  ZevrilState state = StateOf(64, folder);
  state.page_counter = 12;  // Erste Seite of the page form
  EXPECT_EQ(RunJob(state).numbers, (std::vector<std::string>{"12", "13"}));
  EXPECT_EQ(common::ReadPageCounterFile(folder + "FSEITE"), 14);
}

TEST(PrintJob, WithoutFkpfadTheCounterLiesBesideTheListing) {
  const std::string folder = plat::testing::TestFolder() + "SDIRA1/";
  ZevrilState state = StateOf(3);
  ASSERT_TRUE(plat::MakeFolder(folder));
  state.print_file = folder + "D1.TXT";
  ASSERT_TRUE(testing::WriteAll(state.print_file, testing::NumberedLines(3)));
  ASSERT_TRUE(common::WritePageCounterFile(folder + "FSEITE", 40));
  EXPECT_EQ(RunJob(state).numbers, (std::vector<std::string>{"40"}));
  EXPECT_EQ(testing::ReadAll(folder + "FSEITE.TXT"), "41");
}

TEST(PrintJob, ACounterThatCannotBeStoredFailsTheJob) {
  const std::string folder = plat::testing::TestFolder() + "MISSING/";
  ZevrilState state = StateOf(3, folder);
  EXPECT_FALSE(RunJob(state).stored);
}

}  // namespace
}  // namespace zevril
