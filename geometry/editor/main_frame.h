#pragma once
// The main window of the geometry editor: menu bar, the tool bar "Standard",
// the status bar of five panes, the application looks, the drawing cursor
// over the picture, maximised, and its close box as the End command.
#include <string>

#include "platform/frames/frame_wnd.h"
#include "platform/frames/status_bar.h"
#include "platform/frames/tool_bar.h"

namespace kelmf {

struct EditorSession;

class CMainFrame : public plat::FrameWnd {
 public:
  CMainFrame();

  plat::ToolBar& tool_bar() { return tool_bar_; }
  plat::StatusBar& status_bar() { return status_bar_; }

  // The caption is the title alone ("Position NAME"), without the document's.
  void OnUpdateFrameTitle(bool add_to_title) override;

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnClose() override;
  bool OnSetCursor(plat::Window* window, plat::UINT hit_test, plat::UINT message) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  EditorSession* Session();
  void ShowMouseCoordinates();
  void ShowCoordinateMessage();
  // Inside the picture, clear of the top 50 and the right 40 pixels and of the bars.
  bool OverPicture(plat::Point client) const;

  plat::ToolBar tool_bar_;
  plat::StatusBar status_bar_;
};

}  // namespace kelmf
