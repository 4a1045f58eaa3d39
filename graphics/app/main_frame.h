#pragma once
// The main window of the results viewer: the document windows inside it,
// menu 128, tool bar 128, a status bar of five panes, the tiling and
// cascading keys, the looks, Load a position and the report of a load case
// without results.
#include "graphics/app/viewer_session.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/status_bar.h"
#include "platform/frames/tool_bar.h"

namespace revuzavi {

inline constexpr const char* kNoResultsText = "No results for this load case";

class CMainFrame : public plat::MDIFrameWnd {
 public:
  explicit CMainFrame(ViewerSession& session);

  plat::ToolBar& tool_bar() { return tool_bar_; }
  plat::StatusBar& status_bar() { return status_bar_; }

  // The frame of the picture window, or nullptr.
  plat::MDIChildWnd* PictureFrame() const;
  // 32977, 32979, 333: the text window activated when it is open, else
  // opened beside the picture with the geometry listing, the load listing or
  // the listing of the load case shown.
  void OpenTextWindow(bool TextWindowMarks::*listing);
  // The frame of the text window, or nullptr.
  plat::MDIChildWnd* TextFrame() const;
  // 57601: the folder dialog until a position is chosen (or Cancel), then its start-up.
  void OnLoadPosition();

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 private:
  void OnNew();
  void CloseAllButPicture();
  // The start-up of the chosen position; false when it could not be read.
  bool OpenPosition(const std::string& data_path, const std::string& ext);

  ViewerSession& session_;
  plat::ToolBar tool_bar_;
  plat::StatusBar status_bar_;
};

}  // namespace revuzavi
