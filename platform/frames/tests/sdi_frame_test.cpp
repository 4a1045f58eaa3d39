// A single-document frame: commands routed view, frame, application; update
// handlers that grey and check items; a tool bar with a pressed button; the
// status panes; accelerators; a context menu; the maximised show; the end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/tests/test_frames.h"
#include "platform/testing/frame_testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace plat::test {
namespace {

using namespace plat::testing;

class SdiFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame = std::make_unique<EditorFrame>(log);
    CreateContext context;
    context.new_view = [this] { return new LoggingView(log); };
    FrameResources resources{128, "Dimensions", TestMenu(), {{FVIRTKEY | FCONTROL, 'G', 32906}}};
    ASSERT_TRUE(frame->LoadFrame(resources, WS_OVERLAPPEDWINDOW, nullptr, &context));
    app.SetMainWnd(frame.get());
    frame->InitialUpdateFrame(nullptr, true);
    PumpMessages();
    view = dynamic_cast<LoggingView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
  }

  TestApp app;
  Log log;
  std::unique_ptr<EditorFrame> frame;
  LoggingView* view = nullptr;
};

TEST_F(SdiFrameTest, MenuCommandGoesToViewThenFrameThenApplication) {
  struct Case {
    bool view, frame, app;
    const char* expected;
  };
  const Case cases[] = {
      {true, true, true, "view"}, {false, true, true, "frame"}, {false, false, true, "app"}, {true, false, true, "view"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    for (CommandTarget* t : std::initializer_list<CommandTarget*>{view, frame.get(), &app}) t->UnmapCommand(32800);
    if (c.view) view->MapCommand(32800, [this] { log.Add("view"); });
    if (c.frame) frame->MapCommand(32800, [this] { log.Add("frame"); });
    if (c.app) app.MapCommand(32800, [this] { log.Add("app"); });
    log.entries.clear();
    ASSERT_TRUE(ChooseMenuItem(*frame, {"&Edit", "&Route"}));
    PumpMessages();
    EXPECT_EQ(log.entries, std::vector<std::string>{c.expected});
  }
}

TEST_F(SdiFrameTest, CommandNobodyHandlesIsShownDisabledAndCannotBeChosen) {
  const auto items = OpenMenuBarPopup(*frame, 1);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].text, "&Route");
  EXPECT_FALSE(items[0].enabled);
  EXPECT_FALSE(ChooseMenuItem(*frame, {"&Edit", "&Route"}));
  // Without the automatic disabling an item keeps the state the program gave it.
  frame->auto_menu_enable = false;
  frame->GetMenu()->EnableMenuItem(32800, MF_BYCOMMAND | MF_ENABLED);
  EXPECT_TRUE(OpenMenuBarPopup(*frame, 1)[0].enabled);
}

