#include "platform/testing/testing.h"

#include <cstdlib>

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
}  // namespace

ProgramRun RunProgram(const std::string& name, const std::vector<std::string>& args) {
  const std::string log = TestFolder() + "messages.txt";
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
