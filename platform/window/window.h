#pragma once
// A window with Win32's message model: a handle, messages dispatched through
// WindowProc to virtual On<Event> handlers, PreTranslateMessage walked from the
// target to its parents, posted and sent messages (also from worker threads),
// timers and deferred deletion. Underneath, a widget of the window system turns
// its input events into these messages.
//
// Threads: a window belongs to the user-interface thread; only PostMessage,
// SendMessage, IsWindow and PostQuitMessage (the free functions on a handle) may
// be called from other threads.
//
// Focus and capture are the program's own, kept here as Win32 keeps them:
// SetFocus sends WM_KILLFOCUS to the old window and then WM_SETFOCUS to the new
// one, synchronously, whatever the window system does with its own focus.
//
// Lifetime: DestroyWindow sends WM_DESTROY (to the window, then its children),
// kills its timers and sends WM_NCDESTROY, whose handler PostNcDestroy may
// `delete this`. Deleting a window object destroys its window. Both are safe
// inside the window's own handlers: the platform touches nothing of a window
// after a handler that ended it, and the widget is released later.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dc/dc.h"
#include "platform/dc/gdi_objects.h"
#include "platform/dc/gdi_types.h"
#include "platform/window/cursor.h"
#include "platform/window/messages.h"

namespace plat {

namespace detail {
class HostWidget;
struct WindowState;
}  // namespace detail

// What WM_CREATE carries (its lParam points at it).
struct CREATESTRUCT {
  Window* parent = nullptr;
  Rect rect;
  DWORD style = 0;
  UINT id = 0;
  std::string name;  // Windows-1252
  DWORD ex_style = 0;
};

class Window {
 public:
  Window();
  // Destroys the window when it still exists (the derived class's handlers are
  // gone by then: WM_DESTROY reaches only this base).
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // ---- Creation and destruction ----

  // Creates the window. With WS_CHILD it is a child of `parent` placed at `rect`
  // in the parent's client coordinates; otherwise a top-level window at `rect` in
  // screen coordinates (owned by `parent` when one is given). Sends WM_CREATE
  // (OnCreate returning -1 fails the creation, and the window is destroyed) and
  // WM_SIZE; shows the window with WS_VISIBLE. `title` is Windows-1252.
  //
  // Styles: WS_BORDER draws a one-pixel frame around the client area;
  // WS_VSCROLL and WS_HSCROLL show the scroll bars from the start (range 0..100);
  // WS_POPUP makes a frameless top-level window. Showing a top-level window
  // activates it: it takes the focus unless the focus is inside it already
  // (not so with SW_SHOWNOACTIVATE, SWP_NOACTIVATE or WS_EX_NOACTIVATE).
  bool Create(std::string_view title, DWORD style, const Rect& rect, Window* parent = nullptr, UINT id = 0);
  // Create with extended styles: WS_EX_TOOLWINDOW (a tool window: no task-bar
  // entry; with WS_POPUP the kind of a title tip), WS_EX_TOPMOST (stays above
  // the other windows), WS_EX_NOACTIVATE (never activated).
  bool CreateEx(DWORD ex_style, std::string_view title, DWORD style, const Rect& rect, Window* parent = nullptr,
                UINT id = 0);
  // Destroys the window (see the header comment). False when there is none.
  bool DestroyWindow();

  // The handle, or nullptr when no window exists.
  HWND GetSafeHwnd() const { return hwnd_; }
  // The window object of a handle on the user-interface thread; nullptr when the
  // window is gone.
  static Window* FromHandle(HWND hwnd);

  // The parent of a child, the owner of a top-level window; nullptr if none.
  Window* GetParent() const;
  UINT GetDlgCtrlID() const;
  // The child with this control id, or nullptr.
  Window* GetDlgItem(UINT id) const;
  // A related window (Win32's GetWindow): GW_CHILD the first child; of a
  // child, GW_HWNDFIRST, GW_HWNDLAST, GW_HWNDNEXT and GW_HWNDPREV its
  // siblings in creation order (the order of Tab in a dialog); GW_OWNER the
  // owner of a top-level window. nullptr when there is none.
  Window* GetWindow(UINT command) const;
  // Whether `window` is a child (or a child of a child ...) of this window.
  bool IsChild(const Window* window) const;
  DWORD GetStyle() const;
  // Changes style bits (MFC's ModifyStyle): a control's own bits such as
  // ES_READONLY or BS_DEFPUSHBUTTON, WS_TABSTOP, WS_GROUP. WS_VISIBLE and
  // WS_DISABLED change only through ShowWindow and EnableWindow. Returns
  // whether anything changed.
  bool ModifyStyle(DWORD remove, DWORD add);
  DWORD GetExStyle() const;

  // ---- Focus and capture ----

