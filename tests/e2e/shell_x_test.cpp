// The shell as a person uses it on a real X server, with real mouse and key
// events: the ribbon's Save opens Save position; after Frame (KELMF stores by
// its script and ends) Space in the view switches the picture, and so it does
// after a click on the view. The buttons' places come from the same ribbon
// laid out in this process.
#include <gtest/gtest.h>

#include <QToolButton>
#include <QWidget>

#include <cstdlib>
#include <string>

#include "common/settings.h"
#include "common/settings_files.h"
#include "platform/ribbon/ribbon_bar.h"
#include "platform/ribbon/ribbon_elements.h"
#include "platform/script/script_testing.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "shell/frame/main_frame.h"
#include "shell/frame/p_app.h"
#include "shell/settings/read_settings.h"
#include "shell/texts/dia_texte.h"
#include "tests/e2e/e2e_positions.h"
#include "tests/e2e/x_session.h"

namespace {

// A ribbon button's centre in the main window's client, as this process lays the ribbon out.
struct ButtonPlaces {
  int save_x = 0, save_y = 0;
  int frame_x = 0, frame_y = 0;
};

std::optional<std::pair<int, int>> CentreOf(plat::RibbonBar& ribbon, plat::UINT id, QWidget* top) {
  for (plat::RibbonElement* e : ribbon.GetElements()) {
    auto* button = dynamic_cast<plat::RibbonButton*>(e);
    if (!button || e->GetID() != id || e->GetParentCategory() != ribbon.GetCategory(0)) continue;
    QToolButton* widget = button->button();
    if (!widget) return std::nullopt;
    const QPoint centre = widget->mapTo(top, widget->rect().center());
    return std::make_pair(centre.x(), centre.y());
  }
  return std::nullopt;
}

std::optional<ButtonPlaces> Places() {
  quentaris::CPApp app;
  if (!app.Open("")) return std::nullopt;
  plat::testing::PumpMessages();
  quentaris::CMainFrame* frame = app.main_frame();
  QWidget* save = nullptr;
  for (plat::RibbonElement* e : frame->ribbon().GetElements()) {
    if (auto* b = dynamic_cast<plat::RibbonButton*>(e); b && e->GetID() == plat::ID_FILE_SAVE) save = b->button();
  }
  if (!save) return std::nullopt;
  QWidget* top = save->window();
  const auto s = CentreOf(frame->ribbon(), plat::ID_FILE_SAVE, top);
  const auto f = CentreOf(frame->ribbon(), quentaris::ids::kFrame, top);
  app.ExitInstance();
  plat::testing::PumpMessages();
  if (!s || !f) return std::nullopt;
  return ButtonPlaces{s->first, s->second, f->first, f->second};
}

class ShellOnX : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
    ASSERT_TRUE(x.ok()) << x.error();
    const common::Position beam = e2e::ComputedExample("BEAM2");
    const common::SettingsContext settings = common::SettingsContext::Discover();
    ASSERT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(settings, "DPATH"), beam.data_path()));
    ASSERT_TRUE(common::WriteTextBlock(common::JoinSettingsPath(settings, "EXTR"), ".BEAM2"));
    places = Places();
    ASSERT_TRUE(places);
  }

  // Starts the shell; its window's geometry.
  std::optional<e2e::XGeometry> StartShell(const std::vector<std::pair<std::string, std::string>>& env) {
    shell = x.Start("QUENTARIS", {}, env);
    if (shell <= 0) return std::nullopt;
    window = x.FindWindow("Position BEAM2");
    if (!window) return std::nullopt;
    x.Settle(500);
    return x.Geometry(*window);
  }

  // Waits until KELMF's script log tells of its Store.
  bool WaitForKelmfsStore(double seconds) {
    for (int tries = 0; tries < seconds * 5; ++tries) {
      const std::string log = e2e::ReadBytes(plat::testing::TestFolder() + "KELMF.log");
      if (log.find("command 57603: ok") != std::string::npos) return true;
      x.Settle(200);
    }
    return false;
  }

  // Waits until `count` visible windows have a title matching the expression.
  bool WaitForWindows(const std::string& title_regex, std::size_t count, double seconds) {
    for (int tries = 0; tries < seconds * 5; ++tries) {
      if (x.VisibleWindows({"--name", title_regex}).size() == count) return true;
      x.Settle(200);
    }
    return false;
  }

  // The view's part of the screen: below the ribbon, above the status bar.
  static e2e::XGeometry ViewArea(const e2e::XGeometry& g) {
    return e2e::XGeometry{g.x + 10, g.y + g.height / 3, g.width - 20, g.height / 2};
  }

  e2e::XSession x;
  std::optional<ButtonPlaces> places;
  pid_t shell = -1;
  std::optional<std::string> window;
};

