#include "platform/testing/testing.h"

#include <stdlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"

namespace plat::testing {
namespace {
std::string WithSlash(std::string s) {
  if (!s.empty() && s.back() != '/') s += '/';
  return s;
}

// A fresh folder "<stem>-XXXXXX/" in the temporary folder; empty when it cannot be made.
std::string FreshFolder(const char* stem) {
  std::string templ = (std::filesystem::temp_directory_path() / (std::string(stem) + "-XXXXXX")).string();
  const char* made = mkdtemp(templ.data());
  return made ? std::string(made) + "/" : std::string();
}

// The folder of a run's message log: the test's, or outside a test one of its own, removed with it.
class LogFolder {
 public:
  LogFolder() : own_(TestFolder().empty()), folder_(own_ ? FreshFolder("suite-run") : TestFolder()) {}
  ~LogFolder() {
    std::error_code ec;
    if (own_ && !folder_.empty()) std::filesystem::remove_all(folder_, ec);
  }
  LogFolder(const LogFolder&) = delete;
  LogFolder& operator=(const LogFolder&) = delete;
  std::string Log() const { return folder_ + "messages.txt"; }

 private:
  bool own_;
  std::string folder_;
};

}  // namespace

std::string WorkFolder() {
  if (!TestFolder().empty()) return TestFolder();
  const std::string folder = FreshFolder("suite-example");
  if (folder.empty()) {
    // Never the working folder instead: the files would land in the checkout.
    std::fprintf(stderr, "cannot create a scratch folder in %s\n", std::filesystem::temp_directory_path().c_str());
    std::abort();
  }
  std::error_code ec;
  std::filesystem::create_directory(folder + "xdg", ec);
  setenv("XDG_DATA_HOME", (folder + "xdg").c_str(), 1);
  return folder;
}

ProgramRun RunProgram(const std::string& name, const std::vector<std::string>& args) {
  const LogFolder folder;
  const std::string log = folder.Log();
  RemoveFile(log);
  setenv("PLAT_MESSAGES", log.c_str(), 1);
  std::string error;
  const auto code = RunAndWait(BinFolder() + name, args, {}, &error);
  unsetenv("PLAT_MESSAGES");
  ProgramRun run;
  run.exit_code = code.value_or(-2);
  run.start_error = error;
  if (const auto bytes = ReadWholeFile(log)) {
    run.messages.assign(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  }
  return run;
}

std::string BinFolder() {
  const char* dir = std::getenv("SUITE_BIN_DIR");
  return WithSlash(dir ? dir : "");
}

std::string SourceFolder() {
  const char* dir = std::getenv("SUITE_SOURCE_DIR");
  return WithSlash(dir ? dir : "");
}

MessageBoxScript::MessageBoxScript() : previous_(hooks::message_box) {
  handler_.handle = [this](const std::string& text, const std::string& caption, unsigned flags) {
    shown_.push_back({text, caption, flags});
    if (answers_.empty()) return DefaultAnswer(flags);
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  };
  hooks::message_box = &handler_;
}

MessageBoxScript::~MessageBoxScript() { hooks::message_box = previous_; }

ProcessRecorder::ProcessRecorder() : previous_(hooks::process) {
  handler_.handle = [this](const hooks::ProcessCall& call, int* exit_code) {
    calls_.push_back(call);
    *exit_code = exit_code_;
    if (!failures_.empty()) {
      std::string text = failures_.front();
      failures_.pop_front();
      return common::Result::Fail(text, call.program);
    }
    return common::Result::Ok();
  };
  hooks::process = &handler_;
}

ProcessRecorder::~ProcessRecorder() { hooks::process = previous_; }

FakeClock::FakeClock(std::int64_t now_seconds) : previous_(hooks::clock) {
  state_.now_seconds = now_seconds;
  hooks::clock = &state_;
}

FakeClock::~FakeClock() { hooks::clock = previous_; }

void FakeClock::AdvanceMilliseconds(std::int64_t ms) {
  state_.elapsed_ms += ms;
  state_.now_seconds += ms / 1000;
}

ExitCatcher::ExitCatcher() : previous_(hooks::exit_hook) {
  hook_ = [](int code) { throw ExitCalled{code}; };
  hooks::exit_hook = &hook_;
}

ExitCatcher::~ExitCatcher() { hooks::exit_hook = previous_; }

int BeepCount() { return hooks::beeps.load(); }

}  // namespace plat::testing
