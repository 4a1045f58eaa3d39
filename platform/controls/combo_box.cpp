#include "platform/controls/combo_box.h"

#include <algorithm>
#include <cstring>

#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/window/virtual_keys.h"

namespace plat {
namespace {

constexpr UINT kEditId = 1001;
int AsIndex(WPARAM w) { return static_cast<int>(static_cast<std::int64_t>(w)); }

}  // namespace

// The dropped list: a click chooses a line without taking the focus from the combo.
class ComboBox::DropList : public ListBox {
 public:
  explicit DropList(ComboBox* combo) : combo_(combo) {}
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_LBUTTONDOWN:
      case WM_MOUSEMOVE: {
        const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(static_cast<std::uint64_t>(hit)) == 0) SetCurSel(LOWORD(static_cast<std::uint64_t>(hit)));
        return 0;
      }
      case WM_LBUTTONUP: {
        const LRESULT hit = SendMessage(LB_ITEMFROMPOINT, 0, lParam);
        if (HIWORD(static_cast<std::uint64_t>(hit)) == 0) combo_->ListClicked(LOWORD(static_cast<std::uint64_t>(hit)));
        return 0;
      }
      default: return ListBox::DefWindowProc(message, wParam, lParam);
    }
  }

 private:
  ComboBox* combo_;
};

// The edit of CBS_DROPDOWN: Up, Down and F4 work the list; while it is
// dropped the field keeps Enter and Escape for it.
class ComboBox::Field : public Edit {
 public:
  explicit Field(ComboBox* combo) : combo_(combo) {}
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_GETDLGCODE) {
      return Edit::DefWindowProc(message, wParam, lParam) | (combo_->GetDroppedState() ? DLGC_WANTALLKEYS : 0);
    }
    if ((message == WM_KEYDOWN || message == WM_SYSKEYDOWN) &&
        combo_->Key(static_cast<UINT>(wParam), message == WM_SYSKEYDOWN)) {
      return 0;
    }
    return Edit::DefWindowProc(message, wParam, lParam);
  }

 private:
  ComboBox* combo_;
};

ComboBox::ComboBox() = default;

ComboBox::~ComboBox() {
  // The drop list and the field go before the combo's own window.
  list_.reset();
  popup_.reset();
  edit_.reset();
}

bool ComboBox::Create(DWORD style, const Rect& rect, Window* parent, UINT id, int lines) {
  lines_ = std::max(1, lines);
  if (!Control::Create("", style, rect, parent, id)) return false;
  if (HasEdit()) {
    edit_ = std::make_unique<Field>(this);
    edit_->Create(WS_VISIBLE | ES_AUTOHSCROLL,
                  Rect{0, 0, std::max(0, rect.Width() - ArrowWidth()), rect.Height()}, this, kEditId);
  }
  return true;
}

// ---- Members ----

int ComboBox::AddString(std::string_view text) {
  const std::string t(text);
  return static_cast<int>(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(t.c_str())));
}
int ComboBox::InsertString(int index, std::string_view text) {
  const std::string t(text);
  return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(static_cast<std::int64_t>(index)),
                                      reinterpret_cast<LPARAM>(t.c_str())));
}
int ComboBox::DeleteString(int index) {
  return static_cast<int>(SendMessage(CB_DELETESTRING, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
void ComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int ComboBox::GetCount() const { return static_cast<int>(const_cast<ComboBox*>(this)->SendMessage(CB_GETCOUNT)); }
int ComboBox::GetCurSel() const { return static_cast<int>(const_cast<ComboBox*>(this)->SendMessage(CB_GETCURSEL)); }
int ComboBox::SetCurSel(int index) {
  return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
std::string ComboBox::GetLBText(int index) const {
  auto* self = const_cast<ComboBox*>(this);
  const LRESULT length = self->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(static_cast<std::int64_t>(index)));
  if (length < 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  self->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}
int ComboBox::FindStringExact(int start_after, std::string_view text) const {
  const std::string t(text);
  return static_cast<int>(const_cast<ComboBox*>(this)->SendMessage(
      CB_FINDSTRINGEXACT, static_cast<WPARAM>(static_cast<std::int64_t>(start_after)), reinterpret_cast<LPARAM>(t.c_str())));
}
int ComboBox::SelectString(int start_after, std::string_view text) {
  const std::string t(text);
  return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(static_cast<std::int64_t>(start_after)),
                                      reinterpret_cast<LPARAM>(t.c_str())));
}
std::uint64_t ComboBox::GetItemData(int index) const {
  return static_cast<std::uint64_t>(
      const_cast<ComboBox*>(this)->SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(static_cast<std::int64_t>(index))));
}
int ComboBox::SetItemData(int index, std::uint64_t data) {
  return static_cast<int>(
      SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(static_cast<std::int64_t>(index)), static_cast<LPARAM>(data)));
}
void ComboBox::ShowDropDown(bool show) { SendMessage(CB_SHOWDROPDOWN, show ? 1 : 0); }
bool ComboBox::GetDroppedState() const {
  return const_cast<ComboBox*>(this)->SendMessage(CB_GETDROPPEDSTATE) != 0;
}
bool ComboBox::LimitText(int limit) { return SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(std::max(limit, 0))) != 0; }
Edit* ComboBox::GetEdit() const { return edit_.get(); }

