#pragma once
// The list box (Win32's LISTBOX class, MFC's CListBox): lines of text with
// item data, one selection (or several with LBS_MULTIPLESEL or
// LBS_EXTENDEDSEL), a caret line, scrolling by lines.
//
// - The user: a click selects a line (LBS_MULTIPLESEL toggles it;
//   LBS_EXTENDEDSEL: Ctrl toggles, Shift selects the run from the anchor), a
//   double click sends LBN_DBLCLK, Up, Down, Page Up, Page Down, Home and End
//   move the caret and the selection (Space toggles with LBS_MULTIPLESEL), the
//   wheel and the scroll bar (WS_VSCROLL) scroll. With LBS_NOTIFY the parent
//   hears LBN_SELCHANGE after every change by the user, and LBN_DBLCLK.
// - Owner drawn (LBS_OWNERDRAWFIXED / LBS_OWNERDRAWVARIABLE): every line is
//   painted by WM_DRAWITEM to the parent; when the parent leaves it unhandled
//   (returns 0) the list box's own DrawItem paints it, so that a class derived
//   from ListBox draws its lines itself (MFC's reflection). Heights come from
//   LB_SETITEMHEIGHT or WM_MEASUREITEM / MeasureItem the same way.
// - LB_ERR (-1) answers a wrong index.
#include <string>
#include <string_view>
#include <vector>

#include "platform/controls/control.h"

namespace plat {

inline constexpr DWORD LBS_NOTIFY = 0x0001;
inline constexpr DWORD LBS_SORT = 0x0002;
inline constexpr DWORD LBS_MULTIPLESEL = 0x0008;
inline constexpr DWORD LBS_OWNERDRAWFIXED = 0x0010;
inline constexpr DWORD LBS_OWNERDRAWVARIABLE = 0x0020;
inline constexpr DWORD LBS_HASSTRINGS = 0x0040;
inline constexpr DWORD LBS_NOINTEGRALHEIGHT = 0x0100;
inline constexpr DWORD LBS_EXTENDEDSEL = 0x0800;

inline constexpr UINT LB_ADDSTRING = 0x0180;
inline constexpr UINT LB_INSERTSTRING = 0x0181;
inline constexpr UINT LB_DELETESTRING = 0x0182;
inline constexpr UINT LB_RESETCONTENT = 0x0184;
inline constexpr UINT LB_SETSEL = 0x0185;       // wParam: select or not; lParam: index (-1: all)
inline constexpr UINT LB_SETCURSEL = 0x0186;    // wParam: index (-1: none)
inline constexpr UINT LB_GETSEL = 0x0187;
inline constexpr UINT LB_GETCURSEL = 0x0188;
inline constexpr UINT LB_GETTEXT = 0x0189;      // lParam: a buffer of LB_GETTEXTLEN + 1 bytes
inline constexpr UINT LB_GETTEXTLEN = 0x018A;
inline constexpr UINT LB_GETCOUNT = 0x018B;
inline constexpr UINT LB_SELECTSTRING = 0x018C;  // wParam: start after (-1: all); lParam: prefix
inline constexpr UINT LB_GETTOPINDEX = 0x018E;
inline constexpr UINT LB_FINDSTRING = 0x018F;
inline constexpr UINT LB_GETSELCOUNT = 0x0190;
inline constexpr UINT LB_GETSELITEMS = 0x0191;  // wParam: room; lParam: int array
inline constexpr UINT LB_GETHORIZONTALEXTENT = 0x0193;
inline constexpr UINT LB_SETHORIZONTALEXTENT = 0x0194;  // wParam: width in pixels a WS_HSCROLL list scrolls over
inline constexpr UINT LB_SETTOPINDEX = 0x0197;
inline constexpr UINT LB_GETITEMRECT = 0x0198;  // lParam: Rect*
inline constexpr UINT LB_GETITEMDATA = 0x0199;
inline constexpr UINT LB_SETITEMDATA = 0x019A;
inline constexpr UINT LB_SETCARETINDEX = 0x019E;
inline constexpr UINT LB_GETCARETINDEX = 0x019F;
inline constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
inline constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
inline constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
inline constexpr UINT LB_ITEMFROMPOINT = 0x01A9;  // lParam: MAKELPARAM(x, y); HIWORD 1 when outside

inline constexpr int LB_ERR = -1;

inline constexpr UINT LBN_SELCHANGE = 1;
inline constexpr UINT LBN_DBLCLK = 2;
inline constexpr UINT LBN_SETFOCUS = 4;
inline constexpr UINT LBN_KILLFOCUS = 5;

// Owner drawing (WM_DRAWITEM / WM_MEASUREITEM; lParam points at the struct).
inline constexpr UINT ODT_LISTBOX = 2;
inline constexpr UINT ODT_COMBOBOX = 3;
inline constexpr UINT ODA_DRAWENTIRE = 0x0001;
inline constexpr UINT ODA_SELECT = 0x0002;
inline constexpr UINT ODA_FOCUS = 0x0004;
inline constexpr UINT ODS_SELECTED = 0x0001;
inline constexpr UINT ODS_DISABLED = 0x0004;
inline constexpr UINT ODS_FOCUS = 0x0010;

struct DRAWITEMSTRUCT {
  UINT CtlType = ODT_LISTBOX;
  UINT CtlID = 0;
  int itemID = -1;  // -1: an empty list (only the focus is drawn)
  UINT itemAction = ODA_DRAWENTIRE;
  UINT itemState = 0;
  HWND hwndItem = nullptr;
  Dc* hDC = nullptr;  // draws in the list box's client coordinates
  Rect rcItem;
  std::uint64_t itemData = 0;
};

struct MEASUREITEMSTRUCT {
  UINT CtlType = ODT_LISTBOX;
  UINT CtlID = 0;
  int itemID = 0;
  UINT itemWidth = 0;
  UINT itemHeight = 0;
  std::uint64_t itemData = 0;
};

class ListBox : public Control {
 public:
  bool Create(DWORD style, const Rect& rect, Window* parent, UINT id);

