#include "platform/controls/edit.h"

#include <algorithm>
#include <cstdlib>

#include "platform/clipboard/clipboard.h"
#include "platform/dc/painter_dc.h"
#include "platform/message_box.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace plat {
namespace {

constexpr int kMargin = 2;  // pixels between the client's edges and the text
constexpr int kTop = 1;

bool Held(int vk) { return GetKeyState(vk) < 0; }

// Pasted text is one line: it ends at the first line break.
std::string FirstLine(const std::string& text) { return text.substr(0, text.find_first_of("\r\n")); }

}  // namespace

Edit::Edit() = default;
Edit::~Edit() = default;

bool Edit::Create(DWORD style, const Rect& rect, Window* parent, UINT id) {
  style_ = style & 0xFFFF;
  if (!Window::Create("", style | WS_CHILD, rect, parent, id)) return false;
  SetClassCursor(LoadCursor(IDC_IBEAM));
  return true;
}

// ---- CEdit's members ----

void Edit::SetSel(int start, int end, bool no_scroll) {
  SendMessage(EM_SETSEL, static_cast<WPARAM>(static_cast<std::int64_t>(start)), end);
  if (!no_scroll) SendMessage(EM_SCROLLCARET);
}

void Edit::GetSel(int* start, int* end) const {
  auto* self = const_cast<Edit*>(this);
  self->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(start), reinterpret_cast<LPARAM>(end));
}

void Edit::ReplaceSel(std::string_view text) {
  const std::string zero_terminated(text);
  SendMessage(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(zero_terminated.c_str()));
}

void Edit::SetLimitText(int limit) { SendMessage(EM_SETLIMITTEXT, static_cast<WPARAM>(std::max(limit, 0))); }

int Edit::GetLimitText() const { return static_cast<int>(const_cast<Edit*>(this)->SendMessage(EM_GETLIMITTEXT)); }

bool Edit::SetReadOnly(bool read_only) { return SendMessage(EM_SETREADONLY, read_only ? 1 : 0) != 0; }

bool Edit::GetModify() const { return const_cast<Edit*>(this)->SendMessage(EM_GETMODIFY) != 0; }

void Edit::SetModify(bool modified) { SendMessage(EM_SETMODIFY, modified ? 1 : 0); }

void Edit::Cut() { SendMessage(WM_CUT); }
void Edit::Copy() { SendMessage(WM_COPY); }
void Edit::Paste() { SendMessage(WM_PASTE); }
void Edit::Clear() { SendMessage(WM_CLEAR); }

// ---- The control's handling ----

