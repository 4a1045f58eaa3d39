#pragma once
// Replaceable services for tests (plat::testing sets these; programs never do).
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/result.h"

namespace plat {
class Dialog;
class CommonDialog;
}  // namespace plat

namespace plat::hooks {

struct ClockState {
  std::int64_t now_seconds = 0;
  std::int64_t elapsed_ms = 0;
};
extern ClockState* clock;

struct ProcessCall {
  enum class Kind { kStartDetached, kRunAndWait, kOpenDocument } kind;
  std::string program;
  std::vector<std::string> args;
  std::string folder;
};
// Answers a process call instead of the system: the start result and, for
// kRunAndWait, the exit code.
struct ProcessHandler {
  std::function<common::Result(const ProcessCall&, int* exit_code)> handle;
};
extern ProcessHandler* process;

// Answers a message box instead of a person; returns IDOK, IDYES, ...
struct MessageBoxHandler {
  std::function<int(const std::string& text, const std::string& caption, unsigned flags)> handle;
};
extern MessageBoxHandler* message_box;

// Runs dialogs instead of a person (plat::testing::DialogScript). run_modal
// gets a modal dialog after WM_INITDIALOG, shown; what it leaves open is
// cancelled. run_common answers a file, folder or font dialog: IDOK after
// setting its choice, or IDCANCEL.
struct DialogHandler {
  std::function<void(Dialog&)> run_modal;
  std::function<int(CommonDialog&)> run_common;
};
extern DialogHandler* dialogs;

// Called instead of ending the process; must not return normally (tests throw).
extern std::function<void(int)>* exit_hook;

// Called instead of ending the message loop when WM_QUIT arrives (with its exit code).
extern std::function<void(int)>* quit_hook;

extern std::atomic<int> beeps;

// The next n reads of a data object's text fail (tests of the callers' retries).
extern std::atomic<int> failing_text_reads;

}  // namespace plat::hooks
