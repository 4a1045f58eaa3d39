#include "Quon/run/run_analysis.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "Quon/input/find_position.h"
#include "Quon/input/setup_run.h"
#include "Quon/run/compute_load_case.h"
#include "common/position/position_lock.h"

namespace zedir {
namespace {

// Waits until `stop` is requested or the time is up; true when stopped.
bool StoppedWithin(std::stop_token stop, std::chrono::milliseconds time) {
  std::mutex mutex;
  std::condition_variable_any wake;
  std::unique_lock<std::mutex> lock(mutex);
  return wake.wait_for(lock, stop, time, [] { return false; }) || stop.stop_requested();
}

// Holds the lock of the run's position, waiting while another run holds it.
// A lock file that cannot be made leaves the pass unlocked: its own input
// checks report what is wrong with the folder. The wait is told again every
// second, so that the window that watches the run sees it alive. False when
// stopped.
bool HoldPosition(common::PositionLock& lock, const Run& run, RunNotifier& notifier, std::stop_token stop) {
  const std::string path = run.position.File(common::kPositionLockFile);
  if (lock.held() && lock.path() == path) return true;
  constexpr int kPollsBetweenTexts = 1000 / kLockPollMilliseconds;
  int polls = 0;
  for (; lock.TryAcquire(path) == common::PositionLock::Attempt::kBusy; ++polls) {
    if (polls == 0) notifier.LockWait(true);
    if (polls % kPollsBetweenTexts == 0) notifier.StatusText(LockWaitText(run.position_name));
    if (StoppedWithin(stop, std::chrono::milliseconds(kLockPollMilliseconds))) return false;
  }
  if (polls > 0) notifier.LockWait(false);
  return true;
}

common::Result Pass(Run& run, const common::SettingsContext& settings, RunNotifier& notifier) {
  if (common::Result failed = SetupRun(run, settings, notifier); !failed) return failed;
  return ComputeLoadCase(run, notifier);
}

}  // namespace

std::string RunReport::FailureText() const {
  std::string text;
  for (const common::Result& failure : failures) {
    if (!text.empty()) text += "\n";
    text += failure.text();
  }
  return text;
}

std::string RunReport::FailureCaption() const { return failures.empty() ? std::string() : failures.front().caption(); }

std::string LockWaitText(const std::string& position_name) {
  return "Waiting for position " + position_name + ": another program is storing or computing it";
}

RunReport RunAnalysis(Run& run, const common::SettingsContext& settings, RunNotifier& notifier,
                      std::stop_token stop) {
  RunReport report;
  common::PositionLock lock;
  for (;;) {
    if (stop.stop_requested()) {
      report.stopped = true;
      break;
    }
    ++report.passes;
    common::Result result = FindPosition(run, settings);
    if (result && !HoldPosition(lock, run, notifier, stop)) {
      report.stopped = true;
      break;
    }
    if (result) result = Pass(run, settings, notifier);
    if (result) {
      ++report.computed;
    } else {
      notifier.StatusText(result.text());
      report.failures.push_back(result);
    }
    if (!run.HasFurtherPass()) break;
  }
  return report;
}

}  // namespace zedir
