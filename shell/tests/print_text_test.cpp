// Printing text listings into a PDF printer, and copying them into one file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "platform/print/print_testing.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/dialog_testing.h"
#include "shell/print/print_text.h"
#include "shell/tests/shell_test_files.h"

namespace quentaris {
namespace {

using testing::FileText;
using testing::PutFile;
using testing::PutSetting;
using testing::SettingsFolder;

// "<prefix>001" .. "<prefix><count>", one a line.
std::string Lines(const std::string& prefix, int count) {
  std::string text;
  char number[16];
  for (int i = 1; i <= count; ++i) {
    std::snprintf(number, sizeof number, "%03d", i);
    text += prefix + number + "\r\n";
  }
  return text;
}

int Count(const std::string& text, const std::string& word) {
  int n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

class PrintTextTest : public testing::PositionTest {
 protected:
  void SetUp() override {
    PositionTest::SetUp();
    pdf_ = plat::testing::TestFolder() + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".pdf";
  }

  std::string pdf_;
  plat::testing::MessageBoxScript boxes_;
};

TEST_F(PrintTextTest, OneFileRunsOverAsManyPagesAsItNeeds) {
  PutFile(state_.position_folder + "LIST.TXT", Lines("L", 150));
  {
    plat::testing::PrintToPdf print_to(pdf_);
    EXPECT_TRUE(PrintTextFile(state_, state_.position_folder + "LIST.TXT"));
  }
  ASSERT_EQ(plat::testing::PdfPages(pdf_).size(), 3u);
  EXPECT_EQ(Count(plat::testing::PdfPageText(pdf_, 1), "L"), 72);
  EXPECT_EQ(Count(plat::testing::PdfPageText(pdf_, 2), "L"), 72);
  const std::string last = plat::testing::PdfPageText(pdf_, 3);
  EXPECT_EQ(Count(last, "L"), 6);
  EXPECT_NE(last.find("L145"), std::string::npos);
  EXPECT_NE(last.find("L150"), std::string::npos);
  EXPECT_EQ(last.find("L144"), std::string::npos);
  EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(PrintTextTest, LinesTallerThanThePageGoOneAPageAndTheJobEnds) {
  PutSetting("DRUCKER1.INI", "Courier New\r\n1000\r\n20\r\n10\r\n");
  PutFile(state_.position_folder + "LIST.TXT", "A\r\nB\r\n");
  {
    plat::testing::PrintToPdf print_to(pdf_);
    EXPECT_TRUE(PrintTextFile(state_, state_.position_folder + "LIST.TXT"));
  }
  EXPECT_EQ(plat::testing::PdfPages(pdf_).size(), 2u);
}

TEST_F(PrintTextTest, AnEmptyFilePrintsNoPageAndNoFailure) {
  PutFile(state_.position_folder + "LIST.TXT", "");
  {
    plat::testing::PrintToPdf print_to(pdf_);
    EXPECT_TRUE(PrintTextFile(state_, state_.position_folder + "LIST.TXT"));
  }
  EXPECT_TRUE(boxes_.shown().empty());
}

TEST_F(PrintTextTest, AFontSizeBelowOnePrintsInTenPoints) {
  PutSetting("DRUCKER1.INI", "Courier New\r\n0\r\n0\r\n10\r\n");
  PutFile(state_.position_folder + "LIST.TXT", Lines("L", 73));
  {
    plat::testing::PrintToPdf print_to(pdf_);
    EXPECT_TRUE(PrintTextFile(state_, state_.position_folder + "LIST.TXT"));
  }
  EXPECT_EQ(plat::testing::PdfPages(pdf_).size(), 2u);
}

TEST_F(PrintTextTest, OutputsGetHeadingsAndNumberedPages) {
  PutFile(state_.position_folder + "D3", Lines("D3-", 10));
  PutFile(state_.position_folder + "D4.TXT", Lines("D4-", 10));
  PutSetting("IDZ", std::string("\x01\x00", 2));
  PutSetting("INC1", "Statik");
  PutSetting("INC2", "Second");
  PutFile(state_.position_folder + "PAGENR", std::string("\x07\x00\x03\x00\x00\x00\x00\x00", 8));
  {
    plat::testing::PrintToPdf print_to(pdf_);
    EXPECT_TRUE(PrintTextFiles(state_, {3, 4}));
  }
  ASSERT_EQ(plat::testing::PdfPages(pdf_).size(), 2u);
  const std::string first = plat::testing::PdfPageText(pdf_, 1);
  const std::string second = plat::testing::PdfPageText(pdf_, 2);
  for (const std::string* page : {&first, &second}) {
    EXPECT_NE(page->find("Statik"), std::string::npos) << *page;
    EXPECT_EQ(page->find("Second"), std::string::npos) << *page;
  }
  EXPECT_NE(first.find("Page 7"), std::string::npos) << first;
  EXPECT_EQ(Count(first, "D3-"), 10);
  EXPECT_NE(second.find("Page 8"), std::string::npos) << second;
  EXPECT_EQ(Count(second, "D4-"), 10);
  EXPECT_EQ(InPosition("PAGENR"), std::string("\x09\x00\x04\x00\x00\x00\x00\x00", 8));
  EXPECT_TRUE(boxes_.shown().empty());
  // The pages, for the eye.
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::CopyFile(pdf_, snapshots + "quentaris-print-outputs.pdf", true));
}

TEST_F(PrintTextTest, ALongOutputRunsOnWithTheSheetOnEveryPage) {
  PutFile(state_.position_folder + "D1", Lines("X", 150));
  PutFile(state_.position_folder + "PAGENR", std::string("\x01\x00\x05\x00\x02\x00\x01\x00", 8));
  setenv("TZ", "UTC", 1);
  tzset();
  plat::testing::FakeClock clock(1796731200);
  {
    plat::testing::PrintToPdf print_to(pdf_);
    EXPECT_TRUE(PrintTextFiles(state_, {1}));
  }
  const auto pages = plat::testing::PdfPages(pdf_);
  ASSERT_GE(pages.size(), 3u);
  int lines = 0;
  for (std::size_t page = 1; page <= pages.size(); ++page) {
    const std::string text = plat::testing::PdfPageText(pdf_, static_cast<int>(page));
    lines += Count(text, "X");
    EXPECT_NE(text.find("Sheet 5"), std::string::npos) << text;
    EXPECT_NE(text.find("08.12.2026"), std::string::npos) << text;
    EXPECT_NE(text.find("Page " + std::to_string(page)), std::string::npos) << text;
  }
  EXPECT_EQ(lines, 150);
  EXPECT_EQ(InPosition("PAGENR")[0], static_cast<char>(pages.size() + 1));
}

TEST_F(PrintTextTest, AMissingOutputEndsTheJobAndLeavesTheNumbering) {
  PutFile(state_.position_folder + "D3", Lines("D3-", 10));
  const std::string pagenr("\x07\x00\x03\x00\x00\x00\x00\x00", 8);
  PutFile(state_.position_folder + "PAGENR", pagenr);
  {
    plat::testing::PrintToPdf print_to(pdf_);
    EXPECT_FALSE(PrintTextFiles(state_, {3, 5}));
  }
  EXPECT_EQ(plat::testing::PdfPages(pdf_).size(), 1u);
  ASSERT_EQ(boxes_.shown().size(), 1u);
  EXPECT_EQ(boxes_.shown()[0].text, "Die Datei " + state_.position_folder + "D5 fehlt.");
  EXPECT_EQ(InPosition("PAGENR"), pagenr);
}

TEST_F(PrintTextTest, CopiesTheOutputsIntoOneFile) {
  PutFile(state_.position_folder + "D3", "three 1\r\nthree 2\r\n");
  PutFile(state_.position_folder + "D4.TXT", "four\n");
  EXPECT_TRUE(PrintTextFilesToFile(state_, "ALL.TXT", {3, 7, 4}));
  EXPECT_EQ(InPosition("ALL.TXT"), "three 1\r\nthree 2\r\nfour\r\n");
}

TEST_F(PrintTextTest, ACancelledDialogPrintsNothing) {
  plat::testing::PrintDialogScript dialogs;
  dialogs.Answer({.id = plat::IDCANCEL});
  dialogs.Answer({.id = plat::IDCANCEL});
  PutFile(state_.position_folder + "D3", "x\r\n");
  const std::string pagenr("\x07\x00\x03\x00\x00\x00\x00\x00", 8);
  PutFile(state_.position_folder + "PAGENR", pagenr);
  EXPECT_FALSE(PrintTextFiles(state_, {3}));
  EXPECT_FALSE(PrintTextFile(state_, state_.position_folder + "D3"));
  EXPECT_EQ(dialogs.shown().size(), 2u);
  EXPECT_EQ(InPosition("PAGENR"), pagenr);
}

}  // namespace
}  // namespace quentaris
