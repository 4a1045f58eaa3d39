#pragma once
// The bars of a frame (MFC's control bars): menu bar, tool bars, ribbon and
// status bar are child windows of the frame that it lines up along its edges
// (RecalcLayout), with the view (or the client of a multiple-document frame)
// in the rest of its client area. The menu bar and the ribbon lie along the
// top, the status bar along the bottom; a tool bar may be docked at any side
// or float in a small window of its own. Each bar shows its elements with the
// window system's own widgets and brings their states up to date through the
// frame's update handlers (UpdateCmdUI).
//
// The mouse over a bar asks WM_SETCURSOR of the bar, whose default handling
// asks the frame first, as over any child window.
#include "platform/frames/command_target.h"
#include "platform/window/window.h"

class QWidget;

namespace plat {

class FrameWnd;

// Where a bar lies: along an edge of the frame, or in a window of its own.
enum class DockSide { kTop, kBottom, kLeft, kRight, kFloating };

class ControlBar : public Window {
 public:
  ControlBar();
  ~ControlBar() override;

  // The frame that lines the bar up (nullptr before Create).
  FrameWnd* GetFrame() const { return frame_; }
  // The edge the bar is lined up along, or kFloating.
  DockSide GetDockSide() const { return side_; }
  // A bar whose side a person may change (a tool bar); the others keep
  // theirs, and a status bar lies outside every bar docked at the bottom.
  virtual bool CanDock() const { return false; }
  // The height the bar takes at a width (docked at the top or bottom).
  virtual int CalcHeight(int width) const;
  // The width the bar takes at a height (docked at the left or right).
  virtual int CalcWidth(int height) const;
  // Whether the bar is shown (docked or floating), and showing or hiding it.
  virtual bool IsBarVisible();
  virtual void ShowBar(bool show);
  // The frame was shown or hidden.
  virtual void FrameShown(bool) {}
  // The content wants another size (its elements changed): the frame lines
  // its bars up again.
  virtual void ContentResized();
  // Brings the states of the elements up to date through `target`'s update
  // handlers; with `disable_if_no_handler`, elements without any handler
  // are disabled.
  virtual void UpdateCmdUI(CommandTarget& target, bool disable_if_no_handler);

 protected:
  // Makes the bar as a child of `frame` with the id, holding `content` (a
  // widget of the window system that fills the bar), and tells the frame.
  bool CreateBar(FrameWnd* frame, UINT id, QWidget* content, DockSide side, std::string_view title = {});
  QWidget* content() const { return content_; }
  void SetDockSide(DockSide side) { side_ = side; }
  // Moves the content into `host` (a floating bar's window; nullptr: the
  // bar's own window), filling its client area.
  void HostContent(Window* host);
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
  HWND host_ = nullptr;  // the window that shows the content; nullptr: the bar's own
  DockSide side_ = DockSide::kTop;
};

}  // namespace plat
