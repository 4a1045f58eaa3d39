#pragma once
// Window messages with Win32's numbers and parameter packing, so that message
// code reads as it always did. WPARAM and LPARAM are 64 bits wide: a pointer or
// a window handle fits into either.
#include <cstdint>

#include "platform/dc/gdi_types.h"

namespace plat {

class Window;

using UINT = unsigned;
using DWORD = std::uint32_t;
using WPARAM = std::uint64_t;
using LPARAM = std::int64_t;
using LRESULT = std::int64_t;
using UINT_PTR = std::uint64_t;

// A window handle: an opaque value that stays safe to use from any thread after
// its window is gone (PostMessage then fails, SendMessage returns 0). Handles are
// never reused.
struct WindowHandle;
using HWND = WindowHandle*;

// The message as a queue hands it to PreTranslateMessage.
struct MSG {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  DWORD time = 0;  // milliseconds of the steady clock
  Point pt;        // the cursor in screen coordinates, as of the latest mouse input
};

// The header of every WM_NOTIFY payload (lParam points at it; the payload's own
// fields follow it). Notification codes are negative numbers such as -104.
struct NMHDR {
  HWND hwndFrom = nullptr;
  UINT_PTR idFrom = 0;
  int code = 0;
};

// Packing of the parameters.
constexpr std::uint16_t LOWORD(std::uint64_t v) { return static_cast<std::uint16_t>(v & 0xFFFF); }
constexpr std::uint16_t HIWORD(std::uint64_t v) { return static_cast<std::uint16_t>((v >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(unsigned low, unsigned high) {
  return static_cast<LPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
// Signed coordinates packed in an LPARAM (mouse messages).
constexpr int GET_X_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(LOWORD(static_cast<std::uint64_t>(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return static_cast<std::int16_t>(HIWORD(static_cast<std::uint64_t>(lp))); }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return static_cast<std::int16_t>(HIWORD(wp)); }
constexpr UINT GET_KEYSTATE_WPARAM(WPARAM wp) { return LOWORD(wp); }
constexpr UINT GET_XBUTTON_WPARAM(WPARAM wp) { return HIWORD(wp); }
// A window handle in a parameter (WM_COMMAND's lParam, WM_CONTEXTMENU's wParam).
inline LPARAM HandleParam(HWND hwnd) { return static_cast<LPARAM>(reinterpret_cast<std::uintptr_t>(hwnd)); }
inline HWND ParamHandle(std::uint64_t param) { return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(param)); }

// Messages.
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_MOVE = 0x0003;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_ACTIVATE = 0x0006;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_ENABLE = 0x000A;
inline constexpr UINT WM_SETTEXT = 0x000C;
inline constexpr UINT WM_GETTEXT = 0x000D;
inline constexpr UINT WM_GETTEXTLENGTH = 0x000E;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_QUIT = 0x0012;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
inline constexpr UINT WM_SHOWWINDOW = 0x0018;
inline constexpr UINT WM_SETTINGCHANGE = 0x001A;
inline constexpr UINT WM_SETCURSOR = 0x0020;
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_MEASUREITEM = 0x002C;
inline constexpr UINT WM_SETFONT = 0x0030;
inline constexpr UINT WM_GETFONT = 0x0031;
inline constexpr UINT WM_QUERYDRAGICON = 0x0037;
inline constexpr UINT WM_NOTIFY = 0x004E;
inline constexpr UINT WM_CONTEXTMENU = 0x007B;
inline constexpr UINT WM_NCDESTROY = 0x0082;
inline constexpr UINT WM_NCHITTEST = 0x0084;
inline constexpr UINT WM_GETDLGCODE = 0x0087;
inline constexpr UINT WM_NCMOUSEMOVE = 0x00A0;
inline constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
inline constexpr UINT WM_NCRBUTTONDOWN = 0x00A4;
inline constexpr UINT WM_NCMBUTTONDOWN = 0x00A7;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_SYSKEYDOWN = 0x0104;
inline constexpr UINT WM_SYSKEYUP = 0x0105;
inline constexpr UINT WM_SYSCHAR = 0x0106;
inline constexpr UINT WM_INITDIALOG = 0x0110;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT WM_VSCROLL = 0x0115;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_XBUTTONDOWN = 0x020B;
inline constexpr UINT WM_XBUTTONUP = 0x020C;
inline constexpr UINT WM_XBUTTONDBLCLK = 0x020D;
inline constexpr UINT WM_CAPTURECHANGED = 0x0215;
inline constexpr UINT WM_DROPFILES = 0x0233;
inline constexpr UINT WM_CUT = 0x0300;
inline constexpr UINT WM_COPY = 0x0301;
inline constexpr UINT WM_PASTE = 0x0302;
inline constexpr UINT WM_CLEAR = 0x0303;
inline constexpr UINT WM_UNDO = 0x0304;
inline constexpr UINT WM_USER = 0x0400;
// Dialog messages: the default push button's id (DM_GETDEFID returns
// MAKELONG(id, DC_HASDEFID)), and setting it (wParam: the id).
inline constexpr UINT DM_GETDEFID = WM_USER + 0;
inline constexpr UINT DM_SETDEFID = WM_USER + 1;
inline constexpr UINT DC_HASDEFID = 0x534B;
inline constexpr UINT WM_APP = 0x8000;

// Key and button flags of mouse messages (wParam).
inline constexpr UINT MK_LBUTTON = 0x0001;
inline constexpr UINT MK_RBUTTON = 0x0002;
inline constexpr UINT MK_SHIFT = 0x0004;
inline constexpr UINT MK_CONTROL = 0x0008;
inline constexpr UINT MK_MBUTTON = 0x0010;
inline constexpr UINT MK_XBUTTON1 = 0x0020;
inline constexpr UINT MK_XBUTTON2 = 0x0040;

// The extra buttons (high word of WM_XBUTTON* wParam).
inline constexpr UINT XBUTTON1 = 0x0001;
inline constexpr UINT XBUTTON2 = 0x0002;

// One notch of the mouse wheel.
inline constexpr int WHEEL_DELTA = 120;

// Key message flags (high word of lParam, the nFlags of OnKeyDown).
inline constexpr UINT KF_EXTENDED = 0x0100;
inline constexpr UINT KF_ALTDOWN = 0x2000;
inline constexpr UINT KF_REPEAT = 0x4000;
inline constexpr UINT KF_UP = 0x8000;

// WM_GETDLGCODE answers.
inline constexpr UINT DLGC_WANTARROWS = 0x0001;
inline constexpr UINT DLGC_WANTTAB = 0x0002;
inline constexpr UINT DLGC_WANTALLKEYS = 0x0004;
inline constexpr UINT DLGC_WANTMESSAGE = 0x0004;
inline constexpr UINT DLGC_HASSETSEL = 0x0008;
inline constexpr UINT DLGC_DEFPUSHBUTTON = 0x0010;
inline constexpr UINT DLGC_UNDEFPUSHBUTTON = 0x0020;
inline constexpr UINT DLGC_RADIOBUTTON = 0x0040;
inline constexpr UINT DLGC_WANTCHARS = 0x0080;
inline constexpr UINT DLGC_STATIC = 0x0100;
inline constexpr UINT DLGC_BUTTON = 0x2000;

// WM_SIZE kinds (wParam).
inline constexpr UINT SIZE_RESTORED = 0;
inline constexpr UINT SIZE_MINIMIZED = 1;
inline constexpr UINT SIZE_MAXIMIZED = 2;

// Hit-test codes (WM_NCHITTEST's answer, the low word of WM_SETCURSOR's lParam).
inline constexpr int HTERROR = -2;
inline constexpr int HTTRANSPARENT = -1;
inline constexpr int HTNOWHERE = 0;
inline constexpr UINT HTCLIENT = 1;
inline constexpr int HTHSCROLL = 6;
inline constexpr int HTVSCROLL = 7;
inline constexpr int HTBORDER = 18;

// WM_COMMAND notification codes (high word of wParam).
inline constexpr UINT BN_CLICKED = 0;

// Scroll codes of WM_HSCROLL and WM_VSCROLL (low word of wParam).
inline constexpr UINT SB_LINEUP = 0;
inline constexpr UINT SB_LINELEFT = 0;
inline constexpr UINT SB_LINEDOWN = 1;
inline constexpr UINT SB_LINERIGHT = 1;
inline constexpr UINT SB_PAGEUP = 2;
inline constexpr UINT SB_PAGELEFT = 2;
inline constexpr UINT SB_PAGEDOWN = 3;
inline constexpr UINT SB_PAGERIGHT = 3;
inline constexpr UINT SB_THUMBPOSITION = 4;
inline constexpr UINT SB_THUMBTRACK = 5;
inline constexpr UINT SB_TOP = 6;
inline constexpr UINT SB_LEFT = 6;
inline constexpr UINT SB_BOTTOM = 7;
inline constexpr UINT SB_RIGHT = 7;
inline constexpr UINT SB_ENDSCROLL = 8;

// Window styles that Create looks at.
inline constexpr DWORD WS_CHILD = 0x40000000;
inline constexpr DWORD WS_VISIBLE = 0x10000000;
inline constexpr DWORD WS_POPUP = 0x80000000;
inline constexpr DWORD WS_OVERLAPPEDWINDOW = 0x00CF0000;
inline constexpr DWORD WS_BORDER = 0x00800000;   // a one-pixel frame around the client area
inline constexpr DWORD WS_VSCROLL = 0x00200000;  // the vertical scroll bar (see SetScrollInfo)
inline constexpr DWORD WS_HSCROLL = 0x00100000;
inline constexpr DWORD WS_TABSTOP = 0x00010000;  // Tab in a dialog stops at the control
inline constexpr DWORD WS_GROUP = 0x00020000;    // the first control of a group (radio buttons, arrow keys)
inline constexpr DWORD WS_DISABLED = 0x08000000; // takes no input (EnableWindow)
inline constexpr DWORD WS_CAPTION = 0x00C00000;
inline constexpr DWORD WS_SYSMENU = 0x00080000;
inline constexpr DWORD WS_THICKFRAME = 0x00040000;  // the user may resize the window

// Extended window styles (CreateEx).
inline constexpr DWORD WS_EX_TOPMOST = 0x00000008;    // above all windows that lack it
inline constexpr DWORD WS_EX_TOOLWINDOW = 0x00000080; // no task-bar entry, no frame of its own
inline constexpr DWORD WS_EX_NOACTIVATE = 0x08000000; // never activated when shown or clicked

// GetWindow's relations.
inline constexpr UINT GW_HWNDFIRST = 0;
inline constexpr UINT GW_HWNDLAST = 1;
inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_HWNDPREV = 3;
inline constexpr UINT GW_OWNER = 4;
inline constexpr UINT GW_CHILD = 5;

// SetWindowPos: flags and the places in the Z order.
inline constexpr UINT SWP_NOSIZE = 0x0001;
inline constexpr UINT SWP_NOMOVE = 0x0002;
inline constexpr UINT SWP_NOZORDER = 0x0004;
inline constexpr UINT SWP_NOREDRAW = 0x0008;
inline constexpr UINT SWP_NOACTIVATE = 0x0010;
inline constexpr UINT SWP_SHOWWINDOW = 0x0040;
inline constexpr UINT SWP_HIDEWINDOW = 0x0080;
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(std::uintptr_t{1});
inline const HWND HWND_TOPMOST = reinterpret_cast<HWND>(~std::uintptr_t{0});
inline const HWND HWND_NOTOPMOST = reinterpret_cast<HWND>(~std::uintptr_t{1});

// Scroll bars: which bar, what a SCROLLINFO carries.
inline constexpr int SB_HORZ = 0;
inline constexpr int SB_VERT = 1;
inline constexpr int SB_BOTH = 3;
inline constexpr UINT SIF_RANGE = 0x0001;
inline constexpr UINT SIF_PAGE = 0x0002;
inline constexpr UINT SIF_POS = 0x0004;
inline constexpr UINT SIF_DISABLENOSCROLL = 0x0008;  // keep the bar shown (disabled) when nothing scrolls
inline constexpr UINT SIF_TRACKPOS = 0x0010;
inline constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
  UINT fMask = 0;
  int nMin = 0;
  int nMax = 0;
  UINT nPage = 0;
  int nPos = 0;
  int nTrackPos = 0;  // where the thumb is while the user drags it (read only)
};

// WM_ENABLE: wParam 1 when the window was enabled, 0 when disabled.
// WM_SETFOCUS, WM_KILLFOCUS: wParam is the other window's handle (or 0).
// WM_CAPTURECHANGED: lParam is the handle of the window that gains the capture (or 0).
// WM_SETFONT: wParam points at a plat::Font (nullptr: the system font), the low
// word of lParam asks for a redraw; WM_GETFONT returns such a pointer or 0.
// WM_SETTEXT: lParam points at zero-terminated Windows-1252 text; returns 1.
// WM_GETTEXT: copies up to wParam - 1 bytes and a terminating zero to the buffer
// at lParam, returns the bytes copied; WM_GETTEXTLENGTH returns the length.

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWNOACTIVATE = 4;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_RESTORE = 9;

}  // namespace plat
