#pragma once
// Running code on the user-interface thread (the thread of the application
// object) from any thread: the one mechanism behind posted and cross-thread sent
// messages and the message boxes that workers ask for.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

namespace plat::detail {

// True on the user-interface thread; false when there is no application object.
bool OnUiThread();
bool HasApplication();

// Queues `call` for the user-interface thread, behind everything queued before.
// False when there is no application object.
bool PostToUiThread(std::function<void()> call);

// The calls queued and neither started nor dropped yet.
int PendingUiCalls();

// The end of a call that another thread waits for. Finished once: by the call's
// value, or abandoned (no value) when the call was dropped or its target went away.
class Completion {
 public:
  void Finish(std::int64_t value);
  void Abandon();
  bool finished() const;
  // Blocks until finished; the value, or nullopt when abandoned.
  std::optional<std::int64_t> Wait();

 private:
  mutable std::mutex mutex_;
  std::condition_variable done_;
  bool finished_ = false;
  std::optional<std::int64_t> value_;
};

// Runs `call` on the user-interface thread and returns its value: at once on
// that thread, otherwise queued while the caller waits. nullopt when it never
// ran: no application object, a dropped queue, or `completion` abandoned first
// (the call is then skipped). A given completion must be fresh.
std::optional<std::int64_t> CallOnUiThread(std::function<std::int64_t()> call,
                                           std::shared_ptr<Completion> completion = nullptr);

}  // namespace plat::detail
