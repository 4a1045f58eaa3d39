#include "platform/script/tests/scripted_child.h"

#include "platform/process.h"
#include "platform/testing/testing.h"
#include "platform/text_file.h"

namespace plat::test {

std::vector<std::string> FileLines(const std::string& path) {
  return ReadLines(path).value_or(std::vector<std::string>{});
}

ScriptedRun RunScripted(const std::string& script, const std::map<std::string, std::string>& env,
                        const std::vector<std::string>& args) {
  const std::string notes = testing::TestFolder() + "notes.txt";
  std::vector<std::string> all_args{notes};
  all_args.insert(all_args.end(), args.begin(), args.end());
  ScriptedRun run;
  static_cast<testing::ScriptedProgramRun&>(run) =
      testing::RunScript(ProgramFolder() + "plat_script_child", all_args, script, env);
  run.notes = FileLines(notes);
  return run;
}

}  // namespace plat::test
