#pragma once
// A program of the build run as a child with its stderr kept and a time limit:
// what the end-to-end tests need to see sanitizer reports, stray library
// warnings and hangs.
#include <string>
#include <vector>

namespace e2e {

struct CapturedRun {
  int exit_code = -1;      // 128 + signal when killed; -1 when it could not start
  int signal = 0;          // the signal that ended it, 0 when it exited
  bool timed_out = false;  // killed after the time limit
  std::string stderr_text;
};

// Runs BinFolder() + name with the arguments and the environment of the test,
// PLAT_MESSAGES set to `messages`, and the variables of `unset` removed; kills
// it after `seconds`.
CapturedRun RunCaptured(const std::string& name, const std::vector<std::string>& args, const std::string& messages,
                        double seconds, const std::vector<std::string>& unset = {});

}  // namespace e2e
