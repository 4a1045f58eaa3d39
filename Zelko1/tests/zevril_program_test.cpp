// The real ZEVRIL as the shell starts it ("<file> /p" with PLAT_PRINT_TO_PDF),
// and a session of a person in its window.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Zelko1/tests/zevril_files.h"
#include "common/page/page_counter_files.h"
#include "common/settings.h"
#include "platform/files.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/text_codec.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"

namespace zevril {
namespace {

using testing::Normalised;
using testing::ReadAll;

int Count(const std::string& text, const std::string& word) {
  int n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++n;
  return n;
}

// A position folder named by FKPFAD, FSEITE 5, no FKOPF, a listing of `lines` lines.
std::string PreparePosition(int lines) {
  const std::string folder = plat::testing::TestFolder() + "SDIRA1/";
  EXPECT_TRUE(plat::MakeFolder(folder));
  EXPECT_TRUE(testing::WriteAll(folder + "D1.TXT", testing::NumberedLines(lines)));
  EXPECT_TRUE(common::WritePageCounterFile(folder + "FSEITE", 5));
  const common::SettingsContext settings = common::SettingsContext::Discover();
  EXPECT_TRUE(common::WritePageHeaderPathFile(common::JoinSettingsPath(settings, common::kPageHeaderPathFile), folder));
  return folder;
}

// ZEVRIL started as the shell starts it, printing a listing of the position
// into out.pdf of the test folder.
struct ShellStart {
  std::string folder;
  std::string pdf = plat::testing::TestFolder() + "out.pdf";
  plat::testing::ProgramRun run;

  explicit ShellStart(int lines, const std::string& listing = "D1.TXT") : folder(PreparePosition(lines)) {
    plat::testing::PrintToPdf print_to(pdf);
    run = plat::testing::RunProgram("ZEVRIL", {folder + listing, "/p"});
  }
};

// The text of a PDF as pdftotext lays it out.
std::string PdfLayoutText(const std::string& pdf) {
  std::string printed;
  if (FILE* text = popen(("pdftotext -layout '" + pdf + "' - 2>/dev/null").c_str(), "r")) {
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, text)) > 0;) printed.append(buffer, got);
    pclose(text);
  }
  return printed;
}

TEST(ZevrilProgram, PrintsAListingOnNumberedPagesAndEnds) {
  const ShellStart start(113);
  const std::string& folder = start.folder;
  const std::string& pdf = start.pdf;
  const auto& run = start.run;
  EXPECT_EQ(run.exit_code, 0) << run.messages;
  EXPECT_EQ(run.messages, "");
  ASSERT_EQ(plat::testing::PdfPages(pdf).size(), 3u);
  // Courier New of 10 points is 94 pixels high on the PDF printer: 56 lines a page.
  const std::string page1 = plat::testing::PdfPageText(pdf, 1);
  EXPECT_EQ(Count(page1, "LINE "), 56);
  const std::string page3 = plat::testing::PdfPageText(pdf, 3);
  EXPECT_EQ(Count(page3, "LINE "), 1);
  EXPECT_NE(page3.find("LINE 113"), std::string::npos);
  for (int page = 1; page <= 3; ++page) {
    const std::string text = plat::testing::PdfPageText(pdf, page);
    EXPECT_NE(text.find("SEITE:"), std::string::npos) << text;
    EXPECT_NE(text.find("\n" + std::to_string(4 + page) + "\n"), std::string::npos) << text;
  }
  EXPECT_EQ(ReadAll(folder + "FSEITE"), std::string("\x08\x00", 2));
  EXPECT_EQ(ReadAll(folder + "FSEITE.TXT"), "8");
}

TEST(ZevrilProgram, TheSolversListingIsPrintedWholeAtTheDefaultForm) {
  // BEAM2 computed by the real programs; its first listing of results is D3.
  const std::string data = plat::testing::TestFolder() + "data/";
  const std::string folder = data + "SDIRBEAM2/";
  ASSERT_TRUE(plat::MakeFolder(folder));
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    const std::string name = std::string(echo) + ".BEAM2.TXT";
    ASSERT_TRUE(testing::WriteAll(folder + name, ReadAll(plat::testing::BinFolder() + "EXAMPLES/" + name)));
  }
  const auto computed = plat::testing::RunProgram("compute-position", {data, "BEAM2"});
  ASSERT_EQ(computed.exit_code, 0) << computed.start_error << computed.messages;
  const std::string listing = ReadAll(folder + "D3.TXT");
  ASSERT_FALSE(listing.empty());
  const common::SettingsContext settings = common::SettingsContext::Discover();
  ASSERT_TRUE(common::WritePageHeaderPathFile(common::JoinSettingsPath(settings, common::kPageHeaderPathFile), folder));
  const int first_page = common::ReadPageCounterFile(folder + "FSEITE").value_or(1);
  const std::string pdf = plat::testing::TestFolder() + "d3.pdf";
  {
    plat::testing::PrintToPdf print_to(pdf);
    const auto run = plat::testing::RunProgram("ZEVRIL", {folder + "D3.TXT", "/p"});
    ASSERT_EQ(run.exit_code, 0) << run.messages;
  }
  const std::size_t pages = plat::testing::PdfPages(pdf).size();
  ASSERT_GT(pages, 0u);
  // The text as laid out on the pages, line by line.
  const std::string all = " " + Normalised(PdfLayoutText(pdf)) + " ";
  int lines = 0;
  std::size_t begin = 0;
  while (begin < listing.size()) {
    std::size_t end = listing.find('\n', begin);
    if (end == std::string::npos) end = listing.size();
    const std::string line = Normalised(plat::Cp1252ToUtf8(listing.substr(begin, end - begin)));
    if (!line.empty()) {
      ++lines;
      EXPECT_NE(all.find(" " + line + " "), std::string::npos) << "not printed whole: " << line;
    }
    begin = end + 1;
  }
  EXPECT_GT(lines, 20);
  EXPECT_GT(Count(listing, "V ="), 0);
  EXPECT_EQ(Count(all, "V ="), Count(Normalised(listing), "V ="));
  // Pages and FSEITE count the printed lines.
  EXPECT_EQ(common::ReadPageCounterFile(folder + "FSEITE"), first_page + static_cast<int>(pages));
}