  // Gives this window the keyboard focus: WM_KILLFOCUS to the window that had
  // it (wParam: this window), then WM_SETFOCUS to this one (wParam: the old
  // one), both sent at once; while WM_KILLFOCUS is handled, GetFocus already
  // names this window. A kill-focus handler that moves the focus on ends this
  // call (this window then gets no WM_SETFOCUS). A window that is destroyed
  // with the focus gets WM_KILLFOCUS first and leaves no window with the
  // focus. Returns the window that had the focus, or nullptr.
  Window* SetFocus();
  // The window with the focus, or nullptr.
  static Window* GetFocus();
  // All mouse input goes to this window until ReleaseCapture or another
  // SetCapture; the window that loses the capture gets WM_CAPTURECHANGED.
  // Returns the window that had the capture, or nullptr.
  Window* SetCapture();
  static Window* GetCapture();

  // ---- Appearance and geometry ----

  // SW_HIDE, SW_SHOW, SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_MINIMIZE, SW_SHOWMAXIMIZED,
  // SW_RESTORE, SW_SHOWNOACTIVATE. Returns whether the window was visible before.
  // A change of visibility sends WM_SHOWWINDOW (wParam 1 shown, 0 hidden).
  bool ShowWindow(int command);
  bool IsWindowVisible() const;
  // A top-level window shown maximised (IsZoomed) or minimised (IsIconic).
  bool IsZoomed() const;
  bool IsIconic() const;
  // Enables or disables mouse and keyboard input (WS_DISABLED); WM_ENABLE
  // follows a change. A window that is disabled with the focus loses it.
  // Returns whether the window was disabled before.
  bool EnableWindow(bool enable = true);
  bool IsWindowEnabled() const;
  // Through WM_SETTEXT and WM_GETTEXT, so that controls keep their own text.
  void SetWindowText(std::string_view text);  // Windows-1252
  std::string GetWindowText() const;
  int GetWindowTextLength() const;
  // WM_SETFONT and WM_GETFONT: windows that draw text (controls) keep a font;
  // GetFont is nullptr for a window that keeps none.
  void SetFont(const Font* font, bool redraw = true);
  const Font* GetFont() const;
  // The client area: (0, 0, width, height), without border and scroll bars.
  void GetClientRect(Rect* rect) const;
  // The whole window (border and scroll bars included) in screen coordinates.
  void GetWindowRect(Rect* rect) const;
  void ClientToScreen(Point* point) const;
  void ScreenToClient(Point* point) const;
  void ClientToScreen(Rect* rect) const;
  void ScreenToClient(Rect* rect) const;
  // Moves and sizes the window: a child in its parent's client coordinates, a
  // top-level window in screen coordinates. WM_SIZE follows at once when the
  // client size changed; `repaint` invalidates the whole client area.
  void MoveWindow(int x, int y, int width, int height, bool repaint = true);
  void MoveWindow(const Rect& rect, bool repaint = true);
  // Place, size, Z order and visibility at once (SWP_ flags). `insert_after`:
  // HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or a sibling to go
  // behind; ignored with SWP_NOZORDER.
  bool SetWindowPos(HWND insert_after, int x, int y, int cx, int cy, UINT flags);
  // The deepest visible window of the program at a point in screen
  // coordinates (a child before its parent, the topmost window first); nullptr
  // over no window of ours.
  static Window* WindowFromPoint(Point screen);
  // The cursor shown in the client area when OnSetCursor sets none (nullptr:
  // the arrow). Returns the one before.
  HCURSOR SetClassCursor(HCURSOR cursor);

  // ---- Scroll bars ----
  // The window's own scroll bars (SB_HORZ, SB_VERT) keep a range, a page and a
  // position as Win32 does: the page is at most max - min + 1, the position
  // stays within min .. max - max(page - 1, 0). Setting the range or the page
  // shows the bar when something can scroll (min < max - max(page - 1, 0)) and
  // hides it otherwise; with SIF_DISABLENOSCROLL it stays and is disabled. The
  // user's clicks and drags arrive as WM_HSCROLL / WM_VSCROLL (SB_LINEUP ...,
  // SB_THUMBTRACK with the track position, SB_THUMBPOSITION, SB_ENDSCROLL); the
  // position moves only when the program sets it.
  // Returns the position after clamping.
  int SetScrollInfo(int bar, const SCROLLINFO& info, bool redraw = true);
  // Fills the parts `info->fMask` asks for; nTrackPos is the thumb's place
  // while the user drags it, else the position. False for an unknown bar.
  bool GetScrollInfo(int bar, SCROLLINFO* info) const;
  // Returns the previous position.
  int SetScrollPos(int bar, int pos, bool redraw = true);
  int GetScrollPos(int bar) const;
  void SetScrollRange(int bar, int min, int max, bool redraw = true);
  void GetScrollRange(int bar, int* min, int* max) const;
  // The largest position: max - max(page - 1, 0).
  int GetScrollLimit(int bar) const;
  // Shows or hides a bar (SB_BOTH: both) whatever its range.
  void ShowScrollBar(int bar, bool show = true);
  // Moves the client area's pixels by (dx, dy) and invalidates what they
  // uncover (with erasing). `scroll`: only pixels inside this part move and
  // change (nullptr: the whole client area, and the child windows move along);
  // `clip`: only pixels inside it change.
  void ScrollWindow(int dx, int dy, const Rect* scroll = nullptr, const Rect* clip = nullptr);
  // Whether the window takes dropped files (WM_DROPFILES).
  void DragAcceptFiles(bool accept = true);

