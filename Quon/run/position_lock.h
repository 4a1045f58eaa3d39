#pragma once
// The lock that keeps two solver runs off one position: a file in the position
// folder, held with an exclusive flock while a run works there and removed when
// the run lets it go. The system drops the flock with its process, so a lock
// file whose process is gone is stale and taken over at once.
#include <string>

namespace zedir {

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

}  // namespace zedir