TEST_F(ShellOnX, AClickOnTheRibbonsSaveOpensSavePosition) {
  const auto g = StartShell({{"PLAT_MESSAGES", ""}, {"PLAT_SCRIPT", ""}});
  ASSERT_TRUE(g) << x.StderrOf(shell);
  ASSERT_TRUE(x.Click(g->x + places->save_x, g->y + places->save_y));
  EXPECT_TRUE(x.FindWindow("Destination:|Browse", 10)) << x.StderrOf(shell);
}

TEST_F(ShellOnX, AfterFrameTheViewTakesSpaceAgain) {
  plat::testing::WriteScript("KELMF", "command 57603\n");
  plat::testing::WriteScript("QUENTARIS", "wait 120000\n");
  const auto g = StartShell({{"PLAT_MESSAGES", ""},
                             {"PLAT_SCRIPT", plat::testing::TestFolder()},
                             {"PLAT_SCRIPT_IDLE_S", "200"}});
  ASSERT_TRUE(g) << x.StderrOf(shell);
  ASSERT_TRUE(x.Click(g->x + places->frame_x, g->y + places->frame_y));
  // KELMF comes, stores by its script and goes; its window ("Position BEAM2" too) with it.
  ASSERT_TRUE(WaitForKelmfsStore(90)) << x.StderrOf(shell);
  ASSERT_TRUE(WaitForWindows("Position BEAM2", 1, 30)) << x.StderrOf(shell);
  x.Settle(1500);
  ASSERT_TRUE(x.Focus(*window));  // the window system gives the shell the keyboard again
  x.Settle(500);
  const auto before = x.Grab();
  ASSERT_TRUE(before);
  ASSERT_TRUE(x.Key("space"));
  x.Settle(800);
  const auto hidden = x.Grab();
  ASSERT_TRUE(hidden);
  EXPECT_GT(hidden->Differences(*before, ViewArea(*g)), 100) << "Space did not reach the view";

  // A click on the view gives it the keyboard too.
  ASSERT_TRUE(x.Click(g->x + g->width / 2, g->y + g->height - 60));
  x.Settle(500);
  ASSERT_TRUE(x.Key("space"));
  x.Settle(800);
  const auto shown = x.Grab();
  ASSERT_TRUE(shown);
  EXPECT_GT(shown->Differences(*hidden, ViewArea(*g)), 100) << "Space after a click did not reach the view";
}

TEST(TextsOnX, ShowOfAListingStartsAViewerOrNamesTheOpenerAndTheFile) {
  if (const std::string why = e2e::XUnavailable(); !why.empty()) GTEST_SKIP() << why;
  e2e::XSession x;
  ASSERT_TRUE(x.ok()) << x.error();
  const common::Position beam = e2e::ComputedExample("BEAM2");
  quentaris::ShellState state;
  quentaris::ReadSettings(state);
  state.data_path = beam.data_path();
  state.position_name = "BEAM2";
  state.position_ext = ".BEAM2";
  state.position_folder = beam.folder();
  // The opener and the viewer it starts run on the X server.
  const char* display_before = std::getenv("DISPLAY");
  const std::string kept = display_before ? display_before : "";
  setenv("DISPLAY", x.display().c_str(), 1);
  plat::testing::MessageBoxScript boxes;
  quentaris::CDiaTexte texts(state, nullptr);
  ASSERT_TRUE(texts.Create(nullptr));
  plat::testing::PumpMessages();
  int d3 = -1;
  for (int i = 0; i < texts.list().GetCount(); ++i) {
    if (texts.list().LineText(i).rfind("  D3 ", 0) == 0) d3 = i;
  }
  ASSERT_GE(d3, 0);
  texts.ShowLine(d3);
  if (display_before) {
    setenv("DISPLAY", kept.c_str(), 1);
  } else {
    unsetenv("DISPLAY");
  }
  texts.DestroyWindow();
  if (boxes.shown().empty()) return;  // a viewer took the listing
  ASSERT_EQ(boxes.shown().size(), 1u);
  const std::string& text = boxes.shown()[0].text;
  EXPECT_NE(text.find("xdg-open"), std::string::npos) << text;
  EXPECT_NE(text.find(beam.folder() + "D3."), std::string::npos) << text;
}

}  // namespace
