// The shell's main view as a person uses it: arrow keys, the wheel, dropped
// files, the right button, printing and the data-path advice.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "common/position/file_names.h"
#include "common/records/record_files.h"
#include "common/settings_files.h"
#include "platform/dc/bitmap.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/frame_wnd.h"
#include "platform/files.h"
#include "platform/frames/win_app.h"
#include "platform/print/picture.h"
#include "platform/print/tests/pdf_reading.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"
#include "shell/app/p_view.h"
#include "shell/settings/read_settings.h"
#include "shell/tests/shell_test_files.h"
#include "shell/tests/view_frame.h"

namespace quentaris {
namespace {

using plat::testing::PumpMessages;
using testing::FileText;

class App : public plat::WinApp {
 public:
  App() : WinApp("QUENTARIS") {}
  plat::testing::QuitCatcher quit;
};

// The main frame, counting the messages the view posts to it.
class MainFrame : public plat::FrameWnd {
 public:
  int Posted(plat::UINT message) const {
    return static_cast<int>(std::count(posted_.begin(), posted_.end(), message));
  }

 protected:
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override {
    posted_.push_back(message);
    return plat::FrameWnd::WindowProc(message, wParam, lParam);
  }

 private:
  std::vector<plat::UINT> posted_;
};

// A frame of two columns and a beam, `width` by `height` metres.
FrameData PortalFrame(float width, float height) {
  FrameData frame;
  frame.params_read = true;
  frame.extents = common::DrawingExtents::Box(0, 0, width, height);
  frame.units_per_metre = UnitsPerMetre(frame.extents);
  frame.elements.SetCount(3);
  const float ends[3][4] = {{0, 0, 0, height}, {0, height, width, height}, {width, height, width, 0}};
  for (int k = 1; k <= 3; ++k) {
    frame.elements[k].set_xa(ends[k - 1][0]);
    frame.elements[k].set_za(ends[k - 1][1]);
    frame.elements[k].set_xb(ends[k - 1][2]);
    frame.elements[k].set_zb(ends[k - 1][3]);
  }
  return frame;
}

class ViewWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ReadSettings(state_);
    state_.data_path = plat::testing::TestFolder() + "data/";
    state_.data_path_is_settings_folder = false;
    state_.position_name = "PORTAL";
    ASSERT_TRUE(LoadPosition(state_).ok());
    ASSERT_TRUE(common::EnsurePositionFolder(state_.position()));
    state_.frame = PortalFrame(6, 4);
  }
  void Open() {
    frame_ = std::make_unique<MainFrame>();
    view_ = testing::OpenView(*frame_, state_, app_);
    ASSERT_NE(view_, nullptr);
  }
  void TearDown() override {
    if (frame_) frame_->DestroyWindow();
    PumpMessages();
  }
  std::string Settings(const std::string& name) const { return state_.SettingsPath(name); }

  App app_;
  ShellState state_;
  std::unique_ptr<MainFrame> frame_;
  CPView* view_ = nullptr;
};

TEST_F(ViewWindowTest, ArrowKeysStepThroughTheLoadCasesOfTheDiary) {
  state_.diary.set_count(3);
  const int numbers[] = {2, 5, 9};
  for (int k = 1; k <= 3; ++k) {
    state_.diary.set_load_case(k, static_cast<std::int16_t>(numbers[k - 1]));
    common::LoadCaseParams block;
    block.set_load_case(static_cast<std::int16_t>(numbers[k - 1]));
    block.set_point_load_count(static_cast<std::int16_t>(10 * numbers[k - 1]));
    ASSERT_TRUE(common::WriteBlockRecord(state_.position().LoadCaseFile("PL", numbers[k - 1]), block));
  }
  ASSERT_TRUE(plat::FileExists(state_.position().folder() + "PL09.PORTAL"));
  state_.load_case.set_load_case(5);
  Open();
  struct Step {
    int vk;
    int number;
    int point_loads;  // of the block read; 0: nothing read
  };
  int posts = 0;
  for (const Step& step : {Step{plat::VK_UP, 9, 90}, Step{plat::VK_UP, 9, 90}, Step{plat::VK_DOWN, 5, 50},
                           Step{plat::VK_DOWN, 2, 20}, Step{plat::VK_DOWN, 0, 20}, Step{plat::VK_UP, 2, 20}}) {
    plat::testing::PressKey(*view_, step.vk);
    PumpMessages();
    EXPECT_EQ(state_.load_case.load_case(), step.number);
    EXPECT_EQ(state_.load_case.point_load_count(), step.point_loads) << step.number;
    EXPECT_EQ(frame_->Posted(kMouseCoordinatesMessage) - posts, 1) << step.number;
    posts = frame_->Posted(kMouseCoordinatesMessage);
  }
}