// Lines of 202 characters, longer than the 126 a piece of a line is read in
// and than the 118 a table line held: every word is printed, in order, and
// the pages and FSEITE count the printed lines.
TEST(ZevrilProgram, LinesLongerThanATableLineArePrintedWhole) {
  const std::string folder = PreparePosition(1);
  std::string listing;
  std::vector<std::string> lines;
  for (int l = 1; l <= 60; ++l) {
    std::string line;
    for (int w = 1; w <= 29; ++w) {
      char word[16];
      std::snprintf(word, sizeof word, "L%02dW%02d", l, w);
      line += (w > 1 ? " " : "") + std::string(word);
    }
    lines.push_back(line);
    listing += line + "\r\n";
  }
  ASSERT_EQ(lines[0].size(), 202u);
  ASSERT_TRUE(testing::WriteAll(folder + "D4.TXT", listing));
  const std::string pdf = plat::testing::TestFolder() + "long.pdf";
  {
    plat::testing::PrintToPdf print_to(pdf);
    const auto run = plat::testing::RunProgram("ZEVRIL", {folder + "D4.TXT", "/p"});
    ASSERT_EQ(run.exit_code, 0) << run.messages;
  }
  const std::string all = " " + Normalised(PdfLayoutText(pdf)) + " ";
  for (const std::string& line : lines) EXPECT_NE(all.find(" " + line + " "), std::string::npos) << line;
  const int pages = static_cast<int>(plat::testing::PdfPages(pdf).size());
  EXPECT_GE(pages, 3);  // 60 lines fill two pages of 56 only when each is one printed line
  EXPECT_EQ(common::ReadPageCounterFile(folder + "FSEITE"), 5 + pages);
}

TEST(ZevrilProgram, TwoFullPages) {
  const ShellStart start(112);
  EXPECT_EQ(start.run.exit_code, 0) << start.run.messages;
  EXPECT_EQ(plat::testing::PdfPages(start.pdf).size(), 2u);
  EXPECT_EQ(ReadAll(start.folder + "FSEITE"), std::string("\x07\x00", 2));
}

TEST(ZevrilProgram, AMissingListingIsNamedAndNothingPrints) {
  const ShellStart start(1, "D7.TXT");
  EXPECT_NE(start.run.exit_code, 0);
  EXPECT_EQ(start.run.messages, "ZEVRIL\tThe file " + start.folder + "D7.TXT cannot be read.\n");
  EXPECT_FALSE(plat::FileExists(start.pdf));
  EXPECT_EQ(ReadAll(start.folder + "FSEITE"), std::string("\x05\x00", 2));
}

TEST(ZevrilProgram, AFailedPrintCountsNoPage) {
  const std::string folder = PreparePosition(10);
  plat::testing::PrintToPdf print_to(plat::testing::TestFolder() + "MISSING/out.pdf");
  const auto run = plat::testing::RunProgram("ZEVRIL", {folder + "D1.TXT", "/p"});
  EXPECT_NE(run.exit_code, 0);
  EXPECT_EQ(run.messages.rfind(" \tPrinting failed: ", 0), 0u) << run.messages;
  EXPECT_EQ(ReadAll(folder + "FSEITE"), std::string("\x05\x00", 2));
  EXPECT_FALSE(plat::FileExists(folder + "FSEITE.TXT"));
}

TEST(ZevrilProgram, AWindowThatNobodyCanUseEndsAtOnce) {
  const std::string folder = PreparePosition(10);
  const auto run = plat::testing::RunProgram("ZEVRIL", {folder + "D1.TXT"});
  EXPECT_EQ(run.exit_code, 97);
  EXPECT_EQ(ReadAll(folder + "FSEITE"), std::string("\x05\x00", 2));
}

TEST(ZevrilProgram, APersonSetsTheFirstPage) {
  const std::string folder = PreparePosition(30);
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "ZEVRIL", {folder + "D1.TXT"},
                                            "view-size 700 990\n"
                                            "snapshot zevril-window.png\n"
                                            "menu Bearbeiten\n"
                                            "set 1000 Ing. Muster\n"
                                            "set 1009 20\n"
                                            "press 1\n"
                                            "snapshot zevril-header.png\n"
                                            "close\n");
  EXPECT_EQ(run.exit_code, 0) << run.log_text() << run.messages;
  EXPECT_EQ(ReadAll(folder + "FSEITE"), std::string("\x14\x00", 2));
}

}  // namespace
}  // namespace zevril
