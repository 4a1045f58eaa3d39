#pragma once
// The single-line edit control (Win32's EDIT class, MFC's CEdit): a child
// window that keeps a line of Windows-1252 text with a selection and a caret,
// draws it in its font, and tells its parent of changes by WM_COMMAND.
//
// The control's behaviour is its DefWindowProc, so a class derived from Edit
// (an in-place editor over a table cell) handles a message first and calls
// Default() or Edit::DefWindowProc for the control's own handling:
//
//   class CellEditor : public plat::Edit {
//     void OnChar(UINT ch, UINT repeat, UINT flags) override {
//       DefWindowProc(WM_CHAR, plat::UpperCp1252(char(ch)) & 0xFF, plat::MAKELPARAM(repeat, flags));
//     }
//   };
//
// What the control does by default:
// - WM_CHAR: a printable character replaces the selection (ES_UPPERCASE,
//   ES_LOWERCASE change its case; ES_NUMBER takes digits only); Backspace
//   deletes; Ctrl+A selects all, Ctrl+C copies, Ctrl+X cuts, Ctrl+V pastes;
//   other control characters (Enter, Escape, Tab) are ignored. A character
//   beyond the limit (EM_SETLIMITTEXT), or without ES_AUTOHSCROLL beyond the
//   control's width, is refused with a beep and EN_MAXTEXT.
// - WM_KEYDOWN: Left, Right (Up, Down alike), Home, End move the caret, with
//   Shift extending the selection and Ctrl by words; Delete deletes.
// - The mouse: a click takes the focus and places the caret (Shift extends),
//   a drag selects, a double click selects the word.
// - WM_SETFOCUS shows the caret and the selection, WM_KILLFOCUS hides them
//   (unless ES_NOHIDESEL); EN_SETFOCUS and EN_KILLFOCUS go to the parent.
// - WM_GETDLGCODE: DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS, and
//   DLGC_WANTALLKEYS with ES_WANTRETURN, so that a dialog leaves Enter, Escape
//   and Tab to the control.
// - Changes by the user or by EM_REPLACESEL send EN_UPDATE and EN_CHANGE;
//   WM_SETTEXT sends EN_CHANGE.
#include <optional>
#include <string>
#include <string_view>

#include "platform/controls/edit_text.h"
#include "platform/dc/bitmap.h"
#include "platform/window/window.h"

namespace plat {

// Edit styles (the low word of the window style).
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_UPPERCASE = 0x0008;
inline constexpr DWORD ES_LOWERCASE = 0x0010;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_NOHIDESEL = 0x0100;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr DWORD ES_NUMBER = 0x2000;

// Edit messages.
inline constexpr UINT EM_GETSEL = 0x00B0;      // wParam, lParam: int* start, int* end; returns MAKELONG(start, end)
inline constexpr UINT EM_SETSEL = 0x00B1;      // wParam start, lParam end (as int)
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_REPLACESEL = 0x00C2;  // lParam: zero-terminated text
inline constexpr UINT EM_LIMITTEXT = 0x00C5;   // wParam: the limit (0: the largest)
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_SETREADONLY = 0x00CF;
inline constexpr UINT EM_GETLIMITTEXT = 0x00D5;

// Edit notifications (the high word of WM_COMMAND's wParam).
inline constexpr UINT EN_SETFOCUS = 0x0100;
inline constexpr UINT EN_KILLFOCUS = 0x0200;
inline constexpr UINT EN_CHANGE = 0x0300;
inline constexpr UINT EN_UPDATE = 0x0400;
inline constexpr UINT EN_MAXTEXT = 0x0501;

class Edit : public Window {
 public:
  Edit();
  ~Edit() override;

  // Creates the control as a child of `parent` (WS_CHILD is added) with WS_
  // and ES_ styles; the text starts empty.
  bool Create(DWORD style, const Rect& rect, Window* parent, UINT id);

  // CEdit's members; each sends its message.
  void SetSel(int start, int end, bool no_scroll = false);
  void GetSel(int* start, int* end) const;
  void ReplaceSel(std::string_view text);
  void SetLimitText(int limit);
  int GetLimitText() const;
  bool SetReadOnly(bool read_only = true);
  bool GetModify() const;
  void SetModify(bool modified = true);
  void Cut();
  void Copy();
  void Paste();
  void Clear();

  // The control's own handling of every message (see the header comment).
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  bool Typed(char c);
  void KeyDown(UINT vk);
  void Changed();
  void Notify(UINT code);
  // The width of text in the control's font, and the caret's place.
  int TextWidth(std::string_view text);
  int PositionAt(int x);
  int TextLeft();
  void ScrollCaretIntoView();
  bool Has(DWORD style) const { return (style_ & style) != 0; }

  EditText edit_;
  DWORD style_ = 0;  // the ES_ styles; ES_READONLY changes with EM_SETREADONLY
  std::optional<Font> font_;
  bool focused_ = false;
  bool modified_ = false;
  bool selecting_ = false;  // the mouse drags a selection
  int scroll_x_ = 0;        // pixels scrolled off to the left (ES_AUTOHSCROLL)
  Bitmap scratch_{1, 1};    // where text is measured
};

}  // namespace plat
