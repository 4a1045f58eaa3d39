#include "platform/controls/list_box.h"

#include <algorithm>
#include <cstring>

#include "platform/controls/edit_text.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace plat {
namespace {

int AsIndex(WPARAM w) { return static_cast<int>(static_cast<std::int64_t>(w)); }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (prefix.size() > text.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (UpperCp1252(text[i]) != UpperCp1252(prefix[i])) return false;
  }
  return true;
}

}  // namespace

bool ListBox::Create(DWORD style, const Rect& rect, Window* parent, UINT id) {
  return Control::Create("", style, rect, parent, id);
}

int ListBox::AddString(std::string_view text) {
  const std::string t(text);
  return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str())));
}
int ListBox::InsertString(int index, std::string_view text) {
  const std::string t(text);
  return static_cast<int>(
      SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(static_cast<std::int64_t>(index)), reinterpret_cast<LPARAM>(t.c_str())));
}
int ListBox::DeleteString(int index) {
  return static_cast<int>(SendMessage(LB_DELETESTRING, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
void ListBox::ResetContent() { SendMessage(LB_RESETCONTENT); }
int ListBox::GetCount() const { return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(LB_GETCOUNT)); }
int ListBox::GetCurSel() const { return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(LB_GETCURSEL)); }
int ListBox::SetCurSel(int index) {
  return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
int ListBox::GetSel(int index) const {
  return static_cast<int>(
      const_cast<ListBox*>(this)->SendMessage(LB_GETSEL, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
int ListBox::SetSel(int index, bool select) {
  return static_cast<int>(SendMessage(LB_SETSEL, select ? 1 : 0, index));
}
int ListBox::GetSelCount() const { return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(LB_GETSELCOUNT)); }
std::vector<int> ListBox::GetSelItems() const {
  const int count = std::max(0, GetSelCount());
  std::vector<int> items(static_cast<std::size_t>(count));
  const LRESULT n = const_cast<ListBox*>(this)->SendMessage(LB_GETSELITEMS, static_cast<WPARAM>(count),
                                                            reinterpret_cast<LPARAM>(items.data()));
  items.resize(static_cast<std::size_t>(std::clamp<LRESULT>(n, 0, count)));
  return items;
}
std::string ListBox::GetText(int index) const {
  const int length = GetTextLen(index);
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const_cast<ListBox*>(this)->SendMessage(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}
int ListBox::GetTextLen(int index) const {
  return static_cast<int>(
      const_cast<ListBox*>(this)->SendMessage(LB_GETTEXTLEN, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
std::uint64_t ListBox::GetItemData(int index) const {
  return static_cast<std::uint64_t>(
      const_cast<ListBox*>(this)->SendMessage(LB_GETITEMDATA, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
int ListBox::SetItemData(int index, std::uint64_t data) {
  return static_cast<int>(
      SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(static_cast<std::int64_t>(index)), static_cast<LPARAM>(data)));
}
int ListBox::FindStringExact(int start_after, std::string_view text) const {
  const std::string t(text);
  return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(
      LB_FINDSTRINGEXACT, static_cast<WPARAM>(static_cast<std::int64_t>(start_after)), reinterpret_cast<LPARAM>(t.c_str())));
}
int ListBox::GetTopIndex() const { return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(LB_GETTOPINDEX)); }
int ListBox::SetTopIndex(int index) {
  return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
int ListBox::GetItemRect(int index, Rect* rect) const {
  return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(
      LB_GETITEMRECT, static_cast<WPARAM>(static_cast<std::int64_t>(index)), reinterpret_cast<LPARAM>(rect)));
}
int ListBox::SetItemHeight(int index, int height) {
  return static_cast<int>(SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(static_cast<std::int64_t>(index)), height));
}
int ListBox::GetItemHeight(int index) const {
  return static_cast<int>(
      const_cast<ListBox*>(this)->SendMessage(LB_GETITEMHEIGHT, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
int ListBox::GetCaretIndex() const { return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(LB_GETCARETINDEX)); }
void ListBox::SetHorizontalExtent(int extent) { SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(std::max(0, extent))); }
int ListBox::GetHorizontalExtent() const {
  return static_cast<int>(const_cast<ListBox*>(this)->SendMessage(LB_GETHORIZONTALEXTENT));
}

// ---- Lines ----

int ListBox::DefaultHeight() {
  if (fixed_height_ > 0) return fixed_height_;
  return std::max(1, MeasureText("X").cy + 1);
}

int ListBox::HeightOf(int index) {
  if (GetStyle() & LBS_OWNERDRAWVARIABLE) {
    const Item& item = items_[static_cast<std::size_t>(index)];
    if (item.height > 0) return item.height;
  }
  return DefaultHeight();
}

int ListBox::Insert(int index, std::string_view text, std::uint64_t data) {
  if (index < 0 || index > static_cast<int>(items_.size())) index = static_cast<int>(items_.size());
  items_.insert(items_.begin() + index, Item{std::string(text), data, false, 0});
  if (caret_ >= index) ++caret_;
  if (anchor_ >= index) ++anchor_;
  if (OwnerDrawn()) {
    // The height of a new line: WM_MEASUREITEM to the parent, else MeasureItem.
    MEASUREITEMSTRUCT measure{ODT_LISTBOX, GetDlgCtrlID(), index, 0, static_cast<UINT>(DefaultHeight()), data};
    Window* parent = GetParent();
    if (!parent || !parent->SendMessage(WM_MEASUREITEM, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&measure))) {
      MeasureItem(measure);
    }
    if (GetStyle() & LBS_OWNERDRAWVARIABLE) {
      items_[static_cast<std::size_t>(index)].height = static_cast<int>(measure.itemHeight);
    } else if (items_.size() == 1 && fixed_height_ == 0) {
      fixed_height_ = static_cast<int>(measure.itemHeight);
    }
  }
  UpdateScrollBar();
  Invalidate();
  return index;
}

void ListBox::MeasureItem(MEASUREITEMSTRUCT&) {}

int ListBox::VisibleCount() {
  Rect client;
  GetClientRect(&client);
  int y = 0, n = 0;
  for (int i = top_; i < static_cast<int>(items_.size()); ++i) {
    y += HeightOf(i);
    if (y > client.bottom) break;
    ++n;
  }
  if (n == 0 && top_ >= static_cast<int>(items_.size())) n = std::max(1, client.bottom / DefaultHeight());
  return std::max(1, n);
}

int ListBox::IndexAt(Point point, bool* outside) {
  int y = 0;
  for (int i = top_; i < static_cast<int>(items_.size()); ++i) {
    const int h = HeightOf(i);
    if (point.y >= y && point.y < y + h) {
      *outside = false;
      return i;
    }
    y += h;
  }
  *outside = true;
  return items_.empty() ? 0 : static_cast<int>(items_.size()) - 1;
}

void ListBox::EnsureVisible(int index) {
  if (!Valid(index)) return;
  if (index < top_) {
    top_ = index;
  } else {
    while (top_ < index && index >= top_ + VisibleCount()) ++top_;
  }
  UpdateScrollBar();
  Invalidate();
}

void ListBox::UpdateHorizontalBar() {
  if (!(GetStyle() & WS_HSCROLL)) return;
  Rect client;
  GetClientRect(&client);
  left_ = std::clamp(left_, 0, std::max(0, horizontal_extent_ - client.right));
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, horizontal_extent_ - 1);
  info.nPage = static_cast<UINT>(std::max(0, client.right));
  info.nPos = left_;
  SetScrollInfo(SB_HORZ, info);
}

// Sideways by a few pixels a line, by the client's width a page.
LRESULT ListBox::OnHScroll(WPARAM wParam) {
  constexpr int kColumn = 8;
  Rect client;
  GetClientRect(&client);
  int left = left_;
  switch (LOWORD(wParam)) {
    case SB_LINEUP: left -= kColumn; break;
    case SB_LINEDOWN: left += kColumn; break;
    default: {
      const std::optional<int> moved = ScrolledTopLine(wParam, left_, client.right, horizontal_extent_);
      if (!moved) return 0;
      left = *moved;
    }
  }
  left_ = left;
  UpdateHorizontalBar();
  Invalidate();
  return 0;
}

void ListBox::UpdateScrollBar() {
  UpdateHorizontalBar();
  if (!(GetStyle() & WS_VSCROLL)) return;
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, static_cast<int>(items_.size()) - 1);
  info.nPage = static_cast<UINT>(VisibleCount());
  info.nPos = top_;
  SetScrollInfo(SB_VERT, info);
}

void ListBox::SelectOnly(int index) {
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) items_[static_cast<std::size_t>(i)].selected = i == index;
}

void ListBox::SelectRange(int from, int to) {
  if (from > to) std::swap(from, to);
  for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
    items_[static_cast<std::size_t>(i)].selected = i >= from && i <= to;
  }
}

void ListBox::MoveCaret(int index, bool) {
  caret_ = index;
  EnsureVisible(index);
  Invalidate();
}

void ListBox::UserChanged() {
  Invalidate();
  if (GetStyle() & LBS_NOTIFY) NotifyParent(LBN_SELCHANGE);
}

void ListBox::Click(Point point, UINT flags) {
  bool outside = false;
  const int index = IndexAt(point, &outside);
  if (outside || !Valid(index)) return;
  const DWORD style = GetStyle();
  auto& item = items_[static_cast<std::size_t>(index)];
  if (style & LBS_MULTIPLESEL) {
    item.selected = !item.selected;
  } else if ((style & LBS_EXTENDEDSEL) && (flags & MK_SHIFT) && Valid(anchor_)) {
    SelectRange(anchor_, index);
  } else if ((style & LBS_EXTENDEDSEL) && (flags & MK_CONTROL)) {
    item.selected = !item.selected;
    anchor_ = index;
  } else {
    SelectOnly(index);
    anchor_ = index;
  }
  MoveCaret(index, true);
  UserChanged();
}

void ListBox::KeyDown(UINT vk) {
  if (items_.empty()) return;
  const int last = static_cast<int>(items_.size()) - 1;
  const int page = VisibleCount();
  const int from = Valid(caret_) ? caret_ : 0;
  int to = from;
  switch (vk) {
    case VK_UP: to = from - 1; break;
    case VK_DOWN: to = Valid(caret_) ? from + 1 : 0; break;
    case VK_PRIOR: to = from - page + 1; break;
    case VK_NEXT: to = from + page - 1; break;
    case VK_HOME: to = 0; break;
    case VK_END: to = last; break;
    case VK_SPACE:
      if (GetStyle() & LBS_MULTIPLESEL) {
        items_[static_cast<std::size_t>(from)].selected = !items_[static_cast<std::size_t>(from)].selected;
        caret_ = from;
        UserChanged();
      }
      return;
    default: return;
  }
  to = std::clamp(to, 0, last);
  const DWORD style = GetStyle();
  if (style & LBS_MULTIPLESEL) {
    MoveCaret(to, true);  // the caret moves; Space selects
    return;
  }
  if ((style & LBS_EXTENDEDSEL) && GetKeyState(VK_SHIFT) < 0 && Valid(anchor_)) {
    SelectRange(anchor_, to);
  } else {
    SelectOnly(to);
    anchor_ = to;
  }
  MoveCaret(to, true);
  UserChanged();
}

LRESULT ListBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const int n = static_cast<int>(items_.size());
  switch (message) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING: {
      const char* text = reinterpret_cast<const char*>(lParam);
      const bool strings = !OwnerDrawn() || (GetStyle() & LBS_HASSTRINGS);
      const std::string t = strings && text ? text : "";
      const std::uint64_t data = strings ? 0 : static_cast<std::uint64_t>(lParam);
      int index = message == LB_ADDSTRING ? n : AsIndex(wParam);
      if (message == LB_INSERTSTRING && (index < -1 || index > n)) return LB_ERR;
      if (message == LB_ADDSTRING && (GetStyle() & LBS_SORT)) {
        index = 0;
        while (index < n && items_[static_cast<std::size_t>(index)].text <= t) ++index;
      }
      return Insert(index, t, data);
    }
    case LB_DELETESTRING: {
      const int index = AsIndex(wParam);
      if (!Valid(index)) return LB_ERR;
      items_.erase(items_.begin() + index);
      if (caret_ > index || caret_ >= static_cast<int>(items_.size())) --caret_;
      if (anchor_ >= index) anchor_ = std::min(anchor_, static_cast<int>(items_.size()) - 1);
      top_ = std::clamp(top_, 0, std::max(0, static_cast<int>(items_.size()) - 1));
      UpdateScrollBar();
      Invalidate();
      return static_cast<LRESULT>(items_.size());
    }
    case LB_RESETCONTENT:
      items_.clear();
      caret_ = anchor_ = -1;
      top_ = 0;
      UpdateScrollBar();
      Invalidate();
      return 0;
    case LB_GETCOUNT: return n;
    case LB_SETCURSEL: {
      if (Multiple()) return LB_ERR;
      const int index = AsIndex(wParam);
      SelectOnly(index);
      if (!Valid(index)) {
        caret_ = -1;
        Invalidate();
        return index == -1 ? LB_ERR : LB_ERR;
      }
      anchor_ = index;
      MoveCaret(index, false);
      return index;
    }
    case LB_GETCURSEL:
      if (Multiple()) return Valid(caret_) ? caret_ : LB_ERR;
      for (int i = 0; i < n; ++i) {
        if (items_[static_cast<std::size_t>(i)].selected) return i;
      }
      return LB_ERR;
    case LB_SETSEL: {
      if (!Multiple()) return LB_ERR;
      const int index = static_cast<int>(lParam);
      if (index == -1) {
        for (Item& item : items_) item.selected = wParam != 0;
      } else if (Valid(index)) {
        items_[static_cast<std::size_t>(index)].selected = wParam != 0;
        caret_ = index;
      } else {
        return LB_ERR;
      }
      Invalidate();
      return 0;
    }
    case LB_GETSEL: {
      const int index = AsIndex(wParam);
      return Valid(index) ? (items_[static_cast<std::size_t>(index)].selected ? 1 : 0) : LB_ERR;
    }
    case LB_GETSELCOUNT: {
      if (!Multiple()) return LB_ERR;
      return std::count_if(items_.begin(), items_.end(), [](const Item& i) { return i.selected; });
    }
    case LB_GETSELITEMS: {
      if (!Multiple()) return LB_ERR;
      int* out = reinterpret_cast<int*>(lParam);
      int written = 0;
      for (int i = 0; i < n && out && written < static_cast<int>(wParam); ++i) {
        if (items_[static_cast<std::size_t>(i)].selected) out[written++] = i;
      }
      return written;
    }
    case LB_GETTEXTLEN: {
      const int index = AsIndex(wParam);
      return Valid(index) ? static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].text.size()) : LB_ERR;
    }
    case LB_GETTEXT: {
      const int index = AsIndex(wParam);
      char* buffer = reinterpret_cast<char*>(lParam);
      if (!Valid(index) || !buffer) return LB_ERR;
      const std::string& text = items_[static_cast<std::size_t>(index)].text;
      std::memcpy(buffer, text.c_str(), text.size() + 1);
      return static_cast<LRESULT>(text.size());
    }
    case LB_GETITEMDATA: {
      const int index = AsIndex(wParam);
      return Valid(index) ? static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].data) : LB_ERR;
    }
    case LB_SETITEMDATA: {
      const int index = AsIndex(wParam);
      if (!Valid(index)) return LB_ERR;
      items_[static_cast<std::size_t>(index)].data = static_cast<std::uint64_t>(lParam);
      return 0;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING: {
      const char* text = reinterpret_cast<const char*>(lParam);
      if (!text || n == 0) return LB_ERR;
      const int start = AsIndex(wParam);
      const std::string_view wanted(text);
      for (int k = 1; k <= n; ++k) {
        const int i = ((start < 0 ? -1 : start) + k) % n;
        const std::string& t = items_[static_cast<std::size_t>(i)].text;
        const bool match = message == LB_FINDSTRINGEXACT ? (t.size() == wanted.size() && StartsWithNoCase(t, wanted))
                                                         : StartsWithNoCase(t, wanted);
        if (!match) continue;
        if (message == LB_SELECTSTRING && !Multiple()) {
          SelectOnly(i);
          MoveCaret(i, false);
        }
        return i;
      }
      return LB_ERR;
    }
    case LB_GETTOPINDEX: return top_;
    case LB_SETTOPINDEX: {
      const int index = AsIndex(wParam);
      if (index < 0 || (index >= n && n > 0)) return LB_ERR;
      top_ = index;
      UpdateScrollBar();
      Invalidate();
      return 0;
    }
    case LB_GETITEMRECT: {
      const int index = AsIndex(wParam);
      auto* rect = reinterpret_cast<Rect*>(lParam);
      if (!rect || !(Valid(index) || (index == 0 && n == 0))) return LB_ERR;
      Rect client;
      GetClientRect(&client);
      int y = 0;
      if (index >= top_) {
        for (int i = top_; i < index; ++i) y += HeightOf(i);
      } else {
        for (int i = index; i < top_; ++i) y -= HeightOf(i);
      }
      *rect = Rect{0, y, client.right, y + (n ? HeightOf(index) : DefaultHeight())};
      return 0;
    }
    case LB_SETITEMHEIGHT: {
      const int height = static_cast<int>(lParam & 0xFFFF);
      if (height <= 0 || height > 255) return LB_ERR;
      const int index = AsIndex(wParam);
      if ((GetStyle() & LBS_OWNERDRAWVARIABLE) && Valid(index)) {
        items_[static_cast<std::size_t>(index)].height = height;
      } else {
        fixed_height_ = height;
      }
      UpdateScrollBar();
      Invalidate();
      return 0;
    }
    case LB_GETITEMHEIGHT: {
      const int index = AsIndex(wParam);
      if ((GetStyle() & LBS_OWNERDRAWVARIABLE) && !Valid(index)) return LB_ERR;
      return Valid(index) ? HeightOf(index) : DefaultHeight();
    }
    case LB_SETCARETINDEX: {
      const int index = AsIndex(wParam);
      if (!Valid(index)) return LB_ERR;
      MoveCaret(index, false);
      return 0;
    }
    case LB_GETCARETINDEX: return caret_;
    case LB_ITEMFROMPOINT: {
      bool outside = false;
      const int index = IndexAt(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &outside);
      return MAKELPARAM(static_cast<unsigned>(index), outside ? 1 : 0);
    }
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
      focused_ = true;
      Invalidate(false);
      if (GetStyle() & LBS_NOTIFY) NotifyParent(LBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      Invalidate(false);
      if (GetStyle() & LBS_NOTIFY) NotifyParent(LBN_KILLFOCUS);
      return 0;
    case WM_LBUTTONDOWN: {
      const HWND self = GetSafeHwnd();
      SetFocus();
      if (!IsWindow(self)) return 0;
      Click(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, static_cast<UINT>(wParam));
      return 0;
    }
    case WM_LBUTTONDBLCLK: {
      bool outside = false;
      IndexAt(Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}, &outside);
      if (!outside && (GetStyle() & LBS_NOTIFY)) NotifyParent(LBN_DBLCLK);
      return 0;
    }
    case WM_KEYDOWN: KeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_VSCROLL: {
      const std::optional<int> top = ScrolledTopLine(wParam, top_, VisibleCount(), n);
      if (!top) return 0;
      top_ = *top;
      UpdateScrollBar();
      Invalidate();
      return 0;
    }
    case WM_MOUSEWHEEL: {
      top_ = std::clamp(top_ - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA, 0, std::max(0, n - VisibleCount()));
      UpdateScrollBar();
      Invalidate();
      return 1;
    }
    case WM_SIZE: UpdateScrollBar(); return 0;
    case WM_HSCROLL: return OnHScroll(wParam);
    case LB_SETHORIZONTALEXTENT:
      horizontal_extent_ = static_cast<int>(wParam);
      UpdateHorizontalBar();
      Invalidate();
      return 0;
    case LB_GETHORIZONTALEXTENT: return horizontal_extent_;
    default: return Control::DefWindowProc(message, wParam, lParam);
  }
}

