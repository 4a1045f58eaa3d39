#include "platform/script/tests/scripted_child.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <optional>

#include "platform/process.h"
#include "platform/testing/testing.h"

namespace plat::test {

std::vector<std::string> FileLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

ScriptedRun RunScripted(const std::string& script, const std::map<std::string, std::string>& env,
                        const std::vector<std::string>& args) {
  const std::string folder = testing::TestFolder();
  if (!script.empty()) std::ofstream(folder + "plat_script_child.script") << script;
  std::map<std::string, std::string> all = env;
  all.emplace("PLAT_SCRIPT", folder);
  all.emplace("PLAT_MESSAGES", folder + "messages.txt");
  std::map<std::string, std::optional<std::string>> before;
  for (const auto& [name, value] : all) {
    const char* old = std::getenv(name.c_str());
    before[name] = old ? std::optional<std::string>(old) : std::nullopt;
    setenv(name.c_str(), value.c_str(), 1);
  }
  const auto start = std::chrono::steady_clock::now();
  ScriptedRun run;
  std::vector<std::string> all_args{folder + "notes.txt"};
  all_args.insert(all_args.end(), args.begin(), args.end());
  run.exit_code = RunAndWait(ProgramFolder() + "plat_script_child", all_args).value_or(-2);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  for (const auto& [name, value] : before) {
    if (value) {
      setenv(name.c_str(), value->c_str(), 1);
    } else {
      unsetenv(name.c_str());
    }
  }
  run.log = FileLines(folder + "plat_script_child.log");
  run.notes = FileLines(folder + "notes.txt");
  return run;
}

}  // namespace plat::test
