#pragma once
// Runs the test program of scripted runs with a script, and what it left.
#include <map>
#include <string>
#include <vector>

#include "platform/script/script_testing.h"

namespace plat::test {

struct ScriptedRun : testing::ScriptedProgramRun {
  std::vector<std::string> notes;  // what the program noted, a line each
};

// Runs plat_script_child with the script (none when empty) and the
// environment variables of `env`; `args` follow its notes file.
ScriptedRun RunScripted(const std::string& script, const std::map<std::string, std::string>& env = {},
                        const std::vector<std::string>& args = {});

// The lines of a text file (none when it is missing).
std::vector<std::string> FileLines(const std::string& path);

}  // namespace plat::test
