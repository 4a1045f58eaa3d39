// REVUZAVI opened in process on BEAM2: the picture window's frame sizes, the
// picture menu's enabling by the load case's results, New, closing the other
// windows and the Font dialog's bytes in PSCALA.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/position/file_names.h"
#include "common/settings.h"
#include "graphics/app/child_frame.h"
#include "graphics/app/font_dialog.h"
#include "graphics/app/graph_app.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/graph_view.h"
#include "graphics/app/main_frame.h"
#include "graphics/app/windows_dialog.h"
#include "graphics/tests/computed_example.h"
#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/frames/command_ids.h"
#include "platform/frames/doc_template.h"
#include "platform/testing/dialog_testing.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/system_metrics.h"

namespace revuzavi {
namespace {

constexpr char kBeam2[] = "BEAM2";
using Beam2 = testing::ComputedExampleTest<kBeam2>;

struct OpenedViewer {
  plat::testing::DialogScript dialogs;
  plat::testing::QuitCatcher quit;
  CGRAPHApp app;

  bool Open(const common::Position& position, int lc) {
    const bool open = app.Open(position.ext() + " @" + position.data_path() + " @" + std::to_string(lc));
    plat::testing::PumpMessages();
    return open;
  }
  CMainFrame& frame() { return *app.main_frame(); }
  void Command(plat::UINT id) {
    frame().SendMessage(plat::WM_COMMAND, id);
    plat::testing::PumpMessages();
  }
  bool Greyed(int position) {
    plat::Menu* menu = frame().PictureFrame()->GetSharedMenu();
    return (menu->GetMenuState(static_cast<plat::UINT>(position), plat::MF_BYPOSITION) & plat::MF_GRAYED) != 0;
  }
  plat::Rect FrameRect(plat::MDIChildWnd* child) {
    plat::Rect r;
    child->GetWindowRect(&r);
    return r;
  }
};

TEST_F(Beam2, PictureMenuGreysTheResultsOfALoadCaseWithoutThem) {
  const std::string ut803 = position_->LoadCaseFile(common::file_names::kDisplacements, 3);
  const auto kept = plat::ReadWholeFile(ut803);
  ASSERT_TRUE(kept && plat::RemoveFile(ut803));
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 2));
  for (int i = 5; i <= 12; ++i) EXPECT_EQ(v.Greyed(i), i == 12) << i;  // no ForcesFPlus yet
  v.Command(ids::kNextLoadCase);
  for (int i = 5; i <= 12; ++i) EXPECT_TRUE(v.Greyed(i)) << i;
  EXPECT_FALSE(v.Greyed(2));
  v.Command(ids::kPreviousLoadCase);
  for (int i = 5; i <= 11; ++i) EXPECT_FALSE(v.Greyed(i)) << i;
  v.app.ExitInstance();
  EXPECT_TRUE(plat::WriteBlock(ut803, kept->data(), kept->size()));
}

TEST_F(Beam2, FramesAreSizedByTheScreenAndNarrowOnlyOnce) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  plat::MDIChildWnd* picture = v.frame().PictureFrame();
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(v.FrameRect(picture).Width(), ChildFrameSize(plat::GetSystemMetrics(plat::SM_CXSCREEN), 0, false).cx);
  EXPECT_FALSE(v.frame().IsCommandEnabled(plat::ID_FILE_NEW));

  v.app.session().narrow_next_frame = true;
  v.app.GetDocTemplate(0)->OpenDocumentFile({});
  plat::testing::PumpMessages();
  v.app.GetDocTemplate(0)->OpenDocumentFile({});
  plat::testing::PumpMessages();
  std::vector<int> widths;
  for (plat::MDIChildWnd* child : v.frame().GetMDIChildren()) widths.push_back(v.FrameRect(child).Width());
  const int screen = plat::GetSystemMetrics(plat::SM_CXSCREEN);
  EXPECT_EQ(std::count(widths.begin(), widths.end(), ChildFrameSize(screen, 0, true).cx), 1);
  EXPECT_EQ(std::count(widths.begin(), widths.end(), ChildFrameSize(screen, 0, false).cx), 2);

  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    EXPECT_EQ(d.SendDlgItemMessage(kWindowList, plat::LB_GETCOUNT), 3);
    d.SendDlgItemMessage(kWindowList, plat::LB_SETCURSEL, 2);
    d.SendMessage(plat::WM_COMMAND, kCloseWindow);
    EXPECT_EQ(d.SendDlgItemMessage(kWindowList, plat::LB_GETCOUNT), 2);
    d.EndDialog(plat::IDOK);
  });
  v.Command(ids::kWindows);
  EXPECT_EQ(v.frame().GetMDIChildren().size(), 2u);
  v.Command(ids::kCloseAllButPicture);
  EXPECT_EQ(v.frame().GetMDIChildren().size(), 1u);
  EXPECT_EQ(v.frame().PictureFrame(), picture);
  v.app.ExitInstance();
}

TEST_F(Beam2, FontStoresTheFactorInPscala) {
  OpenedViewer v;
  ASSERT_TRUE(v.Open(*position_, 1));
  v.dialogs.OnNextDialog([](plat::Dialog& d) {
    d.SetDlgItemText(kChoiceEdit, "0,5");
    d.SendMessage(plat::WM_COMMAND, plat::IDOK);
  });
  v.Command(ids::kFont);
  const auto bytes = plat::ReadWholeFile(common::JoinSettingsPath(common::SettingsContext::Discover(), "PSCALA"));
  ASSERT_TRUE(bytes && bytes->size() >= 100u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes->data()) + 80, 8),
            std::string("\x00\x00\x00\x00\x00\x00\xE0\x3F", 8));
  EXPECT_FLOAT_EQ(v.app.session().font_scale, 0.5f);
  v.app.ExitInstance();
}

}  // namespace
}  // namespace revuzavi
