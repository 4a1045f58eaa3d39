// Programs on a machine without a display: the unattended road draws offscreen and computes what it
// computes with a display; a program that needs a person ends at once with its message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "common/position/position.h"
#include "platform/binary_io.h"
#include "platform/testing/testing.h"
#include "tests/e2e/e2e_positions.h"
#include "tests/e2e/file_bytes.h"

namespace {

using e2e::ComputePosition;
using e2e::ExampleText;
using e2e::ReadBytes;

// Unsets a variable of the environment while alive, then puts its old value back.
class UnsetVariable {
 public:
  explicit UnsetVariable(const char* name) : name_(name) {
    if (const char* value = std::getenv(name)) old_ = value;
    unsetenv(name);
  }
  ~UnsetVariable() {
    if (old_) setenv(name_, old_->c_str(), 1);
  }
  UnsetVariable(const UnsetVariable&) = delete;
  UnsetVariable& operator=(const UnsetVariable&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The files of a position folder by name, without the time table (its bytes hold the time).
std::map<std::string, std::string> FolderFiles(const common::Position& position) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(position.folder())) {
    const std::string name = entry.path().filename().string();
    if (name != "TTABLE") files[name] = ReadBytes(entry.path().string());
  }
  return files;
}

TEST(ComputePositionProgram, WithoutDisplayTheSolverWorksOffscreen) {
  auto computed = [](const std::string& data) {
    const common::Position position(plat::testing::TestFolder() + data + "/", ".PORTAL");
    EXPECT_TRUE(common::EnsurePositionFolder(position));
    for (const char* kind : {"ECHO_G", "ECHO_L"}) {
      const std::string text = ExampleText(kind, "PORTAL");
      EXPECT_TRUE(plat::WriteBlock(position.TextFile(kind), text.data(), text.size()));
    }
    const auto run = ComputePosition(position);
    EXPECT_EQ(run.exit_code, 0) << data;
    EXPECT_EQ(run.messages, "") << data;
    return FolderFiles(position);
  };
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const auto offscreen = computed("offscreen");
  std::map<std::string, std::string> without;
  {
    UnsetVariable display("DISPLAY"), wayland("WAYLAND_DISPLAY"), platform("QT_QPA_PLATFORM");
    without = computed("nodisplay");
    // A program that needs a person ends at once with its message instead of aborting in Qt.
    const auto kelmf = plat::testing::RunProgram("KELMF", {});
    EXPECT_EQ(kelmf.exit_code, 1);
  }
  EXPECT_GT(offscreen.size(), 50u);
  EXPECT_TRUE(offscreen == without);
}

}  // namespace