TEST_F(SdiFrameTest, UpdateHandlerGreysAnItemAndKeepsItsCommandFromRunning) {
  view->MapCommand(32801, [this] { log.Add("greyed ran"); });
  const auto items = OpenMenuBarPopup(*frame, 1);
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[1].text, "&Greyed");
  EXPECT_FALSE(items[1].enabled);
  EXPECT_TRUE(items[2].enabled);  // Grid: a handler in the frame
  EXPECT_FALSE(ChooseMenuItem(*frame, {"&Edit", "&Greyed"}));
  // An accelerator or a bar sends the command anyway: the frame drops it.
  frame->SendMessage(WM_COMMAND, MAKEWPARAM(32801, 1), 0);
  PumpMessages();
  EXPECT_TRUE(log.entries.empty());
  // The menu model holds what the handler set.
  EXPECT_EQ(frame->GetMenu()->GetMenuState(32801, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
}

TEST_F(SdiFrameTest, UpdateHandlerChecksAMenuItem) {
  EXPECT_FALSE(OpenMenuBarPopup(*frame, 1)[2].checked);
  frame->grid_on = true;
  EXPECT_TRUE(OpenMenuBarPopup(*frame, 1)[2].checked);
}

TEST_F(SdiFrameTest, ToolBarShowsTheCheckOfTheUpdateHandlerAsPressed) {
  IdleUpdate(*frame);
  EXPECT_FALSE(ToolButtonPressed(frame->tool_bar, 32906));
  EXPECT_TRUE(ToolButtonEnabled(frame->tool_bar, 32906));
  EXPECT_FALSE(ToolButtonEnabled(frame->tool_bar, 32776));  // no handler anywhere
  // A click sends the command; the handler's state, not the click, presses the button.
  ASSERT_TRUE(ClickToolButton(frame->tool_bar, 32906));
  EXPECT_FALSE(ToolButtonPressed(frame->tool_bar, 32906));
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"frame grid"});
  IdleUpdate(*frame);
  EXPECT_TRUE(ToolButtonPressed(frame->tool_bar, 32906));
  EXPECT_EQ(frame->tool_bar.GetButtonStyle(frame->tool_bar.CommandToIndex(32906)) & TBBS_CHECKED, TBBS_CHECKED);
  EXPECT_FALSE(ClickToolButton(frame->tool_bar, 32776));  // disabled: no click
  frame->grid_on = false;
  IdleUpdate(*frame);
  EXPECT_FALSE(ToolButtonPressed(frame->tool_bar, 32906));
}

// The window system's widget that has the keyboard, and the menu bar's widget of the frame.
QWidget* KeyboardWidget() { return QApplication::focusWidget(); }
QMenuBar* MenuBarWidget(FrameWnd& frame) {
  QWidget* frame_widget = detail::WidgetOfWindow(frame);
  for (QMenuBar* bar : frame_widget->findChildren<QMenuBar*>()) return bar;
  return nullptr;
}

// The bars never keep the keyboard: Escape in a pop-up of the menu bar leaves
// the window system's focus on the bar, and a tool bar click or the pop-up's
// going gives it back to the view, so that its keys reach it again.
TEST_F(SdiFrameTest, TheBarsGiveTheKeyboardBackToTheView) {
  view->SetFocus();
  QWidget* view_widget = detail::WidgetOfWindow(*view);
  ASSERT_EQ(KeyboardWidget(), view_widget);
  QMenuBar* bar = MenuBarWidget(*frame);
  ASSERT_NE(bar, nullptr);

  bar->setFocus(Qt::MenuBarFocusReason);  // where Escape leaves it
  ASSERT_EQ(KeyboardWidget(), bar);
  ASSERT_TRUE(ClickToolButton(frame->tool_bar, 32906));
  PumpMessages();
  EXPECT_EQ(KeyboardWidget(), view_widget);

  ASSERT_FALSE(bar->actions().isEmpty());
  QMenu* popup = bar->actions().front()->menu();
  ASSERT_NE(popup, nullptr);
  popup->popup(QPoint(10, 10));
  PumpMessages();
  popup->hide();
  bar->setFocus(Qt::MenuBarFocusReason);
  PumpUntil([&] { return KeyboardWidget() == view_widget; }, 2000);
  EXPECT_EQ(KeyboardWidget(), view_widget);
  EXPECT_EQ(Window::GetFocus(), view);
}

TEST_F(SdiFrameTest, StatusPanesShowTheirTexts) {
  StatusBar* bar = frame->GetMessageBar();
  ASSERT_EQ(bar, &frame->status_bar);
  ASSERT_EQ(bar->GetCount(), 5);
  EXPECT_TRUE(bar->SetPaneText(3, "12.50  -3.25"));
  bar->SetPaneText(1, "XXXXXX 1.00  2.00");
  frame->SetMessageText("Click on a node");
  EXPECT_EQ(PaneTextShown(*bar, 3), "12.50  -3.25");
  EXPECT_EQ(PaneTextShown(*bar, 1), "XXXXXX 1.00  2.00");
  EXPECT_EQ(PaneTextShown(*bar, 0), "Click on a node");
  EXPECT_EQ(bar->GetPaneText(3), "12.50  -3.25");
  EXPECT_FALSE(bar->SetPaneText(5, "none"));
  // Windows-1252 text shows as such.
  bar->SetPaneText(2, "y = 3\xB2");
  EXPECT_EQ(PaneTextShown(*bar, 2), "y = 3\xB2");
}

