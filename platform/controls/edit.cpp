#include "platform/controls/edit.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

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

// Line breaks of pasted text as the multi-line edit keeps them: "\r\n".
std::string WithCrLf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      out += "\r\n";
    } else if (text[i] == '\n') {
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

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

int Edit::GetLineCount() const { return static_cast<int>(const_cast<Edit*>(this)->SendMessage(EM_GETLINECOUNT)); }

int Edit::LineIndex(int line) const {
  return static_cast<int>(
      const_cast<Edit*>(this)->SendMessage(EM_LINEINDEX, static_cast<WPARAM>(static_cast<std::int64_t>(line))));
}

int Edit::LineFromChar(int position) const {
  return static_cast<int>(
      const_cast<Edit*>(this)->SendMessage(EM_LINEFROMCHAR, static_cast<WPARAM>(static_cast<std::int64_t>(position))));
}

std::string Edit::GetLine(int line) const {
  const int start = LineIndex(line);
  if (start < 0) return {};
  const int length = static_cast<int>(const_cast<Edit*>(this)->SendMessage(EM_LINELENGTH, static_cast<WPARAM>(start)));
  std::string buffer(static_cast<std::size_t>(std::max(length, 2)) + 1, '\0');
  const auto size = static_cast<std::uint16_t>(std::min<std::size_t>(buffer.size(), 0xFFFF));
  std::memcpy(buffer.data(), &size, sizeof size);
  const LRESULT copied = const_cast<Edit*>(this)->SendMessage(EM_GETLINE, static_cast<WPARAM>(line),
                                                               reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return buffer;
}

int Edit::GetFirstVisibleLine() const {
  return static_cast<int>(const_cast<Edit*>(this)->SendMessage(EM_GETFIRSTVISIBLELINE));
}

void Edit::LineScroll(int lines) { SendMessage(EM_LINESCROLL, 0, lines); }

void Edit::SetCharFilter(std::function<bool(char)> accept) { char_filter_ = std::move(accept); }

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
      top_line_ = 0;
      modified_ = false;
      UpdateScrollBar();
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
    case WM_GETDLGCODE: return DialogCode(reinterpret_cast<const MSG*>(lParam));
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
          } else {
            // A line break goes as a whole.
            const int caret = edit_.caret();
            if (Multi() && !edit_.HasSelection() && caret >= 2 && edit_.text().compare(caret - 2, 2, "\r\n") == 0) {
              edit_.SetSelection(caret - 2, caret);
            }
            if (edit_.DeleteBack()) {
              modified_ = true;
              Changed();
            }
          }
          return 0;
        case 13:
          if (Multi()) TypedText("\r\n");
          return 0;
        case 9:
          if (Multi()) Typed('\t');
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
      edit_.MoveCaret(PositionAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), (wParam & MK_SHIFT) != 0);
      selecting_ = true;
      SetCapture();
      ScrollCaretIntoView();
      Invalidate(false);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (selecting_ && (wParam & MK_LBUTTON)) {
        edit_.MoveCaret(PositionAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)), true);
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
      if (text) ReplaceSel(Multi() ? WithCrLf(*text) : FirstLine(*text));
      return 0;
    }
    case EM_GETLINECOUNT: return Multi() ? static_cast<LRESULT>(LineStarts().size()) : 1;
    case EM_LINEINDEX: {
      const int line = static_cast<int>(static_cast<std::int64_t>(wParam));
      const std::vector<int> starts = LineStarts();
      const int index = line < 0 ? LineOfPosition(edit_.caret()) : line;
      if (!Multi()) return index == 0 ? 0 : -1;
      return index < static_cast<int>(starts.size()) ? starts[static_cast<std::size_t>(index)] : -1;
    }
    case EM_LINEFROMCHAR: {
      const int position = static_cast<int>(static_cast<std::int64_t>(wParam));
      return LineOfPosition(position < 0 ? edit_.caret() : position);
    }
    case EM_LINELENGTH: {
      const int line = LineOfPosition(static_cast<int>(std::min<WPARAM>(wParam, EditText::kLargestLimit)));
      return LineEnd(line) - LineStarts()[static_cast<std::size_t>(line)];
    }
    case EM_GETLINE: {
      char* buffer = reinterpret_cast<char*>(lParam);
      if (!buffer) return 0;
      std::uint16_t size = 0;
      std::memcpy(&size, buffer, sizeof size);
      const std::vector<int> starts = LineStarts();
      const int line = static_cast<int>(std::min<WPARAM>(wParam, starts.size()));
      if (line >= static_cast<int>(starts.size())) return 0;
      const int start = starts[static_cast<std::size_t>(line)];
      // No terminating zero, as Win32 copies the line.
      const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(LineEnd(line) - start), size);
      edit_.text().copy(buffer, n, static_cast<std::size_t>(start));
      return static_cast<LRESULT>(n);
    }
    case EM_GETFIRSTVISIBLELINE: return Multi() ? top_line_ : 0;
    case EM_LINESCROLL:
      if (Multi()) ScrollToLine(top_line_ + static_cast<int>(lParam));
      return 1;
    case WM_VSCROLL: {
      if (!Multi()) return 0;
      const int page = std::max(1, VisibleLines());
      switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollToLine(top_line_ - 1); break;
        case SB_LINEDOWN: ScrollToLine(top_line_ + 1); break;
        case SB_PAGEUP: ScrollToLine(top_line_ - page); break;
        case SB_PAGEDOWN: ScrollToLine(top_line_ + page); break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: ScrollToLine(HIWORD(wParam)); break;
        case SB_TOP: ScrollToLine(0); break;
        case SB_BOTTOM: ScrollToLine(static_cast<int>(LineStarts().size())); break;
        default: break;
      }
      return 0;
    }
    case WM_MOUSEWHEEL:
      if (!Multi()) return Window::DefWindowProc(message, wParam, lParam);
      ScrollToLine(top_line_ - 3 * GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA);
      return 1;
    case WM_SIZE:
      UpdateScrollBar();
      return 0;
    default: return Window::DefWindowProc(message, wParam, lParam);
  }
}

