// The page settings of a run: FKOPF, FKPFAD, the font size and the first
// page number; the command line.
#include <gtest/gtest.h>

#include "Zelko1/app/command_line.h"
#include "Zelko1/page/page_counter.h"
#include "Zelko1/page/zevril_state.h"
#include "Zelko1/tests/zevril_files.h"
#include "common/page/page_counter_files.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace zevril {
namespace {

using Field = common::PageHeader::Field;

common::SettingsContext Settings() {
  common::SettingsContext settings = common::SettingsContext::Discover();
  EXPECT_TRUE(settings.found);
  return settings;
}

TEST(PageSettings, FontSizeTexts) {
  const std::pair<const char*, int> cases[] = {{"0", 8},  {"15", 8}, {"abc", 8}, {"-3", 8}, {"", 8},
                                               {"14", 14}, {"1", 1}, {"10", 10}, {" 12 ", 12}, {"9x", 9}};
  for (const auto& [text, size] : cases) EXPECT_EQ(FontSizeFromText(text), size) << text;
}

TEST(PageSettings, WithoutFilesTheFormIsEmptyAndTheCountStartsAtOne) {
  const common::SettingsContext settings = Settings();
  ZevrilState state;
  state.page_counter = 77;
  TakePageSettings(state, LoadPageHeader(settings));
  for (int f = 0; f < Field::kFirstPage; ++f) EXPECT_EQ(state.page.header.fields[f], "");
  EXPECT_EQ(state.page.header[Field::kFirstPage], "1");
  EXPECT_EQ(state.page.font_size, 10);
  EXPECT_EQ(state.page.counter_folder, "");
  EXPECT_EQ(state.page_counter, 1);
}

TEST(PageSettings, FkopfIsTrimmedAndItsFirstPageStartsTheCount) {
  const common::SettingsContext settings = Settings();
  common::PageHeader header;
  header[Field::kAuthor] = "Ing. Muster   ";
  header[Field::kDate] = "1.2.2026\t";
  header[Field::kFirstPage] = "12";
  header[Field::kFontSize] = "abc";
  ASSERT_TRUE(common::WritePageHeaderFile(common::JoinSettingsPath(settings, common::kPageHeaderFile), header));
  const std::string folder = plat::testing::TestFolder() + "SDIRA1";
  ASSERT_TRUE(common::WritePageHeaderPathFile(common::JoinSettingsPath(settings, common::kPageHeaderPathFile), folder));
  ZevrilState state;
  TakePageSettings(state, LoadPageHeader(settings));
  EXPECT_EQ(state.page.header[Field::kAuthor], "Ing. Muster");
  EXPECT_EQ(state.page.header[Field::kDate], "1.2.2026");
  EXPECT_EQ(state.page.font_size, 8);
  EXPECT_EQ(state.page_counter, 12);
  EXPECT_EQ(state.page.counter_folder, folder + "/");
}

TEST(PageCounter, LiesInFkpfadsFolderElseInTheListingsFolder) {
  ZevrilState state;
  EXPECT_EQ(CounterFolder(state), std::nullopt);
  state.print_file = "/data/SDIRA1/D3.TXT";
  EXPECT_EQ(CounterFolder(state), "/data/SDIRA1/");
  state.page.counter_folder = "/data/SDIRB2/";
  EXPECT_EQ(CounterFolder(state), "/data/SDIRB2/");
}

TEST(PageCounter, AFailedWriteIsNamed) {
  const std::string folder = plat::testing::TestFolder();
  // A folder where FSEITE should be.
  ASSERT_TRUE(plat::MakeFolder(folder + "FSEITE"));
  ZevrilState state;
  state.page.counter_folder = folder;
  const common::Result stored = StorePageCounter(state, true);
  ASSERT_FALSE(stored.ok());
  EXPECT_EQ(stored.text(), "The page counter " + folder + "FSEITE could not be written.");
  EXPECT_EQ(testing::ReadAll(folder + "FSEITE.TXT"), "");
}

TEST(CommandLine, FileAndPrintSwitch) {
  struct Case {
    const char* text;
    const char* file;
    bool print;
  };
  const Case cases[] = {
      {"/data/D1.TXT /p", "/data/D1.TXT", true},
      {"/data/D1.TXT /P", "/data/D1.TXT", true},
      {"/data/D1.TXT", "/data/D1.TXT", false},
      {"\"/data/my listing.txt\" /p", "/data/my listing.txt", true},
      {"/data/my listing.txt /p", "/data/my listing.txt", true},
      {"/p /data/D1.TXT", "/data/D1.TXT", true},
      {"", "", false},
      {"/p", "", true},
      {"/pdf", "/pdf", false},
  };
  for (const Case& c : cases) {
    const ZevrilCommandLine line = ParseZevrilCommandLine(c.text);
    EXPECT_EQ(line.file, c.file) << c.text;
    EXPECT_EQ(line.print, c.print) << c.text;
  }
}

}  // namespace
}  // namespace zevril
