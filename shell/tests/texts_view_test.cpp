// The view's texts dialog: the Texts message opens a fresh one, OK closes it
// through the view, the side button of the mouse cancels it.
#include <gtest/gtest.h>

#include <memory>

#include "common/position/output_list.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "shell/app/p_view.h"
#include "shell/tests/shell_test_files.h"
#include "shell/tests/view_frame.h"
#include "shell/texts/dia_texte.h"

namespace quentaris {
namespace {

using plat::testing::PumpMessages;

class TextsViewTest : public testing::PositionTest {
 protected:
  void SetUp() override {
    testing::PositionTest::SetUp();
    testing::PutFile(state_.position_folder + "FILES", common::LoadCasePageEntry("D3", 1, "    Results ") + "\r\n");
    frame_ = std::make_unique<plat::FrameWnd>();
    view_ = testing::OpenView(*frame_, state_, app_);
    ASSERT_NE(view_, nullptr);
  }
  void TearDown() override {
    if (frame_) frame_->DestroyWindow();
    PumpMessages();
  }
  void ShowTexts() {
    view_->PostMessage(kShowTextsMessage);
    PumpMessages();
  }

  plat::WinApp app_{"QUENTARIS"};
  plat::testing::QuitCatcher quit_;
  std::unique_ptr<plat::FrameWnd> frame_;
  CPView* view_ = nullptr;
};

TEST_F(TextsViewTest, OkClosesThroughTheViewAndTextsMakesAFreshList) {
  ShowTexts();
  CDiaTexte* texts = view_->texts();
  ASSERT_NE(texts, nullptr);
  EXPECT_TRUE(texts->IsWindowVisible());
  EXPECT_EQ(texts->list().GetCount(), 2);
  texts->list().SendMessage(plat::WM_COMMAND, kListClear, 0);
  ShowTexts();
  ASSERT_NE(view_->texts(), nullptr);
  EXPECT_EQ(view_->texts()->list().GetCount(), 2);
  plat::testing::Press(*view_->texts(), plat::IDOK);
  PumpMessages();
  EXPECT_EQ(view_->texts(), nullptr);
}

TEST_F(TextsViewTest, TheSideButtonCancels) {
  ShowTexts();
  ASSERT_NE(view_->texts(), nullptr);
  plat::testing::MouseDown(*view_->texts(), plat::Point{2, 2}, plat::testing::MouseButton::kX1);
  PumpMessages();
  EXPECT_FALSE(view_->texts()->IsWindowVisible());
}

}  // namespace
}  // namespace quentaris
