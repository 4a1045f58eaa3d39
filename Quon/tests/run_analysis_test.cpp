#include "Quon/run/run_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "common/position/position_lock.h"
#include "Quon/tests/support/recording_notifier.h"
#include "Quon/tests/support/safe_notifier.h"
#include "Quon/tests/support/solver_fixture.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/testing/testing.h"

namespace zedir {
namespace {

// A two-span beam with load cases 2, 5 and 7, each a force of its own size at the middle support.
class RunAnalysisTest : public ::testing::Test {
 protected:
  RunAnalysisTest() : fixture(testing::TwoSpans()) {
    testing::WriteNodeForceLoadCases(fixture.pos, {2, 5, 7});
  }

  RunReport Analyse(RunNotifier& notifier, std::stop_token stop = {}) {
    zedir::Run run;
    return RunAnalysis(run, fixture.pos.settings(), notifier, stop);
  }
  std::string LockFile() const { return fixture.pos.File(common::kPositionLockFile); }

  testing::SolverFixture fixture;
};

// The progress texts of the passes that computed their load case.
std::vector<std::string> Progress(const std::vector<std::string>& status) {
  std::vector<std::string> progress;
  for (const std::string& s : status) {
    if (s.rfind("LC ", 0) == 0) progress.push_back(s);
  }
  return progress;
}

TEST_F(RunAnalysisTest, WalksTheJobInOrder) {
  fixture.pos.WriteJob({2, 5, 7});
  testing::RecordingNotifier notifier;
  const RunReport report = Analyse(notifier);
  EXPECT_TRUE(report.ok()) << report.FailureText();
  EXPECT_EQ(report.passes, 3);
  EXPECT_EQ(report.computed, 3);
  EXPECT_FALSE(report.stopped);
  EXPECT_EQ(Progress(notifier.status), (std::vector<std::string>{"LC 2 = 1 of 3", "LC 5 = 2 of 3", "LC 7 = 3 of 3"}));
  // The middle support (equation 5) yields in proportion to the force of each load case.
  const double per_kn = fixture.Ut8(2).at(5) / 2.0;
  EXPECT_GT(per_kn, 0.0);
  for (int lc : {5, 7}) {
    const std::vector<double> u = fixture.Ut8(lc);
    ASSERT_EQ(u.size(), 1001u) << lc;
    EXPECT_NEAR(u[5] / (lc * per_kn), 1.0, 1e-9) << lc;
  }
  EXPECT_FALSE(plat::FileExists(LockFile()));
}

TEST_F(RunAnalysisTest, StepBytesChooseHowOftenAnEntryIsComputed) {
  struct Case {
    std::vector<int> steps;
    std::vector<std::string> progress;
  } cases[] = {
      {{0, 0, 0}, {"LC 2 = 1 of 3", "LC 5 = 2 of 3", "LC 7 = 3 of 3"}},
      {{0, 2, 0}, {"LC 2 = 1 of 3", "LC 5 = 2 of 3", "LC 5 = 2 of 3", "LC 7 = 3 of 3"}},
      {{3, 1, 0}, {"LC 2 = 1 of 3", "LC 2 = 1 of 3", "LC 2 = 1 of 3", "LC 5 = 2 of 3", "LC 7 = 3 of 3"}},
  };
  for (const Case& c : cases) {
    fixture.pos.WriteJob({2, 5, 7}, -1, c.steps);
    testing::RecordingNotifier notifier;
    const RunReport report = Analyse(notifier);
    EXPECT_TRUE(report.ok()) << report.FailureText();
    EXPECT_EQ(report.computed, static_cast<int>(c.progress.size()));
    EXPECT_EQ(Progress(notifier.status), c.progress);
  }
}

TEST_F(RunAnalysisTest, MissingLoadCaseIsReportedAndTheJobGoesOn) {
  fixture.pos.WriteJob({2, 9, 7});
  testing::RecordingNotifier notifier;
  const RunReport report = Analyse(notifier);
  const std::string missing = " The file " + fixture.pos.LoadCaseFile("PL", 9) + " does not exist ";
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_EQ(report.failures[0].text(), missing);
  EXPECT_EQ(report.FailureText(), missing);
  EXPECT_EQ(report.FailureCaption(), "Error");
  EXPECT_EQ(report.passes, 3);
  EXPECT_EQ(report.computed, 2);
  EXPECT_EQ(Progress(notifier.status), (std::vector<std::string>{"LC 2 = 1 of 3", "LC 7 = 3 of 3"}));
  EXPECT_NE(std::find(notifier.status.begin(), notifier.status.end(), missing), notifier.status.end());
}

TEST_F(RunAnalysisTest, FailureThatEveryPassWouldMeetEndsTheRun) {
  fixture.pos.WriteJob({2, 5, 7});
  ASSERT_TRUE(plat::RemoveFile(fixture.pos.File("INVERSE")));
  testing::RecordingNotifier notifier;
  const RunReport report = Analyse(notifier);
  EXPECT_EQ(report.passes, 1);
  EXPECT_EQ(report.computed, 0);
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_NE(report.failures[0].text().find("inverse stiffness matrix"), std::string::npos) << report.failures[0].text();
}

TEST_F(RunAnalysisTest, RunWithoutJobOrPositionEndsAtOnce) {
  testing::RecordingNotifier notifier;
  ASSERT_TRUE(plat::RemoveFile(fixture.pos.File("BATCH")) || !plat::FileExists(fixture.pos.File("BATCH")));
  RunReport report = Analyse(notifier);
  EXPECT_EQ(report.passes, 1);
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_EQ(report.failures[0].text(), " The file " + fixture.pos.File("BATCH") + " does not exist ");

  fixture.pos.WriteJob({2});
  ASSERT_TRUE(plat::RemoveFile(common::JoinSettingsPath(fixture.pos.settings(), "DPATH")));
  report = Analyse(notifier);
  EXPECT_EQ(report.passes, 1);
  EXPECT_EQ(report.computed, 0);
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_NE(report.failures[0].text().find("DPATH"), std::string::npos);
}

TEST_F(RunAnalysisTest, StopRequestEndsTheRunAfterThePassInWork) {
  fixture.pos.WriteJob({2, 5, 7});
  std::stop_source stop;
  testing::SafeNotifier notifier;
  notifier.on_status = [&](const std::string& text) {
    if (text.rfind("LC 2", 0) == 0) stop.request_stop();
  };
  const RunReport report = Analyse(notifier, stop.get_token());
  EXPECT_TRUE(report.stopped);
  EXPECT_TRUE(report.ok());
  EXPECT_EQ(report.computed, 1);
  EXPECT_TRUE(fixture.Ut8(5).empty());
  EXPECT_FALSE(plat::FileExists(LockFile()));
}

TEST_F(RunAnalysisTest, SecondRunWaitsForTheFirst) {
  fixture.pos.WriteJob({2, 5, 7});
  common::PositionLock first;
  ASSERT_EQ(first.TryAcquire(LockFile()), common::PositionLock::Attempt::kHeld);

  testing::SafeNotifier notifier;
  RunReport report;
  std::thread second([&] { report = Analyse(notifier); });
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!notifier.Saw(LockWaitText("7")) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  ASSERT_TRUE(notifier.Saw(LockWaitText("7")));
  // Nothing is computed while the first holds the position; the wait is told again every second.
  std::this_thread::sleep_for(std::chrono::milliseconds(1300));
  EXPECT_TRUE(Progress(notifier.status()).empty());
  EXPECT_TRUE(fixture.Ut8(2).empty());
  EXPECT_GE(notifier.status().size(), 2u);
  for (const std::string& text : notifier.status()) EXPECT_EQ(text, LockWaitText("7"));
  first.Release();
  second.join();
  EXPECT_TRUE(report.ok()) << report.FailureText();
  EXPECT_EQ(report.computed, 3);
  EXPECT_FALSE(plat::FileExists(LockFile()));
}

TEST_F(RunAnalysisTest, StopWhileWaitingForTheLock) {
  fixture.pos.WriteJob({2});
  common::PositionLock first;
  ASSERT_EQ(first.TryAcquire(LockFile()), common::PositionLock::Attempt::kHeld);
  std::stop_source stop;
  testing::SafeNotifier notifier;
  notifier.on_status = [&](const std::string& text) {
    if (text == LockWaitText("7")) stop.request_stop();
  };
  const RunReport report = Analyse(notifier, stop.get_token());
  EXPECT_TRUE(report.stopped);
  EXPECT_EQ(report.computed, 0);
  EXPECT_TRUE(plat::FileExists(LockFile()));  // still the first run's
}

TEST_F(RunAnalysisTest, LockFileWithoutALivingHolderIsTakenOver) {
  fixture.pos.WriteJob({2});
  // What a run that crashed leaves: the file with its process id, and no lock on it.
  ASSERT_TRUE(plat::WriteBlock(LockFile(), "99999", 5));
  testing::SafeNotifier notifier;
  RunReport report = Analyse(notifier);
  EXPECT_EQ(report.computed, 1);
  EXPECT_FALSE(notifier.Saw(LockWaitText("7")));
  EXPECT_FALSE(plat::FileExists(LockFile()));

  // A holder whose process ended without letting go.
  const std::string path = LockFile();
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0644);
    ::_exit(fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ASSERT_TRUE(plat::FileExists(path));
  report = Analyse(notifier);
  EXPECT_EQ(report.computed, 1);
  EXPECT_FALSE(notifier.Saw(LockWaitText("7")));
  EXPECT_FALSE(plat::FileExists(path));
}

}  // namespace
}  // namespace zedir
