#pragma once
// The lock of a position: a file in the position folder, held with an
// exclusive flock while a program changes or reads the position's model and
// load files (KELMF's Store, PUNDF's rebuild "@G", a ZEDIR run) and removed
// when it lets it go. The system drops the flock with its process, so a lock
// file whose process is gone is stale and taken over at once.
#include <chrono>
#include <string>

#include "common/position/position.h"
#include "common/result.h"

namespace common {

// The lock file of a position: position folder + "ZEDIRLOCK" + extension.
inline constexpr const char* kPositionLockFile = "ZEDIRLOCK";

class PositionLock {
 public:
  enum class Attempt {
    kHeld,         // this object holds the lock now
    kBusy,         // another run holds it
    kUnavailable,  // the file cannot be made or locked (a missing or read-only folder)
  };

  PositionLock() = default;
  ~PositionLock() { Release(); }
  PositionLock(PositionLock&& other) noexcept;
  PositionLock& operator=(PositionLock&& other) noexcept;
  PositionLock(const PositionLock&) = delete;
  PositionLock& operator=(const PositionLock&) = delete;

  // One try, without waiting; the lock held before is let go first. The file
  // holds the process id of its holder (for a person who looks).
  Attempt TryAcquire(const std::string& path);
  // Removes the file and lets the lock go; nothing when none is held.
  void Release();

  bool held() const { return fd_ >= 0; }
  // The file of the lock held, empty when none.
  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::string path_;
};

// Takes the position's lock for a program that changes its files, trying again
// every `poll` while another program holds it, for at most `wait`. A lock file
// that cannot be made (a missing or read-only folder) leaves the work unlocked:
// its own writes report what is wrong. Fails, naming the position, when the
// lock stays busy.
Result HoldPositionLock(PositionLock& lock, const Position& position,
                        std::chrono::milliseconds wait = std::chrono::seconds(30),
                        std::chrono::milliseconds poll = std::chrono::milliseconds(50));

}  // namespace common