void ListBox::DrawItem(DRAWITEMSTRUCT& item) {
  Dc& dc = *item.hDC;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  dc.FillRect(item.rcItem, Brush::Solid(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW)));
  if (item.itemID >= 0 && Valid(item.itemID)) {
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    Rect text{item.rcItem.left + 2, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
    dc.DrawText(items_[static_cast<std::size_t>(item.itemID)].text, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
  if (item.itemState & ODS_FOCUS) dc.DrawFocusRect(item.rcItem);
}

bool ListBox::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void ListBox::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(GetSysColor(COLOR_WINDOW)));
  SelectControlFont(dc);
  Window* parent = GetParent();
  int y = 0;
  for (int i = top_; i < static_cast<int>(items_.size()) && y < client.bottom; ++i) {
    const int h = HeightOf(i);
    DRAWITEMSTRUCT draw;
    draw.CtlType = ODT_LISTBOX;
    draw.CtlID = GetDlgCtrlID();
    draw.itemID = i;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = (items_[static_cast<std::size_t>(i)].selected ? ODS_SELECTED : 0) |
                     (focused_ && i == caret_ ? ODS_FOCUS : 0) | (IsWindowEnabled() ? 0 : ODS_DISABLED);
    draw.hwndItem = GetSafeHwnd();
    draw.hDC = &dc;
    draw.rcItem = Rect{-left_, y, std::max(client.right, horizontal_extent_) - left_, y + h};
    draw.itemData = items_[static_cast<std::size_t>(i)].data;
    const int saved = dc.SaveDC();
    const bool by_parent = OwnerDrawn() && parent &&
                           parent->SendMessage(WM_DRAWITEM, GetDlgCtrlID(), reinterpret_cast<LPARAM>(&draw)) != 0;
    if (!by_parent) DrawItem(draw);
    dc.RestoreDC(saved);
    y += h;
  }
  if (items_.empty() && focused_) dc.DrawFocusRect(Rect{0, 0, client.right, DefaultHeight()});
}

}  // namespace plat