// ---- Behaviour ----

int ComboBox::ArrowWidth() {
  Rect client;
  GetClientRect(&client);
  return std::min(client.Height() > 0 ? client.Height() : 18, 18);
}

void ComboBox::ShowSelection() {
  if (edit_) {
    edit_->SetWindowText(selected_ >= 0 ? items_[static_cast<std::size_t>(selected_)].text : std::string());
    edit_->SetSel(0, -1);
  }
  Invalidate(false);
}

void ComboBox::Drop(bool show) {
  if (show == GetDroppedState()) return;
  if (!show) {
    list_.reset();
    popup_.reset();
    return;
  }
  NotifyParent(CBN_DROPDOWN);
  if (!GetSafeHwnd()) return;
  Rect below;
  GetWindowRect(&below);
  const int item_height = std::max(1, MeasureText("X").cy + 1);
  const int shown = std::clamp(static_cast<int>(items_.size()), 1, lines_);
  popup_ = std::make_unique<Window>();
  popup_->CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "", WS_POPUP | WS_BORDER,
                   Rect{below.left, below.bottom, below.right, below.bottom + shown * item_height + 2}, this);
  list_ = std::make_unique<DropList>(this);
  Rect inside;
  popup_->GetClientRect(&inside);
  list_->Create(WS_VISIBLE | (static_cast<int>(items_.size()) > lines_ ? WS_VSCROLL : 0), inside, popup_.get(), 1000);
  list_->SetFont(GetFont(), false);
  for (const Item& item : items_) list_->AddString(item.text);
  list_->SetCurSel(selected_);
  popup_->ShowWindow(SW_SHOWNOACTIVATE);
}

void ComboBox::CloseUp(bool chosen) {
  if (!GetDroppedState()) return;
  const int choice = list_ ? list_->GetCurSel() : -1;
  Drop(false);
  if (chosen) {
    NotifyParent(CBN_SELENDOK);
    if (GetSafeHwnd()) UserChose(choice);
  } else {
    NotifyParent(CBN_SELENDCANCEL);
  }
  if (GetSafeHwnd()) NotifyParent(CBN_CLOSEUP);
}

void ComboBox::UserChose(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size()) || index == selected_) return;
  selected_ = index;
  ShowSelection();
  NotifyParent(CBN_SELCHANGE);
}

void ComboBox::ListClicked(int index) {
  if (list_) list_->SetCurSel(index);
  CloseUp(true);
}

bool ComboBox::Key(UINT vk, bool alt) {
  const bool dropped = GetDroppedState();
  if (vk == VK_F4 || (alt && (vk == VK_DOWN || vk == VK_UP))) {
    if (dropped) {
      CloseUp(true);
    } else {
      Drop(true);
    }
    return true;
  }
  if (dropped) {
    switch (vk) {
      case VK_RETURN: CloseUp(true); return true;
      case VK_ESCAPE: CloseUp(false); return true;
      case VK_UP:
      case VK_DOWN:
      case VK_PRIOR:
      case VK_NEXT:
      case VK_HOME:
      case VK_END: list_->SendMessage(WM_KEYDOWN, vk, 0); return true;
      default: return false;
    }
  }
  const int last = static_cast<int>(items_.size()) - 1;
  if (last < 0) return vk == VK_UP || vk == VK_DOWN;
  switch (vk) {
    case VK_UP: UserChose(std::max(0, selected_ - 1)); return true;
    case VK_DOWN: UserChose(std::min(last, selected_ + 1)); return true;
    case VK_HOME:
      if (edit_) return false;
      UserChose(0);
      return true;
    case VK_END:
      if (edit_) return false;
      UserChose(last);
      return true;
    default: return false;
  }
}

