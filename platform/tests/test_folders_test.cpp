// Where tests and a suite's set-up make their files: never the working folder, and nothing that
// outlives the test program.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/testing/testing.h"

namespace {

namespace fs = std::filesystem;

std::string SettingsHome() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  return xdg ? xdg : "";
}

bool StartsWith(const std::string& text, const std::string& head) { return text.rfind(head, 0) == 0; }

// The program's temporary folder is one of its own, made at its start.
TEST(TestFolders, ATestWorksInItsOwnFolderInTheProgramsTemporaryFolder) {
  const std::string temp = fs::temp_directory_path().string();
  EXPECT_TRUE(StartsWith(fs::path(temp).filename().string(), "suite-program-")) << temp;
  const std::string test = plat::testing::TestFolder();
  EXPECT_TRUE(StartsWith(test, temp + "/")) << test;
  EXPECT_EQ(plat::testing::WorkFolder(), test);
  EXPECT_EQ(SettingsHome(), test + "xdg");
}

// What a suite's set-up saw, outside any test.
struct SetUpSaw {
  std::string settings_before;  // XDG_DATA_HOME before it made its folder
  std::string folder;
  std::string settings_after;
};

class SuiteSetUp : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    saw_ = new SetUpSaw;
    saw_->settings_before = SettingsHome();
    saw_->folder = plat::testing::WorkFolder();
    saw_->settings_after = SettingsHome();
  }
  static void TearDownTestSuite() { delete saw_; }
  static inline SetUpSaw* saw_ = nullptr;
};

TEST_F(SuiteSetUp, WorksInAFolderOfItsOwnWithItsOwnSettings) {
  const std::string temp = fs::temp_directory_path().string();
  // Not the last test's removed folder, not the user's settings: the program's own.
  EXPECT_TRUE(StartsWith(saw_->settings_before, temp + "/")) << saw_->settings_before;
  EXPECT_TRUE(fs::is_directory(saw_->settings_before)) << saw_->settings_before;
  // An absolute folder of the temporary folder, never the working folder.
  EXPECT_TRUE(StartsWith(saw_->folder, temp + "/")) << saw_->folder;
  EXPECT_NE(saw_->folder, plat::testing::TestFolder());
  EXPECT_TRUE(fs::is_directory(saw_->folder + "xdg"));
  EXPECT_EQ(saw_->settings_after, saw_->folder + "xdg");
}

}  // namespace
