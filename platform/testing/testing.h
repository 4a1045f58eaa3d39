#pragma once
// Test support: scratch folders, scripted message boxes, recorded process
// starts, a fake clock and a caught program exit.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/hooks.h"

namespace plat::testing {

// The current test's own empty folder, ending with "/". XDG_DATA_HOME points at
// its "xdg" subfolder during the test; both vanish after the test.
std::string TestFolder();
// Where a test, or a suite's set-up outside any test, makes its files: the
// current test's folder; outside a test a fresh folder of the temporary folder
// (with "xdg", which XDG_DATA_HOME then points at), never the working folder:
// when none can be made, the program ends.
std::string WorkFolder();
// The folder of the suite's executables (<build>/bin/), ending with "/".
std::string BinFolder();
// The source tree's root, ending with "/".
std::string SourceFolder();

// A run of one of the suite's executables.
struct ProgramRun {
  int exit_code = -2;       // -2 when it could not start
  std::string start_error;  // why it could not start
  std::string messages;     // the PLAT_MESSAGES file: one "caption<TAB>text" line per message box
};

// Runs BinFolder() + name with the arguments and waits for it, with
// PLAT_MESSAGES set to a fresh file of the test folder, or outside a test of a
// folder removed after the run (the child's message
// boxes are logged there and answered with their default button). The child
// inherits the environment, XDG_DATA_HOME of the test included.
ProgramRun RunProgram(const std::string& name, const std::vector<std::string>& args);

struct ShownBox {
  std::string text;
  std::string caption;
  unsigned flags = 0;
};

// While alive, message boxes are answered from a script and logged.
class MessageBoxScript {
 public:
  MessageBoxScript();
  ~MessageBoxScript();
  MessageBoxScript(const MessageBoxScript&) = delete;
  MessageBoxScript& operator=(const MessageBoxScript&) = delete;

  // The answer of the next box; boxes beyond the script get their default button.
  void Answer(int id) { answers_.push_back(id); }
  const std::vector<ShownBox>& shown() const { return shown_; }

 private:
  hooks::MessageBoxHandler handler_;
  hooks::MessageBoxHandler* previous_;
  std::deque<int> answers_;
  std::vector<ShownBox> shown_;
};

// While alive, process starts are recorded instead of performed.
class ProcessRecorder {
 public:
  ProcessRecorder();
  ~ProcessRecorder();
  ProcessRecorder(const ProcessRecorder&) = delete;
  ProcessRecorder& operator=(const ProcessRecorder&) = delete;

  // The next start fails with this system text.
  void FailNext(std::string text) { failures_.push_back(std::move(text)); }
  // The exit code that waited-for programs report (default 0).
  void SetExitCode(int code) { exit_code_ = code; }
  const std::vector<hooks::ProcessCall>& calls() const { return calls_; }

 private:
  hooks::ProcessHandler handler_;
  hooks::ProcessHandler* previous_;
  std::vector<hooks::ProcessCall> calls_;
  std::deque<std::string> failures_;
  int exit_code_ = 0;
};

// While alive, the clock reads the values set here.
class FakeClock {
 public:
  explicit FakeClock(std::int64_t now_seconds = 0);
  ~FakeClock();
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  void SetNow(std::int64_t seconds) { state_.now_seconds = seconds; }
  void AdvanceMilliseconds(std::int64_t ms);

 private:
  hooks::ClockState state_;
  hooks::ClockState* previous_;
};

// Thrown by plat::ExitProgram while an ExitCatcher is alive.
struct ExitCalled {
  int code;
};

class ExitCatcher {
 public:
  ExitCatcher();
  ~ExitCatcher();
  ExitCatcher(const ExitCatcher&) = delete;
  ExitCatcher& operator=(const ExitCatcher&) = delete;

 private:
  std::function<void(int)> hook_;
  std::function<void(int)>* previous_;
};

// The number of beeps so far.
int BeepCount();

}  // namespace plat::testing