LRESULT Edit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: {
      const char* text = reinterpret_cast<const char*>(lParam);
      edit_.SetText(text ? text : "");
      scroll_x_ = 0;
      modified_ = false;
      Invalidate();
      Notify(EN_CHANGE);
      return 1;
    }
    case WM_GETTEXTLENGTH: return edit_.length();
    case WM_GETTEXT: {
      char* buffer = reinterpret_cast<char*>(lParam);
      if (!buffer || wParam == 0) return 0;
      const std::size_t n = std::min<std::size_t>(edit_.text().size(), wParam - 1);
      edit_.text().copy(buffer, n);
      buffer[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    case WM_SETFONT:
      if (wParam) {
        font_ = *reinterpret_cast<const Font*>(wParam);
      } else {
        font_.reset();
      }
      ScrollCaretIntoView();
      if (LOWORD(static_cast<std::uint64_t>(lParam))) Invalidate();
      return 0;
    case WM_GETFONT: return font_ ? reinterpret_cast<LRESULT>(&*font_) : 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS | (Has(ES_WANTRETURN) ? DLGC_WANTALLKEYS : 0);
    case WM_SETFOCUS:
      focused_ = true;
      Invalidate(false);
      Notify(EN_SETFOCUS);
      return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      Invalidate(false);
      Notify(EN_KILLFOCUS);
      return 0;
    case WM_CHAR: {
      const auto ch = static_cast<unsigned char>(wParam & 0xFF);
      switch (ch) {
        case 1: SetSel(0, -1); return 0;  // Ctrl+A
        case 3: Copy(); return 0;         // Ctrl+C
        case 22: Paste(); return 0;       // Ctrl+V
        case 24: Cut(); return 0;         // Ctrl+X
        case 8:
          if (Has(ES_READONLY)) {
            Beep();
          } else if (edit_.DeleteBack()) {
            modified_ = true;
            Changed();
          }
          return 0;
        default:
          if (ch >= 32 && ch != 127) Typed(static_cast<char>(ch));
          return 0;
      }
    }
    case WM_KEYDOWN: KeyDown(static_cast<UINT>(wParam)); return 0;
    case WM_LBUTTONDOWN: {
      const HWND self = GetSafeHwnd();
      SetFocus();
      if (!IsWindow(self)) return 0;
      edit_.MoveCaret(PositionAt(GET_X_LPARAM(lParam)), (wParam & MK_SHIFT) != 0);
      selecting_ = true;
      SetCapture();
      ScrollCaretIntoView();
      Invalidate(false);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (selecting_ && (wParam & MK_LBUTTON)) {
        edit_.MoveCaret(PositionAt(GET_X_LPARAM(lParam)), true);
        ScrollCaretIntoView();
        Invalidate(false);
      }
      return 0;
    case WM_LBUTTONUP:
      if (selecting_) {
        selecting_ = false;
        if (GetCapture() == this) ReleaseCapture();
      }
      return 0;
    case WM_LBUTTONDBLCLK: {
      edit_.MoveCaret(edit_.WordLeft(), false);
      edit_.MoveCaret(edit_.WordRight(), true);
      Invalidate(false);
      return 0;
    }
    case WM_CAPTURECHANGED: selecting_ = false; return 0;
    case EM_GETSEL: {
      if (auto* start = reinterpret_cast<int*>(wParam)) *start = edit_.selection_start();
      if (auto* end = reinterpret_cast<int*>(lParam)) *end = edit_.selection_end();
      return MAKELPARAM(static_cast<unsigned>(edit_.selection_start()), static_cast<unsigned>(edit_.selection_end()));
    }
    case EM_SETSEL:
      edit_.SetSelection(static_cast<int>(static_cast<std::int64_t>(wParam)), static_cast<int>(lParam));
      Invalidate(false);
      return 0;
    case EM_SCROLLCARET: ScrollCaretIntoView(); Invalidate(false); return 1;
    case EM_REPLACESEL: {
      const char* text = reinterpret_cast<const char*>(lParam);
      if (!edit_.ReplaceSelection(text ? text : "")) Notify(EN_MAXTEXT);
      if (!IsWindow(GetSafeHwnd())) return 0;
      modified_ = true;
      Changed();
      return 0;
    }
    case EM_SETLIMITTEXT: edit_.SetLimit(static_cast<int>(std::min<WPARAM>(wParam, EditText::kLargestLimit))); return 0;
    case EM_GETLIMITTEXT: return edit_.limit();
    case EM_SETREADONLY:
      style_ = wParam ? (style_ | ES_READONLY) : (style_ & ~ES_READONLY);
      Invalidate();
      return 1;
    case EM_GETMODIFY: return modified_ ? 1 : 0;
    case EM_SETMODIFY: modified_ = wParam != 0; return 0;
    case WM_COPY:
      if (edit_.HasSelection()) SetClipboardText(edit_.SelectedText());
      return 0;
    case WM_CUT:
    case WM_CLEAR:
      if (!edit_.HasSelection()) return 0;
      if (Has(ES_READONLY)) {
        if (message == WM_CUT) SetClipboardText(edit_.SelectedText());
        return 0;
      }
      if (message == WM_CUT) SetClipboardText(edit_.SelectedText());
      edit_.ReplaceSelection({});
      modified_ = true;
      Changed();
      return 0;
    case WM_PASTE: {
      if (Has(ES_READONLY)) return 0;
      const std::optional<std::string> text = GetClipboardText();
      if (text) ReplaceSel(FirstLine(*text));
      return 0;
    }
    default: return Window::DefWindowProc(message, wParam, lParam);
  }
}

bool Edit::Typed(char c) {
  if (Has(ES_READONLY) || (Has(ES_NUMBER) && (c < '0' || c > '9'))) {
    Beep();
    return false;
  }
  if (Has(ES_UPPERCASE)) c = UpperCp1252(c);
  if (Has(ES_LOWERCASE)) c = LowerCp1252(c);
  EditText typed = edit_;
  bool fits = typed.ReplaceSelection(std::string(1, c));
  if (fits && !Has(ES_AUTOHSCROLL)) {
    // Without ES_AUTOHSCROLL the text never grows beyond the control's width.
    Rect client;
    GetClientRect(&client);
    fits = TextWidth(typed.text()) + 2 * kMargin <= client.Width();
  }
  if (!fits) {
    const HWND self = GetSafeHwnd();
    Notify(EN_MAXTEXT);
    if (IsWindow(self)) Beep();
    return false;
  }
  edit_ = typed;
  modified_ = true;
  Changed();
  return true;
}

void Edit::KeyDown(UINT vk) {
  const bool shift = Held(VK_SHIFT);
  const bool ctrl = Held(VK_CONTROL);
  switch (vk) {
    case VK_LEFT:
    case VK_UP:
      if (!shift && !ctrl && edit_.HasSelection()) {
        edit_.MoveCaret(edit_.selection_start(), false);
      } else {
        edit_.MoveCaret(ctrl ? edit_.WordLeft() : edit_.caret() - 1, shift);
      }
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (!shift && !ctrl && edit_.HasSelection()) {
        edit_.MoveCaret(edit_.selection_end(), false);
      } else {
        edit_.MoveCaret(ctrl ? edit_.WordRight() : edit_.caret() + 1, shift);
      }
      break;
    case VK_HOME: edit_.MoveCaret(0, shift); break;
    case VK_END: edit_.MoveCaret(edit_.length(), shift); break;
    case VK_DELETE:
      if (shift) {
        Cut();
      } else if (Has(ES_READONLY)) {
        Beep();
      } else if (edit_.DeleteForward()) {
        modified_ = true;
        Changed();
      }
      return;
    case VK_INSERT:
      if (ctrl) Copy();
      if (shift) Paste();
      return;
    default: return;
  }
  ScrollCaretIntoView();
  Invalidate(false);
}

void Edit::Changed() {
  const HWND self = GetSafeHwnd();
  ScrollCaretIntoView();
  Notify(EN_UPDATE);
  if (!IsWindow(self)) return;
  Invalidate();
  Notify(EN_CHANGE);
}

void Edit::Notify(UINT code) {
  Window* parent = GetParent();
  if (parent) parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), HandleParam(GetSafeHwnd()));
}

