#pragma once
// The run of a script: its steps one by one when the program is idle, the
// answers of common dialogs, the log, and the watchdog that ends a program
// waiting for a person.
#include <QElapsedTimer>
#include <QTimer>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/hooks.h"
#include "platform/script/script_line.h"
#include "platform/script/script_run.h"

namespace plat::script {

class ScriptRunner final : public ScriptRun {
 public:
  // `folder` ends with "/"; the log is <folder><name>.log.
  ScriptRunner(std::string folder, std::string name, std::vector<Step> steps, int idle_limit_seconds);
  ~ScriptRunner() override;
  ScriptRunner(const ScriptRunner&) = delete;
  ScriptRunner& operator=(const ScriptRunner&) = delete;

 private:
  // A step whose act runs (it may wait in a modal loop it opened).
  struct Running {
    std::size_t index;
    int loop_level;
    bool logged;
  };

  void Tick();
  // The program has handled what was queued and painted (a tick without messages).
  bool Idle() const;
  void RunStep(std::size_t index);
  // The steps whose acts opened a modal loop or a dialog are done.
  void FinishRunning();
  int AnswerCommonDialog(CommonDialog& dialog);
  std::string ChooseInCommonDialog(const Step& step, CommonDialog& dialog, int* answer);
  void Log(const std::string& line);
  void LogStep(const Step& step, const std::string& outcome);
  // Logs why the step cannot be done and ends the program (96).
  [[noreturn]] void Fail(const Step& step, const std::string& why);
  // Logs that the program waits for a person and ends it (97).
  [[noreturn]] void GiveUp(const std::string& why);

  std::string folder_;
  std::string name_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  std::int64_t idle_limit_ms_;
  std::vector<Running> running_;
  QTimer timer_;
  QElapsedTimer clock_;
  std::int64_t last_tick_ms_ = 0;
  std::int64_t quiet_ms_ = 0;      // no message handled for this long
  std::int64_t busy_ms_ = 0;       // the next step waited this long for idleness
  std::int64_t wait_until_ms_ = 0;  // a "wait" step's end
  bool step_pending_ = false;       // a step is queued to run
  std::uint64_t last_dispatched_ = 0;
  hooks::DialogHandler dialogs_;
  hooks::DialogHandler* previous_dialogs_;
};

}  // namespace plat::script
