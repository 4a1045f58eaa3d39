#pragma once
// Test support for scripted runs of the suite's executables: the script goes
// to the test folder, the program runs there with PLAT_SCRIPT, and its log,
// its message boxes and its exit code come back.
//
//   plat::testing::WriteScript("ZEDIR", "press 1\n");  // a child of the chain
//   const auto run = plat::testing::RunScript(plat::testing::BinFolder() + "KELMF", {data, "3"},
//                                             "menu File/Store\nclose\n");
//   EXPECT_EQ(run.exit_code, 0) << run.log_text();
#include <map>
#include <string>
#include <vector>

#include "platform/testing/testing.h"

namespace plat::testing {

struct ScriptedProgramRun : ProgramRun {
  std::vector<std::string> log;  // the program's NAME.log, a line each
  double seconds = 0;            // how long it ran
  // The log's lines joined, for failure messages.
  std::string log_text() const;
};

// Writes the script of the program NAME (the executable's file name) to the
// test folder; an empty text removes it.
void WriteScript(const std::string& name, const std::string& text);

// Writes `script` for the program (unless empty) and runs it with its
// arguments, PLAT_SCRIPT set to the test folder, PLAT_MESSAGES to a fresh
// file there, and the variables of `env` set (PLAT_SCRIPT_IDLE_S, DISPLAY, ...).
ScriptedProgramRun RunScript(const std::string& program, const std::vector<std::string>& args,
                             const std::string& script, const std::map<std::string, std::string>& env = {});

}  // namespace plat::testing
