#pragma once
// Mouse cursors with Win32's names: the system shapes by IDC_ id, the
// programs' own cursors made from pictures, SetCursor, the wait cursor, and
// ClipCursor, which confines nothing here (the window system has no such thing
// for us; the programs only use it while the mouse is captured anyway).
//
// A cursor set with SetCursor shows over the window that last had mouse input
// (or holds the capture) until the next mouse move asks WM_SETCURSOR again; a
// window that does not set one in OnSetCursor shows its class cursor (the arrow
// unless SetClassCursor chose another).
#include "platform/dc/bitmap.h"
#include "platform/dc/gdi_types.h"

namespace plat {

// A cursor handle; cursors live as long as the program.
struct CursorHandle;
using HCURSOR = const CursorHandle*;

// The system cursors (Win32's values).
inline constexpr int IDC_ARROW = 32512;
inline constexpr int IDC_IBEAM = 32513;
inline constexpr int IDC_WAIT = 32514;
inline constexpr int IDC_CROSS = 32515;
inline constexpr int IDC_UPARROW = 32516;
inline constexpr int IDC_SIZENWSE = 32642;
inline constexpr int IDC_SIZENESW = 32643;
inline constexpr int IDC_SIZEWE = 32644;
inline constexpr int IDC_SIZENS = 32645;
inline constexpr int IDC_SIZEALL = 32646;
inline constexpr int IDC_NO = 32648;
inline constexpr int IDC_HAND = 32649;
inline constexpr int IDC_APPSTARTING = 32650;
inline constexpr int IDC_HELP = 32651;

// A system cursor by its IDC_ id, or a program's cursor that CreateCursor made
// under that id; nullptr when there is neither.
HCURSOR LoadCursor(int id);
// A program's own cursor (its resource), kept under `id` for LoadCursor: the
// picture's pixels of the colour `transparent` are see-through; `hotspot` is the
// pixel that points. Making one again under the same id replaces the picture
// for later loads. nullptr for an empty picture or an id of a system cursor.
HCURSOR CreateCursor(int id, const Bitmap& picture, ColorRef transparent, Point hotspot);
// The id a cursor was loaded or made under (IDC_ARROW, ..., or the program's id).
int CursorId(HCURSOR cursor);

// Shows the cursor now; returns the one shown before. nullptr hides nothing and
// keeps the current cursor (Win32 would hide it).
HCURSOR SetCursor(HCURSOR cursor);
// The cursor shown now (the wait cursor while one is on).
HCURSOR GetCursor();

// The wait cursor over the whole program, counted: EndWaitCursor after as many
// calls as BeginWaitCursor brings back the cursors of the windows.
void BeginWaitCursor();
void EndWaitCursor();
// BeginWaitCursor for the lifetime of the object (MFC's CWaitCursor).
class WaitCursor {
 public:
  WaitCursor() { BeginWaitCursor(); }
  ~WaitCursor() { EndWaitCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

// Confines the cursor to a rectangle in screen coordinates (nullptr: frees it).
// The window system offers no confinement: nothing happens; true.
bool ClipCursor(const Rect* rect);

}  // namespace plat
