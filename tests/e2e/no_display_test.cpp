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
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "tests/e2e/captured_run.h"
#include "tests/e2e/e2e_positions.h"
#include "tests/e2e/x_session.h"
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

// A position folder holding the echo texts of the example PORTAL, under its own data path.
common::Position PortalIn(const std::string& data) {
  const common::Position position(plat::testing::TestFolder() + data + "/", ".PORTAL");
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* kind : {"ECHO_G", "ECHO_L"}) {
    const std::string text = ExampleText(kind, "PORTAL");
    EXPECT_TRUE(plat::WriteBlock(position.TextFile(kind), text.data(), text.size()));
  }
  return position;
}

// Where no window would be seen, the road's programs start no window system: PUNDF "@G" and
// ZEDIR look for no Qt plug-in (Qt names every one it looks for with QT_DEBUG_PLUGINS). On a
// display ZEDIR shows its dialog as before, and the files are the same.
TEST(ComputePositionProgram, WithoutAWindowToSeeNoWindowSystemStarts) {
  const common::Position headless = PortalIn("headless");
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("QT_DEBUG_PLUGINS", "1", 1);
  const std::string messages = plat::testing::TestFolder() + "headless-messages.txt";
  const e2e::CapturedRun run =
      e2e::RunCaptured("compute-position", {headless.data_path(), headless.name()}, messages, 120);
  unsetenv("QT_DEBUG_PLUGINS");
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.stderr_text, "");
  EXPECT_FALSE(plat::FileSize(messages).has_value());
  const auto computed = FolderFiles(headless);
  EXPECT_GT(computed.size(), 50u);

  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  e2e::XSession x;
  ASSERT_TRUE(x.ok()) << x.error();
  const common::Position shown = PortalIn("shown");
  const std::string shown_messages = plat::testing::TestFolder() + "shown-messages.txt";
  const pid_t road = x.Start("compute-position", {shown.data_path(), shown.name()},
                             {{"PLAT_MESSAGES", shown_messages}});
  ASSERT_GT(road, 0);
  EXPECT_EQ(x.WaitExit(road, 120), 0) << x.StderrOf(road);
  EXPECT_FALSE(plat::FileSize(shown_messages).has_value());
  EXPECT_TRUE(FolderFiles(shown) == computed);
}

}  // namespace
