#pragma once
// The bars of a frame (MFC's control bars): menu bar, tool bars, ribbon and
// status bar are child windows of the frame that it lines up along its top or
// bottom edge (RecalcLayout), with the view (or the client of a
// multiple-document frame) in the rest of its client area. Each bar shows
// its elements with the window system's own widgets and brings their states
// up to date through the frame's update handlers (UpdateCmdUI).
//
// The mouse over a bar asks WM_SETCURSOR of the bar, whose default handling
// asks the frame first, as over any child window.
#include "platform/frames/command_target.h"
#include "platform/window/window.h"

class QWidget;

namespace plat {

class FrameWnd;

class ControlBar : public Window {
 public:
  ControlBar();
  ~ControlBar() override;

  // The frame that lines the bar up (nullptr before Create).
  FrameWnd* GetFrame() const { return frame_; }
  // Lined up along the bottom edge (a status bar) instead of the top.
  bool AtBottom() const { return at_bottom_; }
  // The height the bar takes at a width.
  virtual int CalcHeight(int width) const;
  // Brings the states of the elements up to date through `target`'s update
  // handlers; with `disable_if_no_handler`, elements without any handler
  // are disabled.
  virtual void UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler);

 protected:
  // Makes the bar as a child of `frame` with the id, holding `content` (a
  // widget of the window system that fills the bar), and tells the frame.
  bool CreateBar(FrameWnd* frame, UINT id, QWidget* content, bool at_bottom, std::string_view title = {});
  QWidget* content() const { return content_; }
  // A command of an element: WM_COMMAND (id, no control) posted to the frame.
  void PostCommand(UINT id);
  // A bar never keeps the keyboard: when the window system's focus is on no
  // window or on a bar (a menu bar left by Escape, a tool button) while no
  // pop-up or modal dialog is open, it goes back to the frame's focus window,
  // else to its active view, as on Windows, where the bars never take it.
  void ReturnKeyboard();

  void OnSize(UINT type, int cx, int cy) override;
  void OnDestroy() override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  FrameWnd* frame_ = nullptr;
  QWidget* content_ = nullptr;
  bool at_bottom_ = false;
};

}  // namespace plat
