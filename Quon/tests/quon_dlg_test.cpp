#include "Quon/app/quon_dlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "Quon/app/run_messages.h"
#include "common/position/position_lock.h"
#include "Quon/tests/support/solver_fixture.h"
#include "common/records/record_files.h"
#include "platform/controls/progress.h"
#include "platform/files.h"
#include "platform/hooks.h"
#include "platform/testing/testing.h"

namespace zedir {
namespace {

// Message boxes answered here, with the thread that showed each.
class BoxRecorder {
 public:
  BoxRecorder() : previous_(plat::hooks::message_box) {
    handler_.handle = [this](const std::string& text, const std::string& caption, unsigned) {
      boxes.push_back(caption + "|" + text);
      threads.push_back(std::this_thread::get_id());
      return plat::IDOK;
    };
    plat::hooks::message_box = &handler_;
  }
  ~BoxRecorder() { plat::hooks::message_box = previous_; }

  std::vector<std::string> boxes;
  std::vector<std::thread::id> threads;

 private:
  plat::hooks::MessageBoxHandler handler_;
  plat::hooks::MessageBoxHandler* previous_;
};

// The dialog of a test that acts on its status texts, as a person might
// while the worker waits for the dialog.
class ActingDialog : public CQuonDlg {
 public:
  using CQuonDlg::CQuonDlg;

  std::vector<std::string> shown;  // the status field after each status text
  std::vector<int> bar;            // the job bar's position then
  std::function<void(ActingDialog&, const std::string&)> act;

  void Stop() { SendMessage(plat::WM_COMMAND, plat::IDCANCEL); }
  void Close() { EndDialog(plat::IDCANCEL); }

 protected:
  void OnStatusText() override {
    CQuonDlg::OnStatusText();
    shown.push_back(GetDlgItemText(kStatusField));
    auto* progress = dynamic_cast<plat::ProgressCtrl*>(GetDlgItem(kJobProgressBar));
    bar.push_back(progress ? progress->GetPos() : -1);
    if (act) act(*this, shown.back());
  }
};

// A two-span beam with load cases 2, 5 and 7 in a job; the dialog runs as in
// an unattended run (its modal loop without a person).
class QuonDlgTest : public ::testing::Test {
 protected:
  QuonDlgTest() : fixture(testing::TwoSpans()) {
    testing::WriteNodeForceLoadCases(fixture.pos, {2, 5, 7});
    fixture.pos.WriteJob({2, 5, 7});
    setenv("PLAT_MESSAGES", (plat::testing::TestFolder() + "messages.txt").c_str(), 1);
  }
  ~QuonDlgTest() override { unsetenv("PLAT_MESSAGES"); }

  testing::SolverFixture fixture;
  BoxRecorder boxes;
};

TEST_F(QuonDlgTest, ComputesTheJobAndEnds) {
  ActingDialog dialog(fixture.pos.settings());
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  EXPECT_EQ(dialog.ExitCode(), 0);
  EXPECT_EQ(dialog.report().computed, 3);
  EXPECT_TRUE(boxes.boxes.empty());
  ASSERT_FALSE(dialog.shown.empty());
  EXPECT_EQ(dialog.shown.front(), "7   Test frame");
  EXPECT_EQ(dialog.shown.back(), "LC 7 = 3 of 3");
  EXPECT_EQ(dialog.bar.back(), 3);
  EXPECT_FALSE(dialog.GetSafeHwnd());
  for (int lc : {2, 5, 7}) EXPECT_EQ(fixture.Ut8(lc).size(), 1001u) << lc;
}

TEST_F(QuonDlgTest, FailuresAreShownOnTheUserInterfaceThreadAndEndWithMinusOne) {
  fixture.pos.WriteJob({2, 9, 7});
  ActingDialog dialog(fixture.pos.settings());
  dialog.DoModal();
  EXPECT_EQ(dialog.ExitCode(), -1);
  EXPECT_EQ(dialog.report().computed, 2);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0], "Error| The file " + fixture.pos.LoadCaseFile("PL", 9) + " does not exist ");
  EXPECT_EQ(boxes.threads[0], std::this_thread::get_id());
}

TEST_F(QuonDlgTest, RunThatCannotStartEndsWithItsMessage) {
  ASSERT_TRUE(plat::RemoveFile(fixture.pos.File("BATCH")));
  ActingDialog dialog(fixture.pos.settings());
  dialog.DoModal();
  EXPECT_EQ(dialog.ExitCode(), -1);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0], "Error| The file " + fixture.pos.File("BATCH") + " does not exist ");
}

