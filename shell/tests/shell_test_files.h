#pragma once
// Small helpers of the shell's tests: the test's settings folder and files in it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "shell/state/shell_state.h"

namespace quentaris::testing {

// The test's folder is the current one while it lives, so that "D/" is a data path in it.
class InTestFolder {
 public:
  InTestFolder() : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(plat::testing::TestFolder());
  }
  ~InTestFolder() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

inline std::string SettingsFolder() { return plat::testing::TestFolder() + "xdg/QUENTARIS"; }

inline void PutFile(const std::string& path, std::string_view bytes) {
  const std::size_t slash = path.rfind('/');
  ASSERT_TRUE(plat::MakeFolder(path.substr(0, slash)));
  ASSERT_TRUE(plat::WriteBlock(path, bytes.data(), bytes.size()));
}

inline void PutSetting(const std::string& name, std::string_view bytes) {
  PutFile(SettingsFolder() + "/" + name, bytes);
}

inline std::string FileText(const std::string& path) {
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return "(missing)";
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

// A test with the settings folder and the position "Halle" (its folder made).
class PositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(plat::MakeFolder(SettingsFolder()));
    state_.settings = common::SettingsContext::Discover();
    state_.data_path = plat::testing::TestFolder() + "data/";
    state_.position_name = "Halle";
    state_.position_ext = ".Halle";
    state_.position_folder = state_.data_path + "SDIRHalle/";
    ASSERT_TRUE(plat::MakeFolder(state_.position_folder));
  }
  std::string Setting(const std::string& name) const { return FileText(SettingsFolder() + "/" + name); }
  std::string InPosition(const std::string& name) const { return FileText(state_.position_folder + name); }

  ShellState state_;
};

// A window as the screen shows it, in the snapshots folder for the eye.
inline void SaveSnapshot(plat::Window& window, const std::string& name) {
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(window).Save(snapshots + name).ok());
}

}  // namespace quentaris::testing