LRESULT ComboBox::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const int n = static_cast<int>(items_.size());
  const auto valid = [n](int i) { return i >= 0 && i < n; };
  switch (message) {
    case CB_ADDSTRING:
    case CB_INSERTSTRING: {
      const char* text = reinterpret_cast<const char*>(lParam);
      const std::string t = text ? text : "";
      int index = message == CB_ADDSTRING ? n : AsIndex(wParam);
      if (index == -1) index = n;
      if (index < 0 || index > n) return CB_ERR;
      if (message == CB_ADDSTRING && (GetStyle() & CBS_SORT)) {
        index = 0;
        while (index < n && items_[static_cast<std::size_t>(index)].text <= t) ++index;
      }
      items_.insert(items_.begin() + index, Item{t, 0});
      if (selected_ >= index) ++selected_;
      return index;
    }
    case CB_DELETESTRING: {
      const int index = AsIndex(wParam);
      if (!valid(index)) return CB_ERR;
      items_.erase(items_.begin() + index);
      if (selected_ == index) {
        selected_ = -1;
      } else if (selected_ > index) {
        --selected_;
      }
      Invalidate(false);
      return static_cast<LRESULT>(items_.size());
    }
    case CB_RESETCONTENT:
      items_.clear();
      selected_ = -1;
      ShowSelection();
      return 0;
    case CB_GETCOUNT: return n;
    case CB_GETCURSEL: return selected_;
    case CB_SETCURSEL: {
      const int index = AsIndex(wParam);
      selected_ = valid(index) ? index : -1;
      ShowSelection();
      return valid(index) ? index : CB_ERR;
    }
    case CB_GETLBTEXTLEN: {
      const int index = AsIndex(wParam);
      return valid(index) ? static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].text.size()) : CB_ERR;
    }
    case CB_GETLBTEXT: {
      const int index = AsIndex(wParam);
      char* buffer = reinterpret_cast<char*>(lParam);
      if (!valid(index) || !buffer) return CB_ERR;
      const std::string& text = items_[static_cast<std::size_t>(index)].text;
      std::memcpy(buffer, text.c_str(), text.size() + 1);
      return static_cast<LRESULT>(text.size());
    }
    case CB_GETITEMDATA: {
      const int index = AsIndex(wParam);
      return valid(index) ? static_cast<LRESULT>(items_[static_cast<std::size_t>(index)].data) : CB_ERR;
    }
    case CB_SETITEMDATA: {
      const int index = AsIndex(wParam);
      if (!valid(index)) return CB_ERR;
      items_[static_cast<std::size_t>(index)].data = static_cast<std::uint64_t>(lParam);
      return 0;
    }
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT:
    case CB_SELECTSTRING: {
      const char* text = reinterpret_cast<const char*>(lParam);
      if (!text || n == 0) return CB_ERR;
      const std::string_view wanted(text);
      const int start = AsIndex(wParam);
      for (int k = 1; k <= n; ++k) {
        const int i = ((start < 0 ? -1 : start) + k) % n;
        const std::string& t = items_[static_cast<std::size_t>(i)].text;
        if (message == CB_FINDSTRINGEXACT ? t.size() != wanted.size() : t.size() < wanted.size()) continue;
        bool same = true;
        for (std::size_t c = 0; c < wanted.size() && same; ++c) same = UpperCp1252(t[c]) == UpperCp1252(wanted[c]);
        if (!same) continue;
        if (message == CB_SELECTSTRING) {
          selected_ = i;
          ShowSelection();
        }
        return i;
      }
      return CB_ERR;
    }
    case CB_SHOWDROPDOWN:
      if (wParam) {
        Drop(true);
      } else {
        CloseUp(false);
      }
      return 1;
    case CB_GETDROPPEDSTATE: return popup_ && popup_->GetSafeHwnd() ? 1 : 0;
    case CB_LIMITTEXT:
      if (!edit_) return 0;
      edit_->SetLimitText(static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFE)));
      return 1;
    case CB_GETEDITSEL: {
      int start = 0, end = 0;
      if (edit_) edit_->GetSel(&start, &end);
      if (auto* s = reinterpret_cast<int*>(wParam)) *s = start;
      if (auto* e = reinterpret_cast<int*>(lParam)) *e = end;
      return MAKELPARAM(static_cast<unsigned>(start), static_cast<unsigned>(end));
    }
    case CB_SETEDITSEL:
      if (!edit_) return CB_ERR;
      edit_->SetSel(static_cast<std::int16_t>(LOWORD(static_cast<std::uint64_t>(lParam))),
                    static_cast<std::int16_t>(HIWORD(static_cast<std::uint64_t>(lParam))));
      return 1;
    case WM_SETTEXT:
      if (edit_) return edit_->SendMessage(message, wParam, lParam);
      return 1;  // a drop-down list shows its selection only
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT:
      if (edit_) return edit_->SendMessage(message, wParam, lParam);
      {
        // The chosen line is the text of a drop-down list.
        const std::string text = valid(selected_) ? items_[static_cast<std::size_t>(selected_)].text : std::string();
        if (message == WM_GETTEXTLENGTH) return static_cast<LRESULT>(text.size());
        char* buffer = reinterpret_cast<char*>(lParam);
        if (!buffer || wParam == 0) return 0;
        const std::size_t count = std::min<std::size_t>(text.size(), wParam - 1);
        text.copy(buffer, count);
        buffer[count] = '\0';
        return static_cast<LRESULT>(count);
      }
    case WM_SETFONT:
      if (edit_) edit_->SendMessage(message, wParam, lParam);
      return Control::DefWindowProc(message, wParam, lParam);
    case WM_COMMAND:
      // The field's changes, told as the combo's.
      if (edit_ && LOWORD(wParam) == kEditId) {
        switch (HIWORD(wParam)) {
          case EN_CHANGE: NotifyParent(CBN_EDITCHANGE); break;
          case EN_UPDATE: NotifyParent(CBN_EDITUPDATE); break;
          case EN_SETFOCUS: NotifyParent(CBN_SETFOCUS); break;
          case EN_KILLFOCUS: CloseUp(false); if (GetSafeHwnd()) NotifyParent(CBN_KILLFOCUS); break;
          default: break;
        }
      }
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | (GetDroppedState() ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
      if (edit_) {
        edit_->SetFocus();
        return 0;
      }
      focused_ = true;
      Invalidate(false);
      NotifyParent(CBN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      if (edit_) return 0;
      focused_ = false;
      CloseUp(false);
      Invalidate(false);
      if (GetSafeHwnd()) NotifyParent(CBN_KILLFOCUS);
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (Key(static_cast<UINT>(wParam), message == WM_SYSKEYDOWN)) return 0;
      return Control::DefWindowProc(message, wParam, lParam);
    case WM_CHAR: {
      // A letter chooses the next line that starts with it.
      if (edit_ || n == 0) return 0;
      const char c = UpperCp1252(static_cast<char>(wParam));
      for (int k = 1; k <= n; ++k) {
        const int i = (std::max(selected_, -1) + k) % n;
        const std::string& t = items_[static_cast<std::size_t>(i)].text;
        if (!t.empty() && UpperCp1252(t[0]) == c) {
          UserChose(i);
          break;
        }
      }
      return 0;
    }
    case WM_LBUTTONDOWN: {
      const HWND self = GetSafeHwnd();
      if (!edit_) SetFocus();
      if (!IsWindow(self)) return 0;
      Rect client;
      GetClientRect(&client);
      const bool on_arrow = GET_X_LPARAM(lParam) >= client.right - ArrowWidth();
      if (!edit_ || on_arrow) {
        if (GetDroppedState()) {
          CloseUp(false);
        } else {
          if (edit_) edit_->SetFocus();
          Drop(true);
        }
      }
      return 0;
    }
    case WM_SIZE:
      if (edit_) {
        edit_->MoveWindow(0, 0, std::max(0, LOWORD(static_cast<std::uint64_t>(lParam)) - ArrowWidth()),
                          HIWORD(static_cast<std::uint64_t>(lParam)));
      }
      return 0;
    case WM_DESTROY:
      list_.reset();
      popup_.reset();
      return 0;
    default: return Control::DefWindowProc(message, wParam, lParam);
  }
}

