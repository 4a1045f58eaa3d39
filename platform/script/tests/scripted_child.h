#pragma once
// Runs the test program of scripted runs with a script, and what it left.
#include <map>
#include <string>
#include <vector>

namespace plat::test {

struct ScriptedRun {
  int exit_code = -2;
  std::vector<std::string> log;    // the lines of plat_script_child.log
  std::vector<std::string> notes;  // what the program noted, a line each
  double seconds = 0;              // how long it ran
};

// Writes `script` (no file when empty) to the test folder as
// plat_script_child.script and runs the program there with PLAT_SCRIPT, PLAT_MESSAGES and
// the environment variables of `env` set; `args` follow the notes file.
ScriptedRun RunScripted(const std::string& script, const std::map<std::string, std::string>& env = {},
                        const std::vector<std::string>& args = {});

// The lines of a text file (none when it is missing).
std::vector<std::string> FileLines(const std::string& path);

}  // namespace plat::test