TEST_F(QuonDlgTest, WorkersBoxIsShownOnTheUserInterfaceThreadWhileTheRunGoesOn) {
  common::FrameParams params = fixture.model.params;
  params.set_equation_count(0);
  common::WriteBlockRecord(fixture.pos.File("PARAMR"), params);
  ActingDialog dialog(fixture.pos.settings());
  dialog.DoModal();
  ASSERT_GE(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0], "ZEDIR|Number of equations = Null");
  for (std::thread::id id : boxes.threads) EXPECT_EQ(id, std::this_thread::get_id());
  EXPECT_EQ(dialog.ExitCode(), -1);  // a frame of no equations has no inverse to compute with
}

TEST_F(QuonDlgTest, StopEndsTheRunAfterThePassInWork) {
  ActingDialog dialog(fixture.pos.settings());
  // Stop is pressed while the worker waits in its first status message.
  dialog.act = [](ActingDialog& d, const std::string&) {
    if (d.shown.size() == 1) d.Stop();
  };
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  EXPECT_TRUE(dialog.report().stopped);
  EXPECT_EQ(dialog.report().computed, 1);
  EXPECT_EQ(dialog.ExitCode(), 0);
  EXPECT_TRUE(fixture.Ut8(5).empty());
  EXPECT_FALSE(plat::FileExists(fixture.pos.File(common::kPositionLockFile)));
}

TEST_F(QuonDlgTest, DialogThatClosesWhileTheWorkerWaitsLetsItEnd) {
  {
    ActingDialog dialog(fixture.pos.settings());
    dialog.act = [](ActingDialog& d, const std::string&) {
      if (d.shown.size() == 1) d.Close();
    };
    dialog.DoModal();
    EXPECT_FALSE(dialog.GetSafeHwnd());
  }  // the worker has ended here: its sends to the gone window returned at once
  EXPECT_FALSE(plat::FileExists(fixture.pos.File(common::kPositionLockFile)));
  EXPECT_TRUE(fixture.Ut8(5).empty());
  EXPECT_TRUE(boxes.boxes.empty());
}

// While another program holds the position the dialog stands open (not minimised) and says that it
// waits and for which position; once the position is free it computes, minimised again.
TEST_F(QuonDlgTest, AWaitForThePositionIsShown) {
  common::PositionLock other;
  ASSERT_EQ(other.TryAcquire(fixture.pos.File(common::kPositionLockFile)), common::PositionLock::Attempt::kHeld);
  ActingDialog dialog(fixture.pos.settings());
  bool open_while_waiting = false;
  bool minimised_after = false;
  std::string waited;
  dialog.act = [&](ActingDialog& d, const std::string& text) {
    if (waited.empty() && text.starts_with("Waiting for position")) {
      waited = text;
      open_while_waiting = d.IsWindowVisible() && !d.IsIconic();
      other.Release();
    } else if (!waited.empty() && text.starts_with("LC ")) {
      minimised_after = d.IsIconic();
    }
  };
  EXPECT_EQ(dialog.DoModal(), plat::IDCANCEL);
  EXPECT_EQ(waited, LockWaitText(fixture.pos.position().name()));
  EXPECT_EQ(waited, "Waiting for position " + fixture.pos.position().name() +
                        ": another program is storing or computing it");
  EXPECT_TRUE(open_while_waiting);
  EXPECT_TRUE(minimised_after);
  EXPECT_EQ(dialog.report().computed, 3);
  EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(QuonDlgTest, MessagesOfTheDialog) {
  ActingDialog dialog(fixture.pos.settings());
  std::vector<plat::LRESULT> answers;
  dialog.act = [&](ActingDialog& d, const std::string&) {
    if (d.shown.size() != 1) return;
    for (plat::UINT m : {kIdleMessage, kRepaintMessage, kMatrixPresentMessage, kMatrixMissingMessage}) {
      answers.push_back(d.SendMessage(m));
    }
    auto* settlements = dynamic_cast<plat::ProgressCtrl*>(d.GetDlgItem(kSettlementProgressBar));
    ASSERT_TRUE(settlements);
    d.SendMessage(kSettlementColumnMessage);
    answers.push_back(settlements->GetPos());
  };
  dialog.DoModal();
  EXPECT_EQ(answers, (std::vector<plat::LRESULT>{0, 0, 0, 0, 10}));
  EXPECT_EQ(dialog.TemplateId(), 102u);
  EXPECT_EQ(dialog.Caption(), "QUENTARIS");
}

}  // namespace
}  // namespace zedir