int Edit::TextWidth(std::string_view text) {
  if (text.empty()) return 0;
  // Measured on a picture of its own: the window's picture may be in the middle of a paint.
  PainterDc dc(scratch_);
  if (font_) dc.SelectFont(*font_);
  return dc.GetTextExtent(text).cx;
}

int Edit::TextLeft() {
  Rect client;
  GetClientRect(&client);
  const int width = TextWidth(edit_.text());
  if (width + 2 * kMargin <= client.Width()) {
    if (Has(ES_RIGHT)) return client.Width() - kMargin - width;
    if (Has(ES_CENTER)) return (client.Width() - width) / 2;
  }
  return kMargin - scroll_x_;
}

int Edit::PositionAt(int x) {
  const int offset = x - TextLeft();
  const std::string& text = edit_.text();
  int best = 0;
  int best_distance = std::abs(offset);
  for (int i = 1; i <= edit_.length(); ++i) {
    const int distance = std::abs(TextWidth(std::string_view(text).substr(0, static_cast<std::size_t>(i))) - offset);
    if (distance < best_distance) {
      best = i;
      best_distance = distance;
    }
  }
  return best;
}

void Edit::ScrollCaretIntoView() {
  Rect client;
  GetClientRect(&client);
  const int room = std::max(0, client.Width() - 2 * kMargin);
  const std::string& text = edit_.text();
  if (!Has(ES_AUTOHSCROLL) || TextWidth(text) <= room) {
    scroll_x_ = 0;
    return;
  }
  const int caret_x = TextWidth(std::string_view(text).substr(0, static_cast<std::size_t>(edit_.caret())));
  if (caret_x < scroll_x_) scroll_x_ = caret_x;
  if (caret_x > scroll_x_ + room) scroll_x_ = caret_x - room;
  scroll_x_ = std::max(0, scroll_x_);
}

bool Edit::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void Edit::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(GetSysColor(COLOR_WINDOW)));
  if (font_) dc.SelectFont(*font_);
  dc.SetBkMode(TRANSPARENT);
  const std::string& text = edit_.text();
  const int height = dc.GetTextMetrics().height;
  const bool show_selection = edit_.HasSelection() && (focused_ || Has(ES_NOHIDESEL));
  int x = TextLeft();
  const int runs[3][2] = {{0, edit_.selection_start()},
                          {edit_.selection_start(), edit_.selection_end()},
                          {edit_.selection_end(), edit_.length()}};
  for (int r = 0; r < 3; ++r) {
    const int from = runs[r][0];
    const int to = runs[r][1];
    if (to <= from) continue;
    const std::string_view part = std::string_view(text).substr(static_cast<std::size_t>(from),
                                                                static_cast<std::size_t>(to - from));
    const int width = dc.GetTextExtent(part).cx;
    const bool selected = r == 1 && show_selection;
    if (selected) dc.FillRect(Rect{x, kTop, x + width, kTop + height}, Brush::Solid(GetSysColor(COLOR_HIGHLIGHT)));
    dc.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc.TextOut(x, kTop, part);
    x += width;
  }
  if (focused_) {
    const int caret_x = TextLeft() + TextWidth(std::string_view(text).substr(0, static_cast<std::size_t>(edit_.caret())));
    dc.FillRect(Rect{caret_x, kTop, caret_x + 1, kTop + height}, Brush::Solid(GetSysColor(COLOR_WINDOWTEXT)));
  }
}

}  // namespace plat
