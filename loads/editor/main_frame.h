#pragma once
// The main window of the load editor: menu bar, the tool bar 128, the status
// bar with the mouse's coordinates, the application looks, the pick cursor,
// maximised; its close box runs the End command. Its handle is written to
// HANDLEPUNDWPLATTE in the settings folder.
#include "common/records/load_case_params.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/status_bar.h"
#include "platform/frames/tool_bar.h"

namespace pundf {

struct EditorSession;

class CMainFrame : public plat::FrameWnd {
 public:
  CMainFrame();

  plat::ToolBar& tool_bar() { return tool_bar_; }
  plat::StatusBar& status_bar() { return status_bar_; }

  // The caption is the title alone, without the document's.
  void OnUpdateFrameTitle(bool add_to_title) override;

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnClose() override;
  bool OnSetCursor(plat::Window* window, plat::UINT hit_test, plat::UINT message) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  EditorSession* Session();
  const common::LoadCaseParams* Params();
  void WriteHandleFile();
  void ShowMouseCoordinates();

  plat::ToolBar tool_bar_;
  plat::StatusBar status_bar_;
};

}  // namespace pundf