TEST_F(SdiFrameTest, AClickOnAStatusPaneWithACommandSendsIt) {
  view->MapCommand(32800, [this] { log.Add("pane"); });
  StatusBar& bar = frame->status_bar;
  bar.SetPaneCommand(1, 32800);
  ASSERT_TRUE(ClickStatusPane(bar, 2));  // no command: nothing
  ASSERT_TRUE(ClickStatusPane(bar, 1));
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"pane"});
}

TEST_F(SdiFrameTest, ViewFillsTheRoomBetweenTheBars) {
  Rect client, view_rect, tool_rect, status_rect;
  frame->GetClientRect(&client);
  view->GetWindowRect(&view_rect);
  frame->tool_bar.GetWindowRect(&tool_rect);
  frame->status_bar.GetWindowRect(&status_rect);
  frame->ScreenToClient(&view_rect);
  frame->ScreenToClient(&tool_rect);
  frame->ScreenToClient(&status_rect);
  EXPECT_GT(tool_rect.top, 0);  // the menu bar above it
  EXPECT_EQ(view_rect.top, tool_rect.bottom);
  EXPECT_EQ(view_rect.bottom, status_rect.top);
  EXPECT_EQ(status_rect.bottom, client.bottom);
  EXPECT_EQ(view_rect.Width(), client.Width());
  // Hiding the status bar (its menu command) gives the view its room.
  ASSERT_TRUE(ChooseMenuItem(*frame, {"&View", "&Status Bar"}));
  PumpMessages();
  EXPECT_FALSE(frame->status_bar.IsWindowVisible());
  view->GetWindowRect(&view_rect);
  frame->ScreenToClient(&view_rect);
  EXPECT_EQ(view_rect.bottom, client.bottom);
  EXPECT_FALSE(OpenMenuBarPopup(*frame, 2)[1].checked);
  EXPECT_TRUE(OpenMenuBarPopup(*frame, 2)[0].checked);
}

TEST_F(SdiFrameTest, ShownMaximisedWithItsTitle) {
  EXPECT_TRUE(frame->IsWindowVisible());
  EXPECT_TRUE(frame->IsZoomed());
  EXPECT_EQ(frame->GetWindowText(), "Dimensions");
  EXPECT_EQ(MenuBarTexts(*frame), (std::vector<std::string>{"&File", "&Edit", "&View"}));
}

TEST_F(SdiFrameTest, AClickOnTheActiveViewGivesItTheKeyboardFocus) {
  ASSERT_EQ(frame->GetActiveView(), view);
  plat::SetFocus(nullptr);  // taken away meanwhile (another program, a closed box)
  Click(*view, Point{30, 30});
  EXPECT_EQ(Window::GetFocus(), view);
  // A click on it while it has the focus changes nothing.
  Click(*view, Point{40, 40});
  EXPECT_EQ(Window::GetFocus(), view);
}

TEST_F(SdiFrameTest, AcceleratorSendsItsCommandUnlessDisabled) {
  PressKey(*view, 'G', kCtrl);
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"frame grid"});
  EXPECT_EQ(std::count(view->keys.begin(), view->keys.end(), UINT{'G'}), 0);  // the accelerator took the key
  frame->MapUpdate(32906, [](CmdUI& ui) { ui.Enable(false); });
  PressKey(*view, 'G', kCtrl);
  PumpMessages();
  EXPECT_EQ(log.entries.size(), 1u);
  EXPECT_EQ(std::count(view->keys.begin(), view->keys.end(), UINT{'G'}), 0);
  PressKey(*view, 'G');  // without Ctrl: an ordinary key for the view
  EXPECT_EQ(view->keys.back(), UINT{'G'});
}