  // ---- Painting ----

  // Marks the whole client area, or a rectangle of it (nullptr: all), for
  // painting: WM_PAINT follows when the queue is handled; `erase` asks for
  // WM_ERASEBKGND before it.
  void Invalidate(bool erase = true);
  void InvalidateRect(const Rect* rect, bool erase = true);
  // Sends WM_PAINT at once when something is marked for painting.
  void UpdateWindow();
  // A Dc on the window outside painting (Win32's GetDC, MFC's CClientDC): it
  // draws in client pixels (MM_TEXT) on the picture the window shows, which
  // persists between paints (a rubber band drawn twice in R2_NOT is gone), and
  // what it drew appears when it is destroyed. nullptr when no window exists.
  // Destroy it before the message loop runs again.
  std::unique_ptr<Dc> GetDC();

  // ---- Messages ----

  // Dispatches the message at once (on the user-interface thread) and returns
  // the handler's result; 0 when no window exists.
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Queues the message; false when no window exists.
  bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

  // ---- Timers ----

  // Starts (or restarts) the timer `id`: WM_TIMER every `elapse_ms` milliseconds.
  // Returns the id, 0 when no window exists.
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse_ms);
  bool KillTimer(UINT_PTR id);

  // ---- Message handling ----

  // Every message of the window passes here; the base cracks the parameters and
  // calls the On<Event> handlers, and hands the others to DefWindowProc. Derived
  // classes handle their own messages (WM_USER + n) and call the base for the rest.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // Called for queued messages (input, posted messages, timers) before they are
  // dispatched: first for the target window, then for each of its parents, until
  // one returns true (the message is then dropped). The message may be changed.
  virtual bool PreTranslateMessage(MSG* msg);
  // The system's default handling: WM_CLOSE destroys the window, WM_MOUSEWHEEL
  // and WM_CONTEXTMENU go on to the parent, WM_RBUTTONUP raises WM_CONTEXTMENU,
  // WM_SETCURSOR asks the parent first and then shows the class cursor,
  // WM_SETTEXT / WM_GETTEXT / WM_GETTEXTLENGTH keep the window text,
  // WM_NCHITTEST tells client area, scroll bars and border apart; everything
  // else gives 0. Controls override it with their own handling (as the
  // default of a subclassed Win32 control is its class's procedure), so that
  // a handler of a class derived from a control calls Default() or
  // DefWindowProc to get the control's own behaviour.
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  // DefWindowProc for the message now being handled (what a base handler does).
  LRESULT Default();
  // The message now being handled, or nullptr outside a handler.
  const MSG* GetCurrentMessage() const;

