#pragma once
// A notifier that keeps the status texts of a run on another thread, and can
// act on each one while the run waits for it.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "Quon/run/notifier.h"

namespace zedir::testing {

class SafeNotifier : public RunNotifier {
 public:
  void StatusText(const std::string& text) override {
    std::function<void(const std::string&)> act;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      status_.push_back(text);
      act = on_status;
    }
    if (act) act(text);
  }

  std::vector<std::string> status() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return status_;
  }
  bool Saw(const std::string& text) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const std::string& s : status_) {
      if (s == text) return true;
    }
    return false;
  }

  // Called with every status text on the run's thread; set before the run.
  std::function<void(const std::string&)> on_status;

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> status_;
};

}  // namespace zedir::testing
