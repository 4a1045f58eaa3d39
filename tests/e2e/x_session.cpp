#include "tests/e2e/x_session.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "platform/binary_io.h"
#include "platform/testing/testing.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

bool OnPath(const std::string& program) {
  const char* path = std::getenv("PATH");
  std::string rest = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= rest.size()) {
    const std::size_t end = rest.find(':', start);
    const std::string folder = rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (!folder.empty() && access((folder + "/" + program).c_str(), X_OK) == 0) return true;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return false;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0;
}

// In a child about to start a program on the display.
void SetXProgramEnvironment(const std::string& display) {
  setenv("DISPLAY", display.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  unsetenv("WAYLAND_DISPLAY");
  // Qt's xcb plugin hands strndup strings that are not terminated within
  // their buffer: the strict string check would end every program on X.
  if (const char* asan = std::getenv("ASAN_OPTIONS")) {
    std::string options = asan;
    const std::string strict = "strict_string_checks=1";
    if (const std::size_t at = options.find(strict); at != std::string::npos) options.replace(at, strict.size(), "strict_string_checks=0");
    setenv("ASAN_OPTIONS", options.c_str(), 1);
  }
}

// Runs argv with DISPLAY set, stdout captured; nullopt when it fails.
std::optional<std::string> RunOutput(const std::vector<std::string>& args, const std::string& display,
                                     double seconds = 20) {
  int fds[2];
  if (pipe(fds) != 0) return std::nullopt;
  const pid_t pid = fork();
  if (pid < 0) {
    close(fds[0]);
    close(fds[1]);
    return std::nullopt;
  }
  if (pid == 0) {
    dup2(fds[1], STDOUT_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, STDERR_FILENO);
    close(fds[0]);
    close(fds[1]);
    SetXProgramEnvironment(display);
    std::vector<std::string> copy = args;
    std::vector<char*> argv;
    for (std::string& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    _exit(127);
  }
  close(fds[1]);
  fcntl(fds[0], F_SETFL, O_NONBLOCK);
  std::string out;
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  int status = 0;
  bool done = false;
  while (!done) {
    char buffer[4096];
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n > 0) {
      out.append(buffer, static_cast<std::size_t>(n));
      continue;
    }
    if (waitpid(pid, &status, WNOHANG) == pid) {
      done = true;
      while (true) {
        const ssize_t rest = read(fds[0], buffer, sizeof buffer);
        if (rest <= 0) break;
        out.append(buffer, static_cast<std::size_t>(rest));
      }
      break;
    }
    if (Clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      close(fds[0]);
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  close(fds[0]);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return out;
}

// The lines of a program's output, without their ends.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace

std::string XUnavailable() {
  if (!OnPath("Xvfb")) return "Xvfb is missing (tools/deps installs it)";
  if (!OnPath("xdotool")) return "xdotool is missing (tools/deps installs it)";
  return "";
}

long XPicture::Differences(const XPicture& other, const XGeometry& area) const {
  if (width != other.width || height != other.height) return -1;
  long count = 0;
  for (int y = std::max(0, area.y); y < std::min(height, area.y + area.height); ++y) {
    for (int x = std::max(0, area.x); x < std::min(width, area.x + area.width); ++x) {
      const std::size_t i = (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
      if (std::memcmp(&rgb[i], &other.rgb[i], 3) != 0) ++count;
    }
  }
  return count;
}

XSession::XSession(int width, int height) {
  error_ = XUnavailable();
  if (!error_.empty()) return;
  const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
  for (int number = 110; number < 400; ++number) {
    const std::string lock = "/tmp/.X" + std::to_string(number) + "-lock";
    const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
    if (Exists(lock) || Exists(socket)) continue;
    const std::string name = ":" + std::to_string(number);
    const pid_t pid = fork();
    if (pid < 0) break;
    if (pid == 0) {
      const int null = open("/dev/null", O_WRONLY);
      if (null >= 0) {
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
      }
      setpgid(0, 0);
      execlp("Xvfb", "Xvfb", name.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", "-noreset",
             static_cast<char*>(nullptr));
      _exit(127);
    }
    bool up = false;
    for (int i = 0; i < 200 && !up; ++i) {
      if (waitpid(pid, nullptr, WNOHANG) == pid) break;  // another server took the number
      up = Exists(socket) && RunOutput({"xdotool", "getdisplaygeometry"}, name, 5).has_value();
      if (!up) std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    if (up) {
      server_ = pid;
      display_ = name;
      error_.clear();
      return;
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
  }
  error_ = "Xvfb did not start on a free display";
}

XSession::~XSession() {
  for (pid_t pid : programs_) {
    if (waitpid(pid, nullptr, WNOHANG) == 0) {
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
  if (server_ > 0) {
    kill(server_, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (waitpid(server_, nullptr, WNOHANG) == 0) {
      if (Clock::now() > deadline) {
        kill(server_, SIGKILL);
        waitpid(server_, nullptr, 0);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
}

pid_t XSession::Start(const std::string& name, const std::vector<std::string>& args,
                      const std::vector<std::pair<std::string, std::string>>& env) {
  if (!ok()) return -1;
  const std::string program = plat::testing::BinFolder() + name;
  const std::string folder = plat::testing::TestFolder();
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    const std::string err = folder + name + "-" + std::to_string(getpid()) + ".stderr";
    const int fd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd >= 0) dup2(fd, STDERR_FILENO);
    setpgid(0, 0);  // the program and its children, killed together
    SetXProgramEnvironment(display_);
    for (const auto& [variable, value] : env) {
      if (value.empty()) {
        unsetenv(variable.c_str());
      } else {
        setenv(variable.c_str(), value.c_str(), 1);
      }
    }
    std::vector<std::string> copy{program};
    copy.insert(copy.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  programs_.push_back(pid);
  return pid;
}

std::optional<int> XSession::WaitExit(pid_t pid, double seconds) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      std::erase(programs_, pid);
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    }
    if (done < 0) return std::nullopt;
    if (Clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

bool XSession::Running(pid_t pid) { return !WaitExit(pid, 0).has_value(); }

std::string XSession::StderrOf(pid_t pid) const {
  const std::string folder = plat::testing::TestFolder();
  // The file carries the program's name: find it by the pid.
  for (const char* name : {"QUENTARIS", "KELMF", "PUNDF", "ZEDIR", "REVUZAVI", "ZEVRIL", "LERVENTA"}) {
    if (const auto bytes = plat::ReadWholeFile(folder + std::string(name) + "-" + std::to_string(pid) + ".stderr")) {
      return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    }
  }
  return "";
}

std::optional<std::string> XSession::Xdotool(const std::vector<std::string>& args) {
  if (!ok()) return std::nullopt;
  std::vector<std::string> all{"xdotool"};
  all.insert(all.end(), args.begin(), args.end());
  return RunOutput(all, display_);
}

void XSession::Settle(int milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
  (void)Xdotool({"sleep", "0"});
}

std::vector<std::string> XSession::VisibleWindows(const std::vector<std::string>& criteria) {
  std::vector<std::string> args = {"search", "--onlyvisible"};
  args.insert(args.end(), criteria.begin(), criteria.end());
  const auto out = Xdotool(args);
  std::vector<std::string> ids;
  if (!out) return ids;
  for (std::string& id : Lines(*out)) {
    if (!id.empty()) ids.push_back(std::move(id));
  }
  return ids;
}

std::optional<std::string> XSession::FindWindow(const std::string& title_regex, double seconds) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  for (;;) {
    if (const auto ids = VisibleWindows({"--name", title_regex}); !ids.empty()) return ids.front();
    if (Clock::now() > deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

bool XSession::WindowShown(const std::string& title_regex) { return !VisibleWindows({"--name", title_regex}).empty(); }

bool XSession::WaitGone(const std::string& title_regex, double seconds) {
  const auto deadline = Clock::now() + std::chrono::duration<double>(seconds);
  while (WindowShown(title_regex)) {
    if (Clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

std::optional<XGeometry> XSession::Geometry(const std::string& window) {
  const auto out = Xdotool({"getwindowgeometry", "--shell", window});
  if (!out) return std::nullopt;
  XGeometry g;
  int found = 0;
  for (const std::string& line : Lines(*out)) {
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq);
    const int value = std::atoi(line.c_str() + eq + 1);
    if (key == "X") g.x = value, ++found;
    if (key == "Y") g.y = value, ++found;
    if (key == "WIDTH") g.width = value, ++found;
    if (key == "HEIGHT") g.height = value, ++found;
  }
  if (found != 4) return std::nullopt;
  return g;
}

bool XSession::MoveMouse(int x, int y) {
  // --sync waits for the pointer to move: a pointer already there never does.
  if (const auto at = Xdotool({"getmouselocation", "--shell"})) {
    if (at->find("X=" + std::to_string(x) + "\n") != std::string::npos &&
        at->find("Y=" + std::to_string(y) + "\n") != std::string::npos) {
      return true;
    }
  }
  return Xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y)}).has_value();
}

bool XSession::Click(int x, int y, int button) {
  if (!MoveMouse(x, y)) return false;
  return Xdotool({"click", std::to_string(button)}).has_value();
}

bool XSession::DoubleClick(int x, int y) {
  if (!MoveMouse(x, y)) return false;
  return Xdotool({"click", "--repeat", "2", "--delay", "80", "1"}).has_value();
}

bool XSession::Key(const std::string& keys) { return Xdotool({"key", "--delay", "30", keys}).has_value(); }

bool XSession::Type(const std::string& text) {
  return Xdotool({"type", "--delay", "20", text}).has_value();
}

bool XSession::Focus(const std::string& window) {
  return Xdotool({"windowfocus", "--sync", window}).has_value();
}

std::optional<XPicture> XSession::Grab() {
  if (!ok()) return std::nullopt;
  const std::string path = plat::testing::TestFolder() + "x-grab.rgb";
  const std::string program = plat::testing::BinFolder() + "x-grab";
  if (!RunOutput({program, path}, display_, 30)) return std::nullopt;
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes || bytes->size() < 8) return std::nullopt;
  XPicture picture;
  std::memcpy(&picture.width, bytes->data(), 4);
  std::memcpy(&picture.height, bytes->data() + 4, 4);
  const std::size_t size = static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height) * 3;
  if (picture.width <= 0 || picture.height <= 0 || bytes->size() != 8 + size) return std::nullopt;
  picture.rgb.resize(size);
  std::memcpy(picture.rgb.data(), bytes->data() + 8, size);
  return picture;
}

}  // namespace e2e