 protected:
  // Handlers; each base version does the default handling (Default()).
  // Points are in client coordinates, except where a comment says screen.
  virtual int OnCreate(const CREATESTRUCT& create);
  virtual void OnDestroy();
  // After the window is gone; a window that owns itself deletes itself here.
  virtual void PostNcDestroy();
  virtual void OnClose();
  virtual void OnSize(UINT type, int cx, int cy);
  // WM_SHOWWINDOW, sent by ShowWindow after the window was shown or hidden
  // (`show`), so that a handler may show it again in another way (maximised).
  // `status` is 0.
  virtual void OnShowWindow(bool show, UINT status);
  // WM_PAINT: `dc` draws on the window's picture in client pixels (MM_TEXT),
  // clipped to the bounding rectangle of the update region (GetClipBox); the
  // window is valid again once the handler returns.
  virtual void OnPaint(Dc& dc);
  // WM_ERASEBKGND, before OnPaint when the invalidation asked for it, with the
  // same Dc. True when erased; the default fills the clip box white.
  virtual bool OnEraseBkgnd(Dc& dc);
  virtual void OnLButtonDown(UINT flags, Point point);
  virtual void OnLButtonUp(UINT flags, Point point);
  virtual void OnLButtonDblClk(UINT flags, Point point);
  virtual void OnRButtonDown(UINT flags, Point point);
  virtual void OnRButtonUp(UINT flags, Point point);
  virtual void OnRButtonDblClk(UINT flags, Point point);
  virtual void OnMButtonDown(UINT flags, Point point);
  virtual void OnMButtonUp(UINT flags, Point point);
  virtual void OnMButtonDblClk(UINT flags, Point point);
  // button: XBUTTON1 or XBUTTON2.
  virtual void OnXButtonDown(UINT flags, UINT button, Point point);
  virtual void OnXButtonUp(UINT flags, UINT button, Point point);
  virtual void OnXButtonDblClk(UINT flags, UINT button, Point point);
  // flags: MK_ buttons and MK_SHIFT, MK_CONTROL (Alt: GetKeyState(VK_MENU)).
  virtual void OnMouseMove(UINT flags, Point point);
  // delta: a multiple of WHEEL_DELTA (120) per notch, positive away from the
  // user; `point` in screen coordinates. Returns whether it was handled.
  virtual bool OnMouseWheel(UINT flags, short delta, Point point);
  // flags: the high word of the key message's lParam (KF_ bits).
  virtual void OnKeyDown(UINT vk, UINT repeat, UINT flags);
  virtual void OnKeyUp(UINT vk, UINT repeat, UINT flags);
  virtual void OnSysKeyDown(UINT vk, UINT repeat, UINT flags);
  virtual void OnSysKeyUp(UINT vk, UINT repeat, UINT flags);
  // ch: a Windows-1252 character (Enter 13, Backspace 8, Tab 9, Escape 27,
  // Ctrl+letter 1..26).
  virtual void OnChar(UINT ch, UINT repeat, UINT flags);
  virtual void OnSysChar(UINT ch, UINT repeat, UINT flags);
  // Returns true when the handler set the cursor.
  virtual bool OnSetCursor(Window* window, UINT hit_test, UINT message);
  virtual void OnTimer(UINT_PTR id);
  // point in screen coordinates; (-1, -1) when raised from the keyboard.
  virtual void OnContextMenu(Window* window, Point point);
  // Full paths of the dropped files, in order; the drop point in client coordinates.
  virtual void OnDropFiles(const std::vector<std::string>& files, Point point);
  // DLGC_ flags: which keys the window wants to keep inside a dialog.
  virtual UINT OnGetDlgCode();
  // WM_COMMAND: true when handled.
  virtual bool OnCommand(WPARAM wParam, LPARAM lParam);
  // WM_NOTIFY: true when handled, with the message's result in *result.
  virtual bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual void OnHScroll(UINT code, UINT pos, Window* scroll_bar);
  virtual void OnVScroll(UINT code, UINT pos, Window* scroll_bar);
  // WM_SETFOCUS: `old` lost the focus to this window (nullptr: none had it or it is gone).
  virtual void OnSetFocus(Window* old);
  // WM_KILLFOCUS: `new_window` takes the focus (nullptr: none or not ours).
  virtual void OnKillFocus(Window* new_window);
  // WM_CAPTURECHANGED: `window` takes the capture (nullptr: released).
  virtual void OnCaptureChanged(Window* window);

 private:
  // WM_NCHITTEST's default answer for a point in screen coordinates.
  LRESULT HitTest(Point screen) const;

  friend class detail::HostWidget;
  friend struct detail::WindowState;

  HWND hwnd_ = nullptr;
  std::unique_ptr<detail::WindowState> state_;
};

// ---- Messages on handles (any thread) ----
// Inside a Window's own members the member functions hide these: call them as
// plat::SendMessage(hwnd, ...).

// Queues the message for the window's thread; false when the window is gone.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// On the window's thread: dispatches at once. From another thread: waits until
// the window's thread has handled it and returns the handler's result; 0 when
// the window is gone, also when it goes while the caller waits.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
bool IsWindow(HWND hwnd);
// Queues WM_QUIT: the program's message loop ends with this exit code after the
// messages queued before it.
void PostQuitMessage(int exit_code);

// ---- Focus, capture and the message loop's steps (user-interface thread) ----

// Window::SetFocus for a handle (nullptr: no window keeps the focus); returns
// the handle that had it.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetCapture(HWND hwnd);
// Ends the capture (WM_CAPTURECHANGED to the window that had it); true.
bool ReleaseCapture();
HWND GetCapture();
// What a message loop does with a queued message, for a PreTranslateMessage
// that handles a key itself and so keeps it from its parents (a dialog's
// keys): TranslateMessage lets a WM_KEYDOWN / WM_SYSKEYDOWN being delivered
// from the keyboard type its characters (WM_CHAR follow it) even though
// PreTranslateMessage took it; false for other messages. DispatchMessage hands
// the message to its window's WindowProc and returns the result.
bool TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);

}  // namespace plat