bool Edit::Typed(char c) {
  if (Has(ES_READONLY) || (Has(ES_NUMBER) && (c < '0' || c > '9')) || (char_filter_ && !char_filter_(c))) {
    Beep();
    return false;
  }
  if (Has(ES_UPPERCASE)) c = UpperCp1252(c);
  if (Has(ES_LOWERCASE)) c = LowerCp1252(c);
  return TypedText(std::string(1, c));
}

bool Edit::TypedText(std::string_view text) {
  if (Has(ES_READONLY)) {
    Beep();
    return false;
  }
  EditText typed = edit_;
  bool fits = typed.ReplaceSelection(text);
  if (fits && !Has(ES_AUTOHSCROLL) && !Multi()) {
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
  if (Multi()) {
    const int line = LineOfPosition(edit_.caret());
    const int page = std::max(1, VisibleLines());
    switch (vk) {
      case VK_UP: MoveCaretToLine(line - 1, shift); return;
      case VK_DOWN: MoveCaretToLine(line + 1, shift); return;
      case VK_PRIOR: MoveCaretToLine(line - page, shift); return;
      case VK_NEXT: MoveCaretToLine(line + page, shift); return;
      case VK_HOME:
        edit_.MoveCaret(ctrl ? 0 : LineStarts()[static_cast<std::size_t>(line)], shift);
        ScrollCaretIntoView();
        Invalidate(false);
        return;
      case VK_END:
        edit_.MoveCaret(ctrl ? edit_.length() : LineEnd(line), shift);
        ScrollCaretIntoView();
        Invalidate(false);
        return;
      case VK_LEFT:
      case VK_RIGHT: {
        // A line break is one step.
        const std::string& t = edit_.text();
        const int caret = edit_.caret();
        if (!ctrl && (shift || !edit_.HasSelection())) {
          if (vk == VK_LEFT && caret >= 2 && t.compare(static_cast<std::size_t>(caret - 2), 2, "\r\n") == 0) {
            edit_.MoveCaret(caret - 2, shift);
            ScrollCaretIntoView();
            Invalidate(false);
            return;
          }
          if (vk == VK_RIGHT && t.compare(static_cast<std::size_t>(caret), 2, "\r\n") == 0) {
            edit_.MoveCaret(caret + 2, shift);
            ScrollCaretIntoView();
            Invalidate(false);
            return;
          }
        }
        break;
      }
      case VK_DELETE: {
        const int caret = edit_.caret();
        if (!shift && !Has(ES_READONLY) && !edit_.HasSelection() &&
            edit_.text().compare(static_cast<std::size_t>(caret), 2, "\r\n") == 0) {
          edit_.SetSelection(caret, caret + 2);
        }
        break;
      }
      default: break;
    }
  }
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

int Edit::LineHeight() {
  PainterDc dc(scratch_);
  if (font_) dc.SelectFont(*font_);
  return std::max(1, dc.GetTextMetrics().height);
}

UINT Edit::DialogCode(const MSG* msg) const {
  UINT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  if (!Multi()) return code | (Has(ES_WANTRETURN) ? DLGC_WANTALLKEYS : 0);
  code |= DLGC_WANTALLKEYS;
  // A multi-line edit leaves the dialog Escape, Tab (without Ctrl) and Enter (without ES_WANTRETURN).
  if (msg && msg->message == WM_KEYDOWN) {
    if (msg->wParam == VK_ESCAPE || (msg->wParam == VK_RETURN && !Has(ES_WANTRETURN)) ||
        (msg->wParam == VK_TAB && !Held(VK_CONTROL))) {
      code &= ~DLGC_WANTALLKEYS;
    }
  }
  return code;
}

std::vector<int> Edit::LineStarts() const {
  std::vector<int> starts{0};
  if (!Multi()) return starts;
  const std::string& t = edit_.text();
  for (std::size_t i = 0; i + 1 < t.size(); ++i) {
    if (t[i] == '\r' && t[i + 1] == '\n') starts.push_back(static_cast<int>(i + 2));
  }
  return starts;
}

int Edit::LineOfPosition(int position) const {
  const std::vector<int> starts = LineStarts();
  const auto it = std::upper_bound(starts.begin(), starts.end(), position);
  return std::max(0, static_cast<int>(it - starts.begin()) - 1);
}

int Edit::LineEnd(int line) const {
  const std::vector<int> starts = LineStarts();
  if (line + 1 < static_cast<int>(starts.size())) return starts[static_cast<std::size_t>(line) + 1] - 2;
  return edit_.length();
}

int Edit::VisibleLines() {
  Rect client;
  GetClientRect(&client);
  return std::max(1, (client.Height() - kTop) / LineHeight());
}

void Edit::MoveCaretToLine(int line, bool extend) {
  const std::vector<int> starts = LineStarts();
  const int from = LineOfPosition(edit_.caret());
  const int to = std::clamp(line, 0, static_cast<int>(starts.size()) - 1);
  // The caret keeps its x as near as the new line allows.
  const std::string_view t(edit_.text());
  const int x = TextWidth(t.substr(static_cast<std::size_t>(starts[static_cast<std::size_t>(from)]),
                                   static_cast<std::size_t>(edit_.caret() - starts[static_cast<std::size_t>(from)])));
  const int start = starts[static_cast<std::size_t>(to)];
  const int end = LineEnd(to);
  int best = start;
  int best_distance = x;
  for (int i = start + 1; i <= end; ++i) {
    const int d = std::abs(TextWidth(t.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start))) - x);
    if (d < best_distance) {
      best = i;
      best_distance = d;
    }
  }
  edit_.MoveCaret(best, extend);
  ScrollCaretIntoView();
  Invalidate(false);
}