TEST_F(ViewWindowTest, EscapeEndsTheMessageLoopWithOne) {
  Open();
  plat::testing::PressKey(*view_, plat::VK_ESCAPE);
  PumpMessages();
  EXPECT_EQ(app_.quit.code(), 1);
}

TEST_F(ViewWindowTest, TheWheelWithAltStepsThePenWidthWithinItsRange) {
  state_.pen_width = 1;
  Open();
  for (int n = 0; n < 12; ++n) plat::testing::Wheel(*view_, 120, plat::testing::kAlt);
  EXPECT_EQ(state_.pen_width, 10);
  EXPECT_EQ(FileText(Settings("PRDB")), std::string("\x0a\x00\x00\x00", 4));
  for (int n = 0; n < 12; ++n) plat::testing::Wheel(*view_, -120, plat::testing::kAlt);
  EXPECT_EQ(state_.pen_width, 0);
  EXPECT_EQ(FileText(Settings("PRDB")), std::string(4, '\0'));
}

TEST_F(ViewWindowTest, TheWheelAloneZoomsThePicture) {
  Open();
  for (int n = 0; n < 3; ++n) plat::testing::Wheel(*view_, -120);
  for (int n = 0; n < 4; ++n) plat::testing::Wheel(*view_, 120);
  EXPECT_NEAR(state_.picture_factor, 1.1, 1e-6);
}

TEST_F(ViewWindowTest, TheWheelWithCtrlAndShiftWritesTheTextFactorAtByte80) {
  Open();
  plat::testing::Wheel(*view_, 120, plat::testing::kCtrl | plat::testing::kShift);
  const std::string bytes = FileText(Settings("PSCALA"));
  ASSERT_EQ(bytes.size(), 104u);
  double text_factor = 0;
  std::memcpy(&text_factor, bytes.data() + 80, 8);
  EXPECT_NEAR(text_factor, 1.1, 1e-6);
  float second = 0;
  std::memcpy(&second, bytes.data() + 100, 4);
  EXPECT_EQ(second, 1.0f);
}

TEST_F(ViewWindowTest, AGeometryEchoFileDroppedAmongOthersIsTaken) {
  Open();
  plat::testing::DropFiles(*view_, {"/x/readme.txt", "/x/echo_g.beam2.txt", "/x/ECHO_G.ARCH.TXT"}, {50, 50});
  PumpMessages();
  EXPECT_EQ(state_.start_file, "/x/echo_g.beam2.txt");
  EXPECT_EQ(frame_->Posted(kEchoDroppedMessage), 1);

  state_.start_file.clear();
  for (const char* path : {"/x/MYECHO_G.A.TXT", "/x/ECHO_G.data/readme.txt"}) {
    plat::testing::DropFiles(*view_, {path}, {50, 50});
    PumpMessages();
    EXPECT_EQ(state_.start_file, "") << path;
  }
  EXPECT_EQ(frame_->Posted(kEchoDroppedMessage), 1);
}

TEST_F(ViewWindowTest, TheRightButtonStartsTheViewerWhenThePictureIsShown) {
  ASSERT_TRUE(common::WriteInt32File(state_.position().File(common::file_names::kGeometryMarker), 1));
  Open();
  plat::testing::ProcessRecorder processes;
  state_.picture_on = false;
  plat::testing::Click(*view_, {100, 100}, plat::testing::MouseButton::kRight);
  PumpMessages();
  EXPECT_TRUE(state_.picture_on);
  EXPECT_TRUE(processes.calls().empty());

  plat::testing::Click(*view_, {100, 100}, plat::testing::MouseButton::kRight);
  PumpMessages();
  ASSERT_EQ(processes.calls().size(), 1u);
  EXPECT_NE(processes.calls()[0].program.find("REVUZAVI"), std::string::npos);
  EXPECT_EQ(processes.calls()[0].args, (std::vector<std::string>{".PORTAL", "@" + state_.data_path}));
}

