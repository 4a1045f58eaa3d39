#include "platform/window/ui_thread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <atomic>

namespace plat::detail {
namespace {

std::atomic<int> pending_calls{0};

// Counts a queued call until the functor that carries it is gone (run or dropped).
struct PendingMark {
  PendingMark() { ++pending_calls; }
  ~PendingMark() { --pending_calls; }
  PendingMark(const PendingMark&) = delete;
  PendingMark& operator=(const PendingMark&) = delete;
};

// A call another thread waits for; dropping it unqueued releases the waiter.
struct WaitedCall {
  WaitedCall(std::function<std::int64_t()> c, std::shared_ptr<Completion> done)
      : call(std::move(c)), completion(std::move(done)) {}
  ~WaitedCall() { completion->Abandon(); }
  WaitedCall(const WaitedCall&) = delete;
  WaitedCall& operator=(const WaitedCall&) = delete;

  std::function<std::int64_t()> call;
  std::shared_ptr<Completion> completion;

  void Run() {
    if (completion->finished()) return;
    completion->Finish(call());
  }
};

}  // namespace

bool HasApplication() { return QCoreApplication::instance() != nullptr; }

bool OnUiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

bool PostToUiThread(std::function<void()> call) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return false;
  auto mark = std::make_shared<PendingMark>();
  // The call counts as queued until it starts: a modal loop it runs waits for no one.
  QMetaObject::invokeMethod(
      app,
      [call = std::move(call), mark]() mutable {
        mark.reset();
        call();
      },
      Qt::QueuedConnection);
  return true;
}

int PendingUiCalls() { return pending_calls.load(); }

void Completion::Finish(std::int64_t value) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (finished_) return;
  finished_ = true;
  value_ = value;
  done_.notify_all();
}

void Completion::Abandon() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (finished_) return;
  finished_ = true;
  done_.notify_all();
}

bool Completion::finished() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return finished_;
}

std::optional<std::int64_t> Completion::Wait() {
  std::unique_lock<std::mutex> lock(mutex_);
  done_.wait(lock, [this] { return finished_; });
  return value_;
}

std::optional<std::int64_t> CallOnUiThread(std::function<std::int64_t()> call,
                                           std::shared_ptr<Completion> completion) {
  if (!completion) completion = std::make_shared<Completion>();
  if (OnUiThread()) {
    if (completion->finished()) return std::nullopt;
    completion->Finish(call());
    return completion->Wait();
  }
  {
    auto waited = std::make_shared<WaitedCall>(std::move(call), completion);
    if (!PostToUiThread([waited] { waited->Run(); })) return std::nullopt;
  }  // from here only the queue holds the call: dropping it releases us
  return completion->Wait();
}

}  // namespace plat::detail