void Edit::ScrollToLine(int top) {
  const int lines = static_cast<int>(LineStarts().size());
  const int limit = std::max(0, lines - VisibleLines());
  const int clamped = std::clamp(top, 0, limit);
  if (clamped == top_line_) return;
  top_line_ = clamped;
  UpdateScrollBar();
  Invalidate(false);
}

void Edit::UpdateScrollBar() {
  if (!Multi() || !(GetStyle() & WS_VSCROLL)) return;
  SCROLLINFO info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  info.nMin = 0;
  info.nMax = static_cast<int>(LineStarts().size()) - 1;
  info.nPage = static_cast<UINT>(VisibleLines());
  info.nPos = top_line_;
  SetScrollInfo(SB_VERT, info);
}

int Edit::TextLeft() {
  Rect client;
  GetClientRect(&client);
  if (Multi()) return kMargin - scroll_x_;
  const int width = TextWidth(edit_.text());
  if (width + 2 * kMargin <= client.Width()) {
    if (Has(ES_RIGHT)) return client.Width() - kMargin - width;
    if (Has(ES_CENTER)) return (client.Width() - width) / 2;
  }
  return kMargin - scroll_x_;
}

int Edit::PositionAt(int x, int y) {
  const std::vector<int> starts = LineStarts();
  int line = 0;
  if (Multi()) {
    line = std::clamp(top_line_ + (y - kTop) / LineHeight() - (y < kTop ? 1 : 0), 0,
                      static_cast<int>(starts.size()) - 1);
  }
  const int start = starts[static_cast<std::size_t>(line)];
  const int end = LineEnd(line);
  const int offset = x - TextLeft();
  const std::string_view text(edit_.text());
  int best = start;
  int best_distance = std::abs(offset);
  for (int i = start + 1; i <= end; ++i) {
    const int distance =
        std::abs(TextWidth(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start))) - offset);
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
  const std::string_view text(edit_.text());
  const int line = LineOfPosition(edit_.caret());
  const int start = LineStarts()[static_cast<std::size_t>(line)];
  if (Multi()) {
    const int visible = VisibleLines();
    if (line < top_line_) ScrollToLine(line);
    if (line >= top_line_ + visible) ScrollToLine(line - visible + 1);
    UpdateScrollBar();
  }
  const std::string_view line_text =
      text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(LineEnd(line) - start));
  if (!Has(ES_AUTOHSCROLL) || (!Multi() && TextWidth(line_text) <= room)) {
    scroll_x_ = 0;
    return;
  }
  const int caret_x =
      TextWidth(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(edit_.caret() - start)));
  if (caret_x < scroll_x_) scroll_x_ = caret_x;
  if (caret_x > scroll_x_ + room) scroll_x_ = caret_x - room;
  scroll_x_ = std::max(0, scroll_x_);
}

