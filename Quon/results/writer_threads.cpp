#include "Quon/results/writer_threads.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

#include "mechanics/thread_count.h"

namespace zedir {
namespace {

// Set on a thread while it drains a batch: a batch asked for from inside one runs on that thread
// alone (the helpers are taken).
thread_local bool draining = false;

class Helpers {
 public:
  ~Helpers() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    for (std::thread& thread : threads_) thread.join();
  }

  void Drain(int threads, const std::function<void()>& drain) {
    std::lock_guard<std::mutex> batch(batch_mutex_);
    const int helpers = Start(threads - 1);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      job_ = &drain;
      wanted_ = helpers;
      ++batch_;
    }
    if (helpers > 0) wake_.notify_all();
    try {
      DrainHere(drain);
    } catch (...) {
      Finish();  // the helpers are done with what the drain uses before it goes
      throw;
    }
    Finish();
  }

  static void DrainHere(const std::function<void()>& drain) {
    draining = true;
    struct Reset {
      ~Reset() { draining = false; }
    } reset;
    drain();
  }

 private:
  void Finish() {
    std::unique_lock<std::mutex> lock(mutex_);
    wanted_ = 0;  // a helper that wakes only now stays asleep
    done_.wait(lock, [this] { return busy_ == 0; });
    job_ = nullptr;
  }


  // Starts helpers up to `count`; the number there is (fewer when a thread cannot be started).
  int Start(int count) {
    while (static_cast<int>(threads_.size()) < count) {
      try {
        threads_.emplace_back([this] { Loop(); });
      } catch (const std::system_error&) {
        break;
      }
    }
    return std::min(count, static_cast<int>(threads_.size()));
  }

  void Loop() {
    std::uint64_t seen = 0;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stop_ || (batch_ != seen && wanted_ > 0); });
      if (stop_) return;
      seen = batch_;
      --wanted_;
      ++busy_;
      const std::function<void()>* job = job_;
      lock.unlock();
      DrainHere(*job);
      lock.lock();
      if (--busy_ == 0) done_.notify_all();
    }
  }

  std::mutex batch_mutex_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable done_;
  std::vector<std::thread> threads_;
  const std::function<void()>* job_ = nullptr;
  std::uint64_t batch_ = 0;
  int wanted_ = 0;
  int busy_ = 0;
  bool stop_ = false;
};

}  // namespace

std::vector<plat::TextBlock> TextParts(int count, const std::function<void(int, plat::TextBlock&)>& append) {
  constexpr int kParallelItems = 16;  // below this many, one thread
  std::vector<plat::TextBlock> parts(static_cast<std::size_t>(std::max(count, 0)));
  std::atomic<int> next{1};
  DrainOnHelpers(count >= kParallelItems ? mechanics::ThreadsToUse() : 1, [&] {
    for (int k; (k = next.fetch_add(1)) <= count;) append(k, parts[static_cast<std::size_t>(k - 1)]);
  });
  return parts;
}

void DrainOnHelpers(int threads, const std::function<void()>& drain) {
  if (draining || threads <= 1) {
    drain();
    return;
  }
  static Helpers helpers;
  helpers.Drain(threads, drain);
}

}  // namespace zedir