TEST_F(SdiFrameTest, ContextMenuOfTheViewIsUpdatedAndRoutesItsChoice) {
  view->MapCommand(32800, [this] { log.Add("view"); });
  view->MapCommand(32801, [this] { log.Add("greyed ran"); });
  PopupMenuScript script;
  script.Choose(32800);
  script.Choose(32801);
  Click(*view, Point{30, 30}, MouseButton::kRight);
  PumpMessages();
  Click(*view, Point{30, 30}, MouseButton::kRight);
  PumpMessages();
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_TRUE(script.shown()[0][0].enabled);
  EXPECT_FALSE(script.shown()[0][1].enabled);
  EXPECT_EQ(log.entries, std::vector<std::string>{"view"});
}

TEST_F(SdiFrameTest, NamedContextMenuOfTheApplicationRoutesThroughTheFrame) {
  Menu resource;  // a menu resource: a bar holding the one pop-up
  Menu edit = Menu::Popup();
  edit.AppendMenu(MF_STRING, ID_EDIT_CUT, "&Ausschneiden\tCtrl+X");
  edit.AppendMenu(MF_STRING, ID_EDIT_COPY, "&Kopieren\tCtrl+C");
  resource.AppendMenu(MF_POPUP, std::move(edit), "Bearbeiten");
  app.AddContextMenu("Bearbeiten", std::move(resource));
  ASSERT_NE(app.GetContextMenu("Bearbeiten"), nullptr);
  EXPECT_EQ(app.GetContextMenu("Bearbeiten")->GetMenuItemCount(), 2);
  view->MapCommand(ID_EDIT_COPY, [this] { log.Add("copy"); });
  PopupMenuScript script;
  script.Choose(ID_EDIT_CUT);  // nobody handles it: greyed, not chosen
  script.Choose(ID_EDIT_COPY);
  EXPECT_EQ(app.ShowPopupMenu("Bearbeiten", Point{10, 10}, view), 0u);
  EXPECT_EQ(app.ShowPopupMenu("Bearbeiten", Point{10, 10}, view), ID_EDIT_COPY);
  EXPECT_EQ(app.ShowPopupMenu("Nowhere", Point{10, 10}, view), 0u);
  PumpMessages();
  EXPECT_EQ(log.entries, std::vector<std::string>{"copy"});
  ASSERT_EQ(script.shown().size(), 2u);
  EXPECT_FALSE(script.shown()[0][0].enabled);
  EXPECT_TRUE(script.shown()[0][1].enabled);
}

TEST_F(SdiFrameTest, ContextMenuNobodyAnswersClosesWithoutChoice) {
  view->MapCommand(32800, [this] { log.Add("view"); });
  Menu popup = Menu::Popup();
  popup.AppendMenu(MF_STRING, 32800, "&Route");
  EXPECT_EQ(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, view), 0u);
  PumpMessages();
  EXPECT_TRUE(log.entries.empty());
}

TEST_F(SdiFrameTest, ClosingTheMainWindowEndsTheMessageLoop) {
  QuitCatcher quit;
  frame->SendMessage(WM_CLOSE);
  PumpMessages();
  EXPECT_EQ(frame->GetSafeHwnd(), nullptr);
  EXPECT_EQ(app.GetMainWnd(), nullptr);
  ASSERT_TRUE(quit.code().has_value());
  EXPECT_EQ(*quit.code(), 0);
  // The place of the window is kept for the next start.
  EXPECT_TRUE(app.GetProfileBinary("Workspace/MainFrame", "WindowPlacement").has_value());
}

TEST_F(SdiFrameTest, ApplicationExitClosesTheMainWindow) {
  app.MapCommand(ID_APP_EXIT, [this] { app.OnAppExit(); });
  QuitCatcher quit;
  ASSERT_TRUE(ChooseMenuItem(*frame, {"&File", "E&xit"}));
  PumpMessages();
  EXPECT_EQ(frame->GetSafeHwnd(), nullptr);
  EXPECT_TRUE(quit.code().has_value());
}

}  // namespace
}  // namespace plat::test
