#include "platform/script/script_runner.h"

#include <QCoreApplication>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/binary_io.h"
#include "platform/dialogs/common_dialog.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/dialogs/folder_dialog.h"
#include "platform/message_box.h"
#include "platform/script/script_acts.h"
#include "platform/script/script_targets.h"
#include "platform/testing/window_testing.h"
#include "platform/text_codec.h"
#include "platform/window/window_state.h"

namespace plat {
namespace {

// How often the runner looks whether the program is idle.
constexpr int kTickMs = 10;
// A program whose messages never stop (a running timer) is taken as idle
// after this long without posted messages.
constexpr std::int64_t kBusyIdleMs = 1000;
// The longest "wait" step.
constexpr int kLongestWaitMs = 600000;

// Waited starts running now (the program's one script run reads it).
int pause_depth = 0;
// Script runs alive (one in a program).
int script_runs = 0;

int LoopLevel() { return static_cast<int>(QThread::currentThread()->loopLevel()); }

std::string NameOfProgram(const char* argv0) {
  std::string name = argv0 ? argv0 : "";
  if (const std::size_t slash = name.rfind('/'); slash != std::string::npos) name.erase(0, slash + 1);
  return name;
}

int IdleLimitSeconds() {
  constexpr int kDefault = 30;
  const char* text = std::getenv("PLAT_SCRIPT_IDLE_S");
  if (!text || !*text) return kDefault;
  const std::optional<int> seconds = script::ParseInt(text);
  return seconds && *seconds > 0 && *seconds <= 24 * 3600 ? *seconds : kDefault;
}

std::string KindName(CommonDialog::Kind kind) {
  switch (kind) {
    case CommonDialog::Kind::kFileOpen:
    case CommonDialog::Kind::kFileSave: return "file";
    case CommonDialog::Kind::kFolder: return "folder";
    case CommonDialog::Kind::kFont: return "font";
  }
  return "common";
}

}  // namespace

void PauseScript() { ++pause_depth; }
void ResumeScript() {
  if (pause_depth > 0) --pause_depth;
}
bool ScriptPaused() { return pause_depth > 0; }
bool ScriptRunning() { return script_runs > 0; }

bool NobodyPlaysThePerson() {
  const char* script = std::getenv("PLAT_SCRIPT");
  return MessagesUnattended() && (script == nullptr || *script == '\0');
}

std::unique_ptr<ScriptRun> StartScriptRun(const char* argv0) {
  const char* folder_text = std::getenv("PLAT_SCRIPT");
  if (!folder_text || !*folder_text) return nullptr;
  std::string folder = folder_text;
  if (folder.back() != '/') folder += '/';
  const std::string name = NameOfProgram(argv0);
  std::vector<script::Step> steps;
  // No script file: no steps, but the watchdog still ends a program nobody uses.
  if (const auto bytes = ReadWholeFile(folder + name + ".script")) {
    steps = script::ParseScript(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  }
  return std::make_unique<script::ScriptRunner>(folder, name, std::move(steps), IdleLimitSeconds());
}

namespace script {

ScriptRunner::ScriptRunner(std::string folder, std::string name, std::vector<Step> steps, int idle_limit_seconds)
    : folder_(std::move(folder)),
      name_(std::move(name)),
      steps_(std::move(steps)),
      idle_limit_ms_(std::int64_t{idle_limit_seconds} * 1000),
      previous_dialogs_(hooks::dialogs) {
  // Common dialogs take their answers from the script's next step.
  dialogs_.run_common = [this](CommonDialog& dialog) { return AnswerCommonDialog(dialog); };
  hooks::dialogs = &dialogs_;
  ++script_runs;
  last_dispatched_ = detail::DispatchedMessageCount();
  clock_.start();
  QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
  timer_.start(kTickMs);
}

ScriptRunner::~ScriptRunner() {
  timer_.stop();
  hooks::dialogs = previous_dialogs_;
  --script_runs;
  // A program that ended by itself before its script did: the steps not done are named.
  if (next_ < steps_.size()) {
    Log("the program ended before line " + std::to_string(steps_[next_].line) + ": " + steps_[next_].text);
  }
}

bool ScriptRunner::Idle() const {
  return testing::QueuedMessageCount() == 0 && (quiet_ms_ >= kTickMs || busy_ms_ >= kBusyIdleMs);
}

void ScriptRunner::Tick() {
  if (step_pending_) return;
  // Events handled inside a step's act (not a modal loop it opened) are part of that act.
  if (!running_.empty() && LoopLevel() <= running_.back().loop_level) return;
  const std::int64_t now = clock_.elapsed();
  // A tick delayed by work on this thread counts as one tick: only waiting counts.
  const std::int64_t elapsed = std::min<std::int64_t>(now - last_tick_ms_, 2 * kTickMs);
  last_tick_ms_ = now;
  if (pause_depth > 0) {
    quiet_ms_ = 0;
    busy_ms_ = 0;
    return;
  }
  FinishRunning();
  const std::uint64_t dispatched = detail::DispatchedMessageCount();
  if (dispatched != last_dispatched_) {
    last_dispatched_ = dispatched;
    quiet_ms_ = 0;
  } else {
    quiet_ms_ += elapsed;
  }
  if (next_ >= steps_.size()) {
    if (quiet_ms_ >= idle_limit_ms_) {
      const Dialog* dialog = ActiveDialog();
      GiveUp((dialog ? "the dialog \"" + Cp1252ToUtf8(dialog->Caption()) + "\" waited for a person"
                     : std::string("the program waited for a person")) +
             " for " + std::to_string(idle_limit_ms_ / 1000) + " s");
    }
    return;
  }
  if (now < wait_until_ms_) return;
  if (!Idle()) {
    busy_ms_ += elapsed;
    if (busy_ms_ > idle_limit_ms_) {
      Fail(steps_[next_], "the program was not idle within " + std::to_string(idle_limit_ms_ / 1000) + " s");
    }
    return;
  }
  busy_ms_ = 0;
  quiet_ms_ = 0;
  // The step runs outside this timer's slot: Qt fires no timer again inside
  // its own slot, so a modal loop that the step's act opens (a dialog behind a
  // key's accelerator) would never see the next tick.
  step_pending_ = true;
  const std::size_t index = next_++;
  QTimer::singleShot(0, &timer_, [this, index] {
    step_pending_ = false;
    RunStep(index);
  });
}

void ScriptRunner::RunStep(std::size_t index) {
  const Step& step = steps_[index];
  if (step.verb == "wait") {
    const std::optional<int> ms = ParseInt(step.args);
    if (!ms || *ms < 0 || *ms > kLongestWaitMs) Fail(step, "wait needs milliseconds (0 to 600000)");
    wait_until_ms_ = clock_.elapsed() + *ms;
    LogStep(step, "ok");
    return;
  }
  running_.push_back({index, LoopLevel(), false});
  const std::string why = PerformStep(step, folder_);
  const Running done = running_.back();
  running_.pop_back();
  if (done.logged) return;
  if (!why.empty()) Fail(step, why);
  LogStep(step, "ok");
}

void ScriptRunner::FinishRunning() {
  for (Running& r : running_) {
    if (!r.logged) LogStep(steps_[r.index], "ok");
    r.logged = true;
  }
}

int ScriptRunner::AnswerCommonDialog(CommonDialog& dialog) {
  FinishRunning();
  std::string what = "the " + KindName(dialog.kind()) + " dialog";
  if (!dialog.title().empty()) what += " \"" + Cp1252ToUtf8(dialog.title()) + "\"";
  if (next_ >= steps_.size()) GiveUp(what + " waits for a person: no step is left to answer it");
  const Step& step = steps_[next_++];
  int answer = IDCANCEL;
  if (const std::string why = ChooseInCommonDialog(step, dialog, &answer); !why.empty()) {
    Fail(step, why + " (" + what + " is open)");
  }
  LogStep(step, "ok");
  return answer;
}

std::string ScriptRunner::ChooseInCommonDialog(const Step& step, CommonDialog& dialog, int* answer) {
  const CommonDialog::Kind kind = dialog.kind();
  const bool file_dialog = kind == CommonDialog::Kind::kFileOpen || kind == CommonDialog::Kind::kFileSave;
  if (step.verb == "cancel") {
    *answer = IDCANCEL;
    return step.args.empty() ? "" : "cancel takes nothing";
  }
  if (step.verb == "file" && file_dialog) {
    if (step.args.empty()) return "file needs a path";
    if (!static_cast<FileDialog&>(dialog).Choose(step.args)) return "the dialog refused the file \"" + step.args + "\"";
    *answer = IDOK;
    return "";
  }
  if (step.verb == "folder" && kind == CommonDialog::Kind::kFolder) {
    if (step.args.empty()) return "folder needs a path";
    if (!static_cast<FolderDialog&>(dialog).Choose(step.args)) {
      return "the dialog refused the folder \"" + step.args + "\"";
    }
    *answer = IDOK;
    return "";
  }
  return "the step does not answer it";
}

void ScriptRunner::Log(const std::string& line) {
  const std::string path = folder_ + name_ + ".log";
  if (std::FILE* f = std::fopen(path.c_str(), "ab")) {
    std::fwrite(line.data(), 1, line.size(), f);
    std::fputc('\n', f);
    std::fclose(f);
  }
}

void ScriptRunner::LogStep(const Step& step, const std::string& outcome) {
  Log("line " + std::to_string(step.line) + ": " + step.text + ": " + outcome);
}

void ScriptRunner::Fail(const Step& step, const std::string& why) {
  LogStep(step, why);
  Log("the script stops: exit code " + std::to_string(kScriptStepFailed));
  std::fflush(nullptr);
  std::_Exit(kScriptStepFailed);
}

void ScriptRunner::GiveUp(const std::string& why) {
  Log("after the script: " + why + ": exit code " + std::to_string(kScriptWaitsForPerson));
  std::fflush(nullptr);
  std::_Exit(kScriptWaitsForPerson);
}

}  // namespace script
}  // namespace plat
