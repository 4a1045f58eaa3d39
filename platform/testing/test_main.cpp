// The main of every test program: an offscreen application object and a fresh
// scratch folder (with its own XDG_DATA_HOME) for each test.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/application.h"
#include "platform/testing/testing.h"

namespace plat::testing {
namespace {

std::string current_folder;

class ScratchFolders : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    std::string templ = (std::filesystem::temp_directory_path() / "suite-test-XXXXXX").string();
    char* made = mkdtemp(templ.data());
    ASSERT_NE(made, nullptr) << "cannot create a scratch folder";
    current_folder = std::string(made) + "/";
    std::filesystem::create_directory(current_folder + "xdg");
    setenv("XDG_DATA_HOME", (current_folder + "xdg").c_str(), 1);
  }
  void OnTestEnd(const ::testing::TestInfo&) override {
    std::error_code ec;
    if (!current_folder.empty()) std::filesystem::remove_all(current_folder, ec);
    current_folder.clear();
  }
};

}  // namespace

std::string TestFolder() { return current_folder; }

}  // namespace plat::testing

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  plat::Application app(argc, argv);
  ::testing::UnitTest::GetInstance()->listeners().Append(new plat::testing::ScratchFolders);
  return RUN_ALL_TESTS();
}
