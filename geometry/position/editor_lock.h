#pragma once
// The position's lock as the geometry editor takes it before it writes model
// files (the start-up rebuild, the echo command, End, Store, the tables' OK,
// the generators, the deletion of an element).
#include <chrono>

#include "common/position/position.h"
#include "common/position/position_lock.h"
#include "common/result.h"

namespace kelmf {

// How long the editor waits while another program holds the lock before it
// says so and writes nothing.
inline constexpr std::chrono::milliseconds kEditorLockWait{3000};

// common::HoldPositionLock with the editor's wait.
inline common::Result HoldEditorLock(common::PositionLock& lock, const common::Position& position) {
  return common::HoldPositionLock(lock, position, kEditorLockWait);
}

// `write()` while the position's lock is held; while another program holds
// it, the failure that says so, and nothing is written.
template <class Write>
common::Result WithEditorLock(const common::Position& position, Write&& write) {
  common::PositionLock lock;
  if (common::Result held = HoldEditorLock(lock, position); !held) return held;
  return write();
}

}  // namespace kelmf