bool ComboBox::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void ComboBox::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  const int arrow = ArrowWidth();
  const Rect field{0, 0, client.right - arrow, client.bottom};
  const Rect button{client.right - arrow, 0, client.right, client.bottom};
  dc.FillRect(field, Brush::Solid(GetSysColor(COLOR_WINDOW)));
  if (!edit_) {
    SelectControlFont(dc);
    dc.SetBkMode(TRANSPARENT);
    if (focused_) {
      const Rect mark{field.left + 1, field.top + 1, field.right - 1, field.bottom - 1};
      dc.FillRect(mark, Brush::Solid(GetSysColor(COLOR_HIGHLIGHT)));
    }
    dc.SetTextColor(GetSysColor(focused_ ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    Rect text{field.left + 3, field.top, field.right - 2, field.bottom};
    if (selected_ >= 0) {
      dc.DrawText(items_[static_cast<std::size_t>(selected_)].text, text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
  }
  dc.FillRect(button, Brush::Solid(DialogFaceColor()));
  dc.DrawEdge(button, EDGE_RAISED, BF_RECT);
  // The arrow: a small triangle pointing down.
  const int cx = (button.left + button.right) / 2;
  const int cy = (button.top + button.bottom) / 2;
  const Point triangle[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
  dc.SelectPen(Pen{PS_SOLID, 0, GetSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT)});
  dc.SelectBrush(Brush::Solid(GetSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT)));
  dc.Polygon(triangle);
}

}  // namespace plat