bool Edit::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void Edit::PaintLine(Dc& dc, int from, int to, int x, int y, bool show_selection) {
  const std::string_view text(edit_.text());
  const int height = dc.GetTextMetrics().height;
  const int sel_from = std::clamp(edit_.selection_start(), from, to);
  const int sel_to = std::clamp(edit_.selection_end(), from, to);
  const int runs[3][2] = {{from, sel_from}, {sel_from, sel_to}, {sel_to, to}};
  for (int r = 0; r < 3; ++r) {
    const int a = runs[r][0];
    const int b = runs[r][1];
    if (b <= a) continue;
    const std::string_view part = text.substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
    const int width = dc.GetTextExtent(part).cx;
    const bool selected = r == 1 && show_selection;
    if (selected) dc.FillRect(Rect{x, y, x + width, y + height}, Brush::Solid(GetSysColor(COLOR_HIGHLIGHT)));
    dc.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    dc.TextOut(x, y, part);
    x += width;
  }
}

void Edit::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(GetSysColor(Has(ES_READONLY) && Multi() ? COLOR_BTNFACE : COLOR_WINDOW)));
  if (font_) dc.SelectFont(*font_);
  dc.SetBkMode(TRANSPARENT);
  const std::string_view text(edit_.text());
  const int height = dc.GetTextMetrics().height;
  const bool show_selection = edit_.HasSelection() && (focused_ || Has(ES_NOHIDESEL));
  const std::vector<int> starts = LineStarts();
  const int first = Multi() ? top_line_ : 0;
  const int caret_line = LineOfPosition(edit_.caret());
  for (int line = first; line < static_cast<int>(starts.size()); ++line) {
    const int y = kTop + (line - first) * height;
    if (y >= client.bottom) break;
    PaintLine(dc, starts[static_cast<std::size_t>(line)], LineEnd(line), TextLeft(), y, show_selection);
  }
  if (focused_ && caret_line >= first) {
    const int start = starts[static_cast<std::size_t>(caret_line)];
    const int caret_x =
        TextLeft() + TextWidth(text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(edit_.caret() - start)));
    const int y = kTop + (caret_line - first) * height;
    dc.FillRect(Rect{caret_x, y, caret_x + 1, y + height}, Brush::Solid(GetSysColor(COLOR_WINDOWTEXT)));
  }
}

}  // namespace plat