  // CListBox's members; each sends its message.
  int AddString(std::string_view text);
  int InsertString(int index, std::string_view text);
  int DeleteString(int index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int GetSel(int index) const;
  int SetSel(int index, bool select = true);
  int GetSelCount() const;
  std::vector<int> GetSelItems() const;
  std::string GetText(int index) const;
  int GetTextLen(int index) const;
  std::uint64_t GetItemData(int index) const;
  int SetItemData(int index, std::uint64_t data);
  int FindStringExact(int start_after, std::string_view text) const;
  int GetTopIndex() const;
  int SetTopIndex(int index);
  int GetItemRect(int index, Rect* rect) const;
  int SetItemHeight(int index, int height);
  int GetItemHeight(int index) const;
  int GetCaretIndex() const;
  void SetHorizontalExtent(int extent);
  int GetHorizontalExtent() const;

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  // Owner drawing that the parent left to the list box (see the header comment).
  virtual void DrawItem(DRAWITEMSTRUCT& item);
  virtual void MeasureItem(MEASUREITEMSTRUCT& item);

 protected:
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  struct Item {
    std::string text;
    std::uint64_t data = 0;
    bool selected = false;
    int height = 0;
  };

  bool Multiple() const { return (GetStyle() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
  bool OwnerDrawn() const { return (GetStyle() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
  bool Valid(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }
  int Insert(int index, std::string_view text, std::uint64_t data);
  int DefaultHeight();
  int HeightOf(int index);
  int IndexAt(Point point, bool* outside);
  int VisibleCount();
  void SelectOnly(int index);
  void SelectRange(int from, int to);
  void MoveCaret(int index, bool by_user);
  void EnsureVisible(int index);
  void UpdateScrollBar();
  void UpdateHorizontalBar();
  LRESULT OnHScroll(WPARAM wParam);
  void UserChanged();
  void Click(Point point, UINT flags);
  void KeyDown(UINT vk);

  std::vector<Item> items_;
  int caret_ = -1;
  int anchor_ = -1;
  int top_ = 0;
  int fixed_height_ = 0;  // LB_SETITEMHEIGHT for all lines (0: from the font)
  int horizontal_extent_ = 0;  // pixels the lines span sideways (LB_SETHORIZONTALEXTENT)
  int left_ = 0;               // pixels scrolled sideways
  bool focused_ = false;
};

}  // namespace plat
