#pragma once
// The position's lock as the geometry editor takes it before it writes model
// files (the start-up rebuild, the echo command, End, Store).
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

}  // namespace kelmf