TEST_F(ViewWindowTest, QuickPrintPrintsThePictureByItsShapeAndCopiesItToTheClipboard) {
  plat::SetClipboardImage(plat::Bitmap());
  Open();
  struct Case {
    float width, height;
    bool landscape;
  };
  int job = 0;
  for (const Case& c : {Case{6, 4, true}, Case{3, 10, false}}) {
    state_.frame = PortalFrame(c.width, c.height);
    const std::string pdf = plat::testing::TestFolder() + "print" + std::to_string(++job) + ".pdf";
    plat::testing::PrintToPdf to_pdf(pdf);
    frame_->SendMessage(plat::WM_COMMAND, plat::ID_FILE_PRINT_DIRECT, 0);
    PumpMessages();
    const auto pages = plat::testing::PdfPages(pdf);
    ASSERT_EQ(pages.size(), 1u) << pdf;
    EXPECT_EQ(pages[0].width > pages[0].height, c.landscape) << c.width << " x " << c.height;
    EXPECT_NE(plat::testing::PdfPageText(pdf, 1).find("Position PORTAL"), std::string::npos);
  }
  EXPECT_GT(plat::GetClipboardImage().width(), 0);
}

TEST_F(ViewWindowTest, TheDataPathAdviceIsShownOnceWhenTheDataPathIsTheSettingsFolder) {
  for (const bool settings_folder : {true, false}) {
    plat::testing::MessageBoxScript boxes;
    state_.data_path_is_settings_folder = settings_folder;
    Open();
    for (int paint = 0; paint < 2; ++paint) {
      view_->Invalidate();
      view_->UpdateWindow();
      PumpMessages();
    }
    ASSERT_EQ(boxes.shown().size(), settings_folder ? 1u : 0u);
    if (settings_folder) {
      EXPECT_EQ(boxes.shown()[0].text.rfind("Advice: Click on Path Data", 0), 0u);
    }
    frame_->DestroyWindow();
    frame_.reset();
    PumpMessages();
  }
}

TEST_F(ViewWindowTest, TheMouseOverThePictureGivesItsPlaceInMetres) {
  Open();
  view_->Invalidate();
  view_->UpdateWindow();
  plat::Rect client;
  view_->GetClientRect(&client);
  // The picture (6 x 4 m) lies centred in the client.
  const int posts = frame_->Posted(kMouseCoordinatesMessage);
  plat::testing::MouseMove(*view_, {client.right / 2, client.bottom / 2});
  PumpMessages();
  EXPECT_EQ(frame_->Posted(kMouseCoordinatesMessage), posts + 1);
  EXPECT_NEAR(view_->mouse_world().x, 3.0, 0.05);
  EXPECT_NEAR(view_->mouse_world().y, 2.0, 0.05);
}

TEST_F(ViewWindowTest, TheContextMenuOffersCutAndCopy) {
  Open();
  plat::testing::PopupMenuScript menus;
  view_->SendMessage(plat::WM_CONTEXTMENU, 0, 0);
  PumpMessages();
  ASSERT_EQ(menus.shown().size(), 1u);
  std::vector<plat::UINT> ids;
  for (const plat::testing::ShownMenuItem& item : menus.shown()[0]) ids.push_back(item.id);
  EXPECT_EQ(ids, (std::vector<plat::UINT>{plat::ID_EDIT_CUT, plat::ID_EDIT_COPY}));
}

TEST_F(ViewWindowTest, CloseSaysNoFrame) {
  Open();
  plat::testing::MessageBoxScript boxes;
  view_->SendMessage(plat::WM_CLOSE, 0, 0);
  ASSERT_EQ(boxes.shown().size(), 1u);
  EXPECT_EQ(boxes.shown()[0].text, "No frame");
  EXPECT_EQ(boxes.shown()[0].caption, "Attention");
}

TEST_F(ViewWindowTest, TheTitleNamesThePosition) {
  Open();
  view_->Invalidate();
  view_->UpdateWindow();
  EXPECT_EQ(frame_->GetWindowText(), " Position PORTAL");
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(*frame_).Save(snapshots + "quentaris-view.png").ok());
}

TEST_F(ViewWindowTest, SpaceSwitchesThePictureOffAndOn) {
  Open();
  plat::testing::PressKey(*view_, plat::VK_SPACE);
  EXPECT_FALSE(state_.picture_on);
  plat::testing::PressKey(*view_, plat::VK_SPACE);
  EXPECT_TRUE(state_.picture_on);
}

}  // namespace
}  // namespace quentaris
