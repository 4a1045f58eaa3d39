#include "platform/script/script_testing.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/text_file.h"

namespace plat::testing {
namespace {

std::string FileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Sets environment variables while alive and puts the old values back.
class EnvironmentScope {
 public:
  explicit EnvironmentScope(const std::map<std::string, std::string>& values) {
    for (const auto& [name, value] : values) {
      const char* old = std::getenv(name.c_str());
      before_[name] = old ? std::optional<std::string>(old) : std::nullopt;
      setenv(name.c_str(), value.c_str(), 1);
    }
  }
  ~EnvironmentScope() {
    for (const auto& [name, value] : before_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }
  EnvironmentScope(const EnvironmentScope&) = delete;
  EnvironmentScope& operator=(const EnvironmentScope&) = delete;

 private:
  std::map<std::string, std::optional<std::string>> before_;
};

std::string WholeText(const std::string& path) {
  const auto bytes = ReadWholeFile(path);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : std::string();
}

}  // namespace

std::string ScriptedProgramRun::log_text() const {
  std::string text;
  for (const std::string& line : log) text += line + "\n";
  return text;
}

void WriteScript(const std::string& name, const std::string& text) {
  const std::string path = TestFolder() + name + ".script";
  RemoveFile(path);
  if (text.empty()) return;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
  }
}

ScriptedProgramRun RunScript(const std::string& program, const std::vector<std::string>& args,
                             const std::string& script, const std::map<std::string, std::string>& env) {
  const std::string folder = TestFolder();
  const std::string name = FileName(program);
  if (!script.empty()) WriteScript(name, script);
  const std::string messages = folder + "messages.txt";
  RemoveFile(messages);
  std::map<std::string, std::string> all = env;
  all.emplace("PLAT_SCRIPT", folder);
  all.emplace("PLAT_MESSAGES", messages);
  ScriptedProgramRun run;
  {
    EnvironmentScope scope(all);
    const auto start = std::chrono::steady_clock::now();
    run.exit_code = RunAndWait(program, args, {}, &run.start_error).value_or(-2);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  run.messages = WholeText(messages);
  if (auto lines = ReadLines(folder + name + ".log")) run.log = std::move(*lines);
  return run;
}

}  // namespace plat::testing
