// A scripted run on a real X server (Xvfb): the test program's dialog is
// filled and pressed, the windows are shown in snapshots, and the program ends.
#include <gtest/gtest.h>

#include <QImage>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <set>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/script/tests/scripted_child.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"

extern char** environ;

namespace plat::test {
namespace {

namespace fs = std::filesystem;

std::string FindXvfb() {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin";
  std::size_t start = 0;
  for (;;) {
    const std::size_t colon = dirs.find(':', start);
    const std::string candidate = dirs.substr(start, colon - start) + "/Xvfb";
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    if (colon == std::string::npos) return {};
    start = colon + 1;
  }
}

// An X server of its own on a free display number, ended with the test.
class PrivateXServer {
 public:
  ~PrivateXServer() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  // Starts the server; "" when it runs, else why not.
  std::string Start(const std::string& log_path) {
    const std::string program = FindXvfb();
    if (program.empty()) return "Xvfb is not installed";
    for (int number = 90 + getpid() % 100, tries = 0; tries < 8; ++number, ++tries) {
      const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
      if (fs::exists("/tmp/.X" + std::to_string(number) + "-lock") || fs::exists(socket)) continue;
      const std::string display = ":" + std::to_string(number);
      posix_spawn_file_actions_t actions;
      posix_spawn_file_actions_init(&actions);
      posix_spawn_file_actions_addopen(&actions, 1, log_path.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
      posix_spawn_file_actions_adddup2(&actions, 1, 2);
      std::vector<std::string> args{program, display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"};
      std::vector<char*> argv;
      for (std::string& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      const int failed = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
      posix_spawn_file_actions_destroy(&actions);
      if (failed != 0) return "Xvfb cannot be started";
      // Up to 10 s for its socket; a server that ends at once lost the number to another.
      const bool up = testing::PumpUntil(
          [&] {
            return fs::exists(socket) || waitpid(pid_, nullptr, WNOHANG) == pid_;
          },
          10000);
      if (up && fs::exists(socket) && kill(pid_, 0) == 0) {
        display_ = display;
        return "";
      }
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
      pid_ = -1;
    }
    return "Xvfb did not start on a free display";
  }
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

// The number of different colours of a picture (up to a limit).
std::size_t Colours(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height() && colours.size() < 16; y += 3) {
    for (int x = 0; x < image.width() && colours.size() < 16; x += 3) colours.insert(image.pixel(x, y));
  }
  return colours.size();
}

TEST(ScriptXvfbTest, AScriptedRunOnARealXServer) {
  PrivateXServer server;
  if (const std::string why = server.Start(testing::TestFolder() + "xvfb.txt"); !why.empty()) {
    GTEST_SKIP() << "no real X server for the smoke test: " << why;
  }
  // The X keyboard library's strndup reads a counted string that the strict string checks
  // of the sanitizer take for a C string: those checks are off for this run.
  const char* asan = std::getenv("ASAN_OPTIONS");
  const std::string asan_options = std::string(asan ? asan : "") + ":strict_string_checks=0";
  const ScriptedRun run = RunScripted(
      "menu File/Dialog\nset 1000 7\nsnapshot dialog.png\npress 1\nsnapshot frame.png\nclose\n",
      {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", server.display()}, {"PLAT_SCRIPT_IDLE_S", "10"},
       {"ASAN_OPTIONS", asan_options}});
  EXPECT_EQ(run.exit_code, 0) << run.log_text();
  EXPECT_EQ(run.log.size(), 6u) << run.log_text();
  for (const std::string& line : run.log) EXPECT_TRUE(line.ends_with(": ok")) << line;
  EXPECT_NE(std::find(run.notes.begin(), run.notes.end(), "dialog 1 7"), run.notes.end());
  fs::create_directories(SCRIPT_ARTIFACT_DIR);
  for (const char* name : {"dialog.png", "frame.png"}) {
    const std::string path = testing::TestFolder() + name;
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull()) << name;
    EXPECT_GE(Colours(image), 3u) << name << " is blank";
    std::error_code ec;
    fs::copy_file(path, std::string(SCRIPT_ARTIFACT_DIR) + "/xvfb-" + name, fs::copy_options::overwrite_existing, ec);
  }
}

}  // namespace
}  // namespace plat::test
