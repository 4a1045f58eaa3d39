#pragma once
// A private X server (Xvfb) on which a test starts the real programs and acts
// as a person does, with real mouse and key events sent by xdotool. Windows
// are found by their titles; points are computed from their geometry.
#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

struct XGeometry {
  int x = 0;  // the window's top left corner on the screen
  int y = 0;
  int width = 0;
  int height = 0;
};

// An RGB screen picture taken by the support program x-grab.
struct XPicture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;  // width * height * 3 bytes
  // How many pixels differ from `other` in the rectangle (both the same size).
  long Differences(const XPicture& other, const XGeometry& area) const;
};

class XSession {
 public:
  // Starts Xvfb on a free display of `width` x `height` x 24. When Xvfb or
  // xdotool is missing or the server does not come up, ok() is false and
  // error() says why.
  explicit XSession(int width = 1280, int height = 1024);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  bool ok() const { return !display_.empty(); }
  const std::string& error() const { return error_; }
  const std::string& display() const { return display_; }

  // Starts BinFolder() + name on this display (QT_QPA_PLATFORM=xcb) with the
  // test's environment plus `env` (name, value; an empty value removes the
  // variable); its stderr goes to TestFolder()/<name>-<pid>.stderr. -1 when
  // it cannot start. Programs still running are killed by the destructor.
  pid_t Start(const std::string& name, const std::vector<std::string>& args,
              const std::vector<std::pair<std::string, std::string>>& env = {});
  // The exit code once the program ended (128 + signal when killed), nullopt
  // when it still runs after `seconds`.
  std::optional<int> WaitExit(pid_t pid, double seconds);
  bool Running(pid_t pid);
  // The stderr the program wrote so far.
  std::string StderrOf(pid_t pid) const;

  // The ids of the visible windows that xdotool's search finds by `criteria` ("--name", a regular
  // expression of the title; "--pid", a process), none when it finds none.
  std::vector<std::string> VisibleWindows(const std::vector<std::string>& criteria);
  // The id of a visible window whose title matches the regular expression
  // (xdotool's --name), waiting up to `seconds`; nullopt when none appears.
  std::optional<std::string> FindWindow(const std::string& title_regex, double seconds = 20);
  // Whether a visible window's title matches now.
  bool WindowShown(const std::string& title_regex);
  // Waits until no visible window's title matches; false after `seconds`.
  bool WaitGone(const std::string& title_regex, double seconds = 10);
  std::optional<XGeometry> Geometry(const std::string& window);

  // Real events at screen points.
  bool MoveMouse(int x, int y);
  bool Click(int x, int y, int button = 1);
  bool DoubleClick(int x, int y);
  // Presses keys as xdotool names them ("Return", "ctrl+a", "Escape", "KP_Add").
  bool Key(const std::string& keys);
  // Types text with real key events.
  bool Type(const std::string& text);
  // Gives a window the keyboard focus (XSetInputFocus: there is no window manager).
  bool Focus(const std::string& window);

  // The whole screen as RGB, through the support program x-grab.
  std::optional<XPicture> Grab();

  // Runs xdotool with the arguments on this display; its stdout, nullopt on failure.
  std::optional<std::string> Xdotool(const std::vector<std::string>& args);
  // Lets the server and the programs handle what was sent (a short sleep and an X sync).
  void Settle(int milliseconds = 150);

 private:
  std::string display_;
  std::string error_;
  pid_t server_ = -1;
  std::vector<pid_t> programs_;
};

// The reason to skip a test that needs a private X server, or "" when it can run.
std::string XUnavailable();

}  // namespace e2e
