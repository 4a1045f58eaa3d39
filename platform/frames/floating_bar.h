#pragma once
// The small window of a floating tool bar (MFC's mini frame): a tool window
// owned by the frame, above it, that is never activated, so that a click on
// a button leaves the keyboard where it was. It shows the bar's buttons at
// their preferred size; its close box hides the bar.
#include <string_view>

#include "platform/window/window.h"

namespace plat {

class FrameWnd;
class ToolBar;

class FloatingBar : public Window {
 public:
  explicit FloatingBar(ToolBar& bar);
  ~FloatingBar() override;

  // Makes the window at `place` (screen coordinates), shown or not.
  bool Create(FrameWnd* frame, Point place, std::string_view title, bool visible);
  // Takes the size the bar's buttons want.
  void Fit();
  // The window's top left corner on the screen (outside its caption).
  Point Place();

 protected:
  void OnClose() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnDestroy() override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  ToolBar* Bar() const;

  HWND bar_;
};

}  // namespace plat
