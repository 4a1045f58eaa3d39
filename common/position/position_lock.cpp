#include "common/position/position_lock.h"

#include <cerrno>
#include <string>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {
namespace {

// Whether the open file is still the one the path names: a holder that let go
// removed it, and a new file may stand there now.
bool StillNamedBy(int fd, const std::string& path) {
  struct stat open_file, named;
  if (::fstat(fd, &open_file) != 0 || ::stat(path.c_str(), &named) != 0) return false;
  return open_file.st_dev == named.st_dev && open_file.st_ino == named.st_ino;
}

}  // namespace

PositionLock::PositionLock(PositionLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), path_(std::move(other.path_)) {
  other.path_.clear();
}

PositionLock& PositionLock::operator=(PositionLock&& other) noexcept {
  if (this != &other) {
    Release();
    fd_ = std::exchange(other.fd_, -1);
    path_ = std::move(other.path_);
    other.path_.clear();
  }
  return *this;
}

PositionLock::Attempt PositionLock::TryAcquire(const std::string& path) {
  Release();
  for (;;) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Attempt::kUnavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      return error == EWOULDBLOCK ? Attempt::kBusy : Attempt::kUnavailable;
    }
    if (!StillNamedBy(fd, path)) {  // taken over from a holder that let go meanwhile: try the new file
      ::close(fd);
      continue;
    }
    // The process id is only for a person who looks; the flock is the lock.
    const std::string pid = std::to_string(::getpid());
    if (::ftruncate(fd, 0) == 0) {
      const ssize_t written = ::pwrite(fd, pid.data(), pid.size(), 0);
      (void)written;
    }
    fd_ = fd;
    path_ = path;
    return Attempt::kHeld;
  }
}

void PositionLock::Release() {
  if (fd_ < 0) return;
  // Removed while still locked, so that a waiter that opened this file sees it is gone.
  ::unlink(path_.c_str());
  ::close(fd_);
  fd_ = -1;
  path_.clear();
}

Result HoldPositionLock(PositionLock& lock, const Position& position, std::chrono::milliseconds wait,
                        std::chrono::milliseconds poll) {
  const std::string path = position.File(kPositionLockFile);
  const auto end = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (lock.TryAcquire(path) != PositionLock::Attempt::kBusy) return Result::Ok();
    if (std::chrono::steady_clock::now() >= end) {
      return Result::Fail("Position " + position.name() + " is in use by another program (" + path +
                              "). Nothing was changed; try again when it has ended.",
                          "Error");
    }
    std::this_thread::sleep_for(poll);
  }
}

}  // namespace common
