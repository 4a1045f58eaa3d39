// The main of every test program: an offscreen application object, a fresh
// scratch folder (with its own XDG_DATA_HOME) for each test, and one folder of
// the program's own that stands for the temporary folder while it runs: the
// tests' folders, a suite's examples, the window system's runtime folder and
// what the programs it starts put there all go with it at the end.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/application.h"
#include "platform/testing/testing.h"

namespace plat::testing {
namespace {

std::string current_folder;
std::string program_folder;

// A fresh folder "<stem>-XXXXXX/" with an empty "xdg" in the temporary folder; empty when it
// cannot be made.
std::string MakeScratchFolder(const char* stem) {
  std::string templ = (std::filesystem::temp_directory_path() / (std::string(stem) + "-XXXXXX")).string();
  const char* made = mkdtemp(templ.data());
  if (made == nullptr) return {};
  const std::string folder = std::string(made) + "/";
  std::filesystem::create_directory(folder + "xdg");
  return folder;
}

void UseSettingsOf(const std::string& folder) {
  if (!folder.empty()) setenv("XDG_DATA_HOME", (folder + "xdg").c_str(), 1);
}

class ScratchFolders : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    current_folder = MakeScratchFolder("suite-test");
    ASSERT_FALSE(current_folder.empty()) << "cannot create a scratch folder";
    UseSettingsOf(current_folder);
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    std::error_code ec;
    if (!current_folder.empty()) std::filesystem::remove_all(current_folder, ec);
    current_folder.clear();
    // Between tests (a suite's set-up, the program's end) settings go to the program's folder,
    // never into the removed folder of the last test or the user's own.
    UseSettingsOf(program_folder);
  }
};

}  // namespace

std::string TestFolder() { return current_folder; }

}  // namespace plat::testing

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  plat::testing::program_folder = plat::testing::MakeScratchFolder("suite-program");
  if (!plat::testing::program_folder.empty()) {
    const std::string& folder = plat::testing::program_folder;
    setenv("TMPDIR", folder.substr(0, folder.size() - 1).c_str(), 1);
    plat::testing::UseSettingsOf(plat::testing::program_folder);
  }
  int result = 0;
  {
    ::testing::InitGoogleTest(&argc, argv);
    plat::Application app(argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new plat::testing::ScratchFolders);
    result = RUN_ALL_TESTS();
  }
  std::error_code ec;
  if (!plat::testing::program_folder.empty()) std::filesystem::remove_all(plat::testing::program_folder, ec);
  return result;
}
