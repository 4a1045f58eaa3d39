#pragma once
// The edit control (Win32's EDIT class, MFC's CEdit): a child window that
// keeps a line of Windows-1252 text (or, with ES_MULTILINE, lines separated
// by "\r\n") with a selection and a caret, draws it in its font, and tells
// its parent of changes by WM_COMMAND.
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
//   and Tab to the control. A multi-line edit keeps every key but Escape,
//   Tab without Ctrl, and Enter without ES_WANTRETURN (asked with the key's
//   MSG in lParam), so that Enter in it starts a new line.
// - Multi-line (ES_MULTILINE): Enter (WM_CHAR 13) inserts "\r\n"; Up and
//   Down move by lines, Page Up and Page Down by pages, Home and End to the
//   ends of the line (with Ctrl of the text); lines are not wrapped. With
//   WS_VSCROLL the scroll bar and the wheel scroll the lines.
// - A character filter (SetCharFilter) refuses typed characters with a beep.
// - Changes by the user or by EM_REPLACESEL send EN_UPDATE and EN_CHANGE;
//   WM_SETTEXT sends EN_CHANGE.
#include <functional>
#include <optional>
#include <string>
#include <vector>
#include <string_view>

#include "platform/controls/edit_text.h"
#include "platform/dc/bitmap.h"
#include "platform/window/window.h"

namespace plat {

// Edit styles (the low word of the window style).
inline constexpr DWORD ES_LEFT = 0x0000;
inline constexpr DWORD ES_CENTER = 0x0001;
inline constexpr DWORD ES_RIGHT = 0x0002;
inline constexpr DWORD ES_MULTILINE = 0x0004;
inline constexpr DWORD ES_UPPERCASE = 0x0008;
inline constexpr DWORD ES_LOWERCASE = 0x0010;
inline constexpr DWORD ES_AUTOVSCROLL = 0x0040;
inline constexpr DWORD ES_AUTOHSCROLL = 0x0080;
inline constexpr DWORD ES_NOHIDESEL = 0x0100;
inline constexpr DWORD ES_READONLY = 0x0800;
inline constexpr DWORD ES_WANTRETURN = 0x1000;
inline constexpr DWORD ES_NUMBER = 0x2000;

// Edit messages.
inline constexpr UINT EM_GETSEL = 0x00B0;      // wParam, lParam: int* start, int* end; returns MAKELONG(start, end)
inline constexpr UINT EM_SETSEL = 0x00B1;      // wParam start, lParam end (as int)
inline constexpr UINT EM_LINESCROLL = 0x00B6;   // lParam: lines to scroll down (negative: up)
inline constexpr UINT EM_SCROLLCARET = 0x00B7;
inline constexpr UINT EM_GETMODIFY = 0x00B8;
inline constexpr UINT EM_SETMODIFY = 0x00B9;
inline constexpr UINT EM_GETLINECOUNT = 0x00BA;
inline constexpr UINT EM_LINEINDEX = 0x00BB;   // wParam: a line (-1: the caret's); its first position
inline constexpr UINT EM_LINELENGTH = 0x00C1;  // wParam: a position; the length of its line
inline constexpr UINT EM_REPLACESEL = 0x00C2;  // lParam: zero-terminated text
inline constexpr UINT EM_GETLINE = 0x00C4;     // wParam: the line; lParam: buffer whose first WORD is its size
inline constexpr UINT EM_LIMITTEXT = 0x00C5;   // wParam: the limit (0: the largest)
inline constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
inline constexpr UINT EM_LINEFROMCHAR = 0x00C9; // wParam: a position (-1: the caret); its line
inline constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE;
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
  // Multi-line: the number of lines, the first position of a line (-1: the
  // caret's line; -1 when there is no such line), the line of a position, and
  // the text of a line.
  int GetLineCount() const;
  int LineIndex(int line = -1) const;
  int LineFromChar(int position = -1) const;
  std::string GetLine(int line) const;
  int GetFirstVisibleLine() const;
  void LineScroll(int lines);
  // Only characters `accept` takes can be typed (pasted text is not
  // filtered); an empty function takes every character.
  void SetCharFilter(std::function<bool(char)> accept);

  // The control's own handling of every message (see the header comment).
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  bool Typed(char c);
  bool TypedText(std::string_view text);
  void KeyDown(UINT vk);
  void Changed();
  void Notify(UINT code);
  UINT DialogCode(const MSG* msg) const;
  // The width of text in the control's font, and the caret's place.
  int TextWidth(std::string_view text);
  int LineHeight();
  int PositionAt(int x, int y);
  int TextLeft();
  void ScrollCaretIntoView();
  bool Has(DWORD style) const { return (style_ & style) != 0; }
  bool Multi() const { return Has(ES_MULTILINE); }
  // Lines of a multi-line text: their first positions; the line of a
  // position; the end of a line (before its "\r\n").
  std::vector<int> LineStarts() const;
  int LineOfPosition(int position) const;
  int LineEnd(int line) const;
  int VisibleLines();
  void MoveCaretToLine(int line, bool extend);
  void ScrollToLine(int top);
  void UpdateScrollBar();
  void PaintLine(Dc& dc, int from, int to, int x, int y, bool show_selection);

  EditText edit_;
  DWORD style_ = 0;  // the ES_ styles; ES_READONLY changes with EM_SETREADONLY
  std::optional<Font> font_;
  bool focused_ = false;
  bool modified_ = false;
  bool selecting_ = false;  // the mouse drags a selection
  int scroll_x_ = 0;        // pixels scrolled off to the left (ES_AUTOHSCROLL)
  int top_line_ = 0;        // the first line shown (multi-line)
  std::function<bool(char)> char_filter_;
  Bitmap scratch_{1, 1};    // where text is measured
};

}  // namespace plat
