// The whole road through the real shell: QUENTARIS started with a geometry echo
// file rebuilds the position (KELMF "@G" stored by its script, PUNDF "@G"),
// then its Compute starts ZEDIR on every load case, and its Texts dialog prints
// the last listing through ZEVRIL.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "common/settings.h"
#include "common/settings_files.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "tests/e2e/e2e_positions.h"

namespace {

namespace fs = std::filesystem;
using e2e::ReadBytes;

std::string Bytes(std::initializer_list<unsigned char> bytes) { return std::string(bytes.begin(), bytes.end()); }

// Waits until ZEDIR's run ended: LASTD holds the last page (12) and its lock is gone.
bool WaitForSolver(const std::string& folder, std::chrono::seconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (ReadBytes(folder + "LASTD") == Bytes({0x0C, 0x00}) && !fs::exists(folder + "ZEDIRLOCK.BEAM2")) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

TEST(ShellRoad, EchoFileRebuiltByTheShellIsComputedAndPrinted) {
  const std::string here = plat::testing::TestFolder();
  fs::current_path(here);  // the data path "D/" lies in the test's folder
  const common::SettingsContext settings = common::SettingsContext::Discover();
  ASSERT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(settings, "DPATH"), "D/"));
  fs::create_directory(here + "tmp");
  for (const char* echo : {"ECHO_G", "ECHO_L"}) {
    fs::copy_file(plat::testing::BinFolder() + "EXAMPLES/" + echo + ".BEAM2.TXT",
                  here + "tmp/" + echo + ".BEAM2.TXT");
  }
  plat::testing::WriteScript("KELMF", "command 57603\n");
  const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "QUENTARIS", {here + "tmp/ECHO_G.BEAM2.TXT"},
                                            "command 32779\npress 1\ncommand 57665\n", {{"PLAT_SCRIPT_IDLE_S", "20"}});
  EXPECT_EQ(run.exit_code, 0) << run.start_error << run.messages << run.log_text();
  EXPECT_EQ(run.messages, "Ready\tFrame and load cases have been reinstalled.\n") << run.log_text();
  const std::string folder = here + "D/SDIRBEAM2/";
  EXPECT_EQ(ReadBytes(folder + "GEOMETRY.BEAM2"), Bytes({1, 0, 0, 0}));
  std::string listing;
  for (const auto& entry : fs::directory_iterator(folder)) listing += entry.path().filename().string() + " ";
  const std::string diary = ReadBytes(folder + "DIARY.BEAM2");
  ASSERT_EQ(diary.size(), 4836u) << listing;
  EXPECT_EQ(diary.substr(0, 2), Bytes({5, 0}));  // five load cases
  const std::string batch = ReadBytes(folder + "BATCH.BEAM2");
  ASSERT_EQ(batch.size(), 1820u);
  EXPECT_EQ(batch.substr(0, 8), Bytes({5, 0, 0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(batch.find_first_not_of('\0', 8), std::string::npos);
  EXPECT_EQ(ReadBytes(common::JoinSettingsPath(settings, "EXTV")), Bytes({0x75, 1, 0, 0, 6, '.', 'B', 'E', 'A', 'M', '2'}));

  ASSERT_TRUE(WaitForSolver(folder, std::chrono::seconds(120)));
  const std::string files = ReadBytes(folder + "FILES");
  for (int page = 1; page <= 12; ++page) {
    EXPECT_NE(files.find("D" + std::to_string(page)), std::string::npos) << page;
  }

  // The Texts dialog opens with the last page (D12) selected; it goes through ZEVRIL.
  const std::string pdf = here + "texts.pdf";
  const auto print = plat::testing::RunScript(plat::testing::BinFolder() + "QUENTARIS", {},
                                              "command 33807\npress 1011\nset 1037 1\nset 1011 10\npress 1010\n"
                                              "command 57665\n",
                                              {{"PLAT_SCRIPT_IDLE_S", "20"}, {"PLAT_PRINT_TO_PDF", pdf}});
  EXPECT_EQ(print.exit_code, 0) << print.start_error << print.messages << print.log_text();
  EXPECT_EQ(print.messages, "") << print.log_text();
  ASSERT_EQ(plat::testing::PdfPages(pdf).size(), 1u) << print.log_text();
  const std::string text = plat::testing::PdfPageText(pdf, 1);
  for (const char* expected : {"PROGRAMM: QUENTARIS 22.54", "Nodal displacements u, v, tan phi in load case 5"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
  const std::size_t page_field = text.find("SEITE:");
  ASSERT_NE(page_field, std::string::npos) << text;
  EXPECT_NE(text.find("\n1\n", page_field), std::string::npos) << text;  // the page number under it
  EXPECT_EQ(ReadBytes(folder + "FSEITE"), Bytes({2, 0}));
  EXPECT_EQ(ReadBytes(folder + "FSEITE.TXT"), "2");
}

}  // namespace
