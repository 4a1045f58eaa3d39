#pragma once
// Multiple-document frames (MFC's CMDIFrameWnd and CMDIChildWnd): the main
// frame holds a client area in which child frames (one per open document
// window, each with its view) are moved, tiled, cascaded, maximised and
// activated. The main frame's menu bar shows the active child's menu (its
// document template's), or the main frame's own when no child is open; its
// accelerators come after the active child's; commands go to the active
// child's view and the child first.
//
// The main frame handles ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ and
// ID_WINDOW_TILE_VERT, and the keys Ctrl+F6 (next child), Ctrl+Shift+F6
// (previous) and Ctrl+F4 (close the active child).
//
// A child frame draws its own caption (title, maximise and close buttons):
// it may be dragged by it, a double click maximises or restores it, and a
// click anywhere in it activates it.
#include <memory>
#include <vector>

#include "platform/frames/frame_wnd.h"

namespace plat {

class MDIChildWnd;

// How MDITile lines the children up.
inline constexpr UINT MDITILE_VERTICAL = 0x0000;    // side by side
inline constexpr UINT MDITILE_HORIZONTAL = 0x0001;  // one above the other

// The client area of a multiple-document frame (Win32's MDICLIENT window).
class MDIClient : public Window {
 protected:
  void OnSize(UINT type, int cx, int cy) override;
  bool OnEraseBkgnd(Dc& dc) override;
};

class MDIFrameWnd : public FrameWnd {
 public:
  MDIFrameWnd();
  ~MDIFrameWnd() override;

  // The client window (AFX_IDW_PANE_FIRST), made with the frame.
  MDIClient* GetClient() const { return client_.get(); }

  // The active child, or nullptr; `maximized` tells whether it is maximised.
  MDIChildWnd* MDIGetActive(bool* maximized = nullptr) const;
  // Activates a child: it comes to the front, its menu shows, its view takes the focus.
  void MDIActivate(MDIChildWnd* child);
  // The child behind the active one becomes active (the active one goes to the back).
  void MDINext();
  void MDIPrev();
  // Lines the children up side by side (MDITILE_VERTICAL) or one above the
  // other (MDITILE_HORIZONTAL), filling the client area; maximised children
  // are restored first.
  void MDITile(UINT how = MDITILE_VERTICAL);
  // Places the children one over the other, each a caption further down and right.
  void MDICascade();
  void MDIMaximize(MDIChildWnd* child);
  void MDIRestore(MDIChildWnd* child);
  // The open children in the order they were made.
  std::vector<MDIChildWnd*> GetMDIChildren() const;

  FrameWnd* GetActiveFrame() override;
  Document* GetActiveDocument() override;
  Menu* GetDisplayedMenu() override;
  bool OnCmdMsg(UINT id, int code, CmdUI* ui) override;
  bool PreTranslateMessage(MSG* msg) override;

 protected:
  bool OnCreateClient(const CREATESTRUCT& create, CreateContext* context) override;
  std::vector<const AcceleratorTable*> ActiveAccelerators() override;
  void OnSetFocus(Window* old) override;
  void OnDestroy() override;

 private:
  friend class MDIChildWnd;
  void ChildCreated(MDIChildWnd* child);
  void ChildDestroyed(MDIChildWnd* child);
  // Children in Z order, the active one first.
  std::vector<MDIChildWnd*> ZOrder() const;
  // Tells both children and shows the new one's menu and caption.
  void Activated(MDIChildWnd* old, MDIChildWnd* now);
  Rect ChildRect(MDIChildWnd* child) const;
  // The shown children, front first, restored for tiling or cascading, and
  // the client area they get.
  std::vector<MDIChildWnd*> ChildrenToArrange(Rect* area);

  std::unique_ptr<MDIClient> client_;
  std::vector<HWND> z_order_;   // the children, front first
  std::vector<HWND> created_;   // the children in the order they were made
  HWND activated_ = nullptr;    // the child last told of its activation
  bool closing_ = false;        // the frame's window goes
};

class MDIChildWnd : public FrameWnd {
 public:
  static constexpr int kCaptionHeight = 20;

  MDIChildWnd();
  ~MDIChildWnd() override;

  // Makes the child in the client of `parent` (an MDIFrameWnd) with the
  // resources' title, menu (shown by the main frame while the child is
  // active) and accelerators.
  bool LoadFrame(const FrameResources& resources, DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                 Window* parent = nullptr, CreateContext* context = nullptr) override;

  MDIFrameWnd* GetMDIFrame() const;
  // The menu the main frame shows while this child is active.
  Menu* GetSharedMenu() { return &shared_menu_; }
  void SetSharedMenu(Menu menu);

  void MDIActivate();
  void MDIMaximize();
  void MDIRestore();
  void MDIDestroy() { DestroyWindow(); }
  bool IsMaximized() const { return maximized_; }
  bool IsActive() const;

  // The child was activated or deactivated.
  virtual void OnMDIActivate(bool activate, MDIChildWnd* activated, MDIChildWnd* deactivated);

  // With SW_SHOWMAXIMIZED (or when the active child is maximised) the child
  // is maximised; it becomes the active child.
  void ActivateFrame(int cmd_show = -1) override;
  void OnUpdateFrameTitle(bool add_to_title) override;
  Rect LayoutArea() const override;
  bool PreTranslateMessage(MSG* msg) override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  int OnCreate(const CREATESTRUCT& create) override;
  void OnDestroy() override;
  void OnPaint(Dc& dc) override;
  void OnLButtonDown(UINT flags, Point point) override;
  void OnLButtonDblClk(UINT flags, Point point) override;
  void OnMouseMove(UINT flags, Point point) override;
  void OnLButtonUp(UINT flags, Point point) override;
  void OnCaptureChanged(Window* window) override;

 private:
  friend class MDIFrameWnd;
  Rect CloseBox() const;
  Rect MaximizeBox() const;
  void PaintCaption();

  Menu shared_menu_;
  bool maximized_ = false;
  Rect normal_rect_;        // the place before maximising, in the client's coordinates
  bool dragging_ = false;
  Point drag_offset_;       // the mouse's place in the caption while it is dragged
  HWND mdi_frame_ = nullptr;
};

}  // namespace plat
