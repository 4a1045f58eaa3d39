#include "common/position/position_lock.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace common {
namespace {

TEST(PositionLock, OneHolderAtATime) {
  const std::string path = plat::testing::TestFolder() + "LOCK";
  PositionLock a, b;
  EXPECT_EQ(a.TryAcquire(path), PositionLock::Attempt::kHeld);
  EXPECT_EQ(b.TryAcquire(path), PositionLock::Attempt::kBusy);
  EXPECT_FALSE(b.held());
  PositionLock moved = std::move(a);
  EXPECT_FALSE(a.held());
  EXPECT_EQ(b.TryAcquire(path), PositionLock::Attempt::kBusy);
  moved.Release();
  EXPECT_FALSE(plat::FileExists(path));
  EXPECT_EQ(b.TryAcquire(path), PositionLock::Attempt::kHeld);
  EXPECT_EQ(plat::ReadWholeFile(path)->size(), std::to_string(::getpid()).size());
  EXPECT_EQ(a.TryAcquire(plat::testing::TestFolder() + "missing/LOCK"), PositionLock::Attempt::kUnavailable);
}

TEST(HoldPositionLock, WaitsForTheHolderAndNamesAPositionThatStaysBusy) {
  const Position position(plat::testing::TestFolder(), ".7");
  ASSERT_TRUE(EnsurePositionFolder(position));
  PositionLock other;
  ASSERT_EQ(other.TryAcquire(position.File(kPositionLockFile)), PositionLock::Attempt::kHeld);

  PositionLock lock;
  const Result busy = HoldPositionLock(lock, position, std::chrono::milliseconds(100), std::chrono::milliseconds(10));
  EXPECT_EQ(busy.text(), "Position 7 is in use by another program (" + position.File(kPositionLockFile) +
                             "). Nothing was changed; try again when it has ended.");
  EXPECT_FALSE(lock.held());

  std::thread release([&other] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    other.Release();
  });
  EXPECT_TRUE(HoldPositionLock(lock, position).ok());
  release.join();
  EXPECT_TRUE(lock.held());

  // A folder where no lock file can be made leaves the work unlocked: its writes say what is wrong.
  PositionLock nowhere;
  EXPECT_TRUE(HoldPositionLock(nowhere, Position(plat::testing::TestFolder() + "none/", ".7")).ok());
  EXPECT_FALSE(nowhere.held());
}

}  // namespace
}  // namespace common
