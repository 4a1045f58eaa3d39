#pragma once
// Small programs for the frame tests: an application object, a view and a
// main frame with a menu, a tool bar and a status bar, all writing what
// reaches them into one log.
#include <string>
#include <vector>

#include "platform/frames/frame_wnd.h"
#include "platform/frames/status_bar.h"
#include "platform/frames/tool_bar.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/testing/window_testing.h"

namespace plat::test {

struct Log {
  std::vector<std::string> entries;
  void Add(std::string s) { entries.push_back(std::move(s)); }
};

// The application object of a test: WM_QUIT after its main window goes is
// caught, so that the test process's message loops go on.
class TestApp : public WinApp {
 public:
  TestApp() : WinApp("FRAMETEST") {}
  testing::QuitCatcher quit;
};

class LoggingView : public View {
 public:
  explicit LoggingView(Log& log, std::string name = "view") : log_(log), name_(std::move(name)) {}
  const std::string& name() const { return name_; }
  std::vector<UINT> keys;

 protected:
  void OnKeyDown(UINT vk, UINT, UINT) override { keys.push_back(vk); }
  void OnContextMenu(Window*, Point point) override {
    Menu popup = Menu::Popup();
    popup.AppendMenu(MF_STRING, 32800, "&Route");
    popup.AppendMenu(MF_STRING, 32801, "&Greyed");
    popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
  }
  Log& log_;
  std::string name_;
};

// A menu bar: File (New, Exit), Edit (Route, Greyed, Checked), View (tool bar, status bar).
inline Menu TestMenu() {
  Menu file = Menu::Popup();
  file.AppendMenu(MF_STRING, ID_FILE_NEW, "&New\tCtrl+N");
  file.AppendMenu(MF_SEPARATOR);
  file.AppendMenu(MF_STRING, ID_APP_EXIT, "E&xit");
  Menu edit = Menu::Popup();
  edit.AppendMenu(MF_STRING, 32800, "&Route");
  edit.AppendMenu(MF_STRING, 32801, "&Greyed");
  edit.AppendMenu(MF_STRING, 32906, "G&rid");
  Menu view = Menu::Popup();
  view.AppendMenu(MF_STRING, ID_VIEW_TOOLBAR, "&Toolbar");
  view.AppendMenu(MF_STRING, ID_VIEW_STATUS_BAR, "&Status Bar");
  Menu bar;
  bar.AppendMenu(MF_POPUP, std::move(file), "&File");
  bar.AppendMenu(MF_POPUP, std::move(edit), "&Edit");
  bar.AppendMenu(MF_POPUP, std::move(view), "&View");
  return bar;
}

// A frame as the editors have one: menu bar, tool bar with a grid button
// shown pressed while the grid is on, five status panes, shown maximised.
class EditorFrame : public FrameWnd {
 public:
  explicit EditorFrame(Log& log) : log_(log) {
    MapCommand(32906, [this] {
      grid_on = !grid_on;
      log_.Add("frame grid");
    });
    MapUpdate(32906, [this](CmdUI& ui) { ui.SetCheck(grid_on ? 1 : 0); });
    MapUpdate(32801, [](CmdUI& ui) { ui.Enable(false); });
  }
  bool grid_on = false;
  bool maximise_on_show = true;
  ToolBar tool_bar;
  StatusBar status_bar;

 protected:
  int OnCreate(const CREATESTRUCT& create) override {
    if (FrameWnd::OnCreate(create) == -1) return -1;
    if (!tool_bar.Create(this) || !status_bar.Create(this)) return -1;
    tool_bar.SetButtons({{ID_FILE_SAVE, "Store"}, {0, ""}, {32776, "Graphical input"}, {32906, "Grid"}});
    const UINT panes[] = {ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR, ID_SEPARATOR};
    status_bar.SetIndicators(panes);
    return 0;
  }
  void OnShowWindow(bool show, UINT status) override {
    FrameWnd::OnShowWindow(show, status);
    if (show && maximise_on_show) ShowWindow(SW_SHOWMAXIMIZED);
  }
  Log& log_;
};

}  // namespace plat::test
