#include "platform/controls/tool_tip.h"

#include <algorithm>

#include "platform/controls/control.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/window/input_state.h"
#include "platform/window/input_tracking.h"
#include "platform/window/system_metrics.h"
#include "platform/window/window_state.h"

namespace plat {
namespace {

constexpr int kLeaveCheckMs = 100;
constexpr int kCursorHeight = 20;  // the tip shows below the arrow
constexpr int kMarginX = 4;
constexpr int kMarginY = 2;

const Font& TipFont() {
  static const Font font{"ARIAL", -12};
  return font;
}

// Where the mouse is in screen coordinates. The offscreen platform has no
// cursor of its own: there the latest mouse event tells (or a test's cursor).
Point MousePosition() {
  const detail::InputState& input = detail::CurrentInput();
  if (detail::OffscreenPlatform() && !input.cursor_faked) return input.last_mouse;
  Point p;
  GetCursorPos(&p);
  return p;
}

bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

bool IsButtonMessage(UINT message) {
  return message >= WM_LBUTTONDOWN && message <= WM_XBUTTONDBLCLK && message != WM_MOUSEWHEEL;
}

}  // namespace

bool ToolTipCtrl::Create(Window* parent) {
  if (!parent) return false;
  parent_ = parent;
  return CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "", WS_POPUP | WS_BORDER, Rect{}, parent);
}

bool ToolTipCtrl::AddTool(Window* tool, std::string_view text) {
  if (!tool || !tool->GetSafeHwnd()) return false;
  for (Tool& t : tools_) {
    if (t.hwnd == tool->GetSafeHwnd()) {
      t.text = std::string(text);
      if (shown_ == t.hwnd) Hide();
      return true;
    }
  }
  tools_.push_back(Tool{tool->GetSafeHwnd(), std::string(text)});
  return true;
}

void ToolTipCtrl::DelTool(Window* tool) {
  if (!tool) return;
  const HWND hwnd = tool->GetSafeHwnd();
  std::erase_if(tools_, [hwnd](const Tool& t) { return t.hwnd == hwnd; });
  if (hover_ == hwnd) Hover(nullptr);
}

void ToolTipCtrl::Activate(bool active) {
  active_ = active;
  if (!active) Pop();
}

void ToolTipCtrl::SetDelayTime(DWORD duration, int ms) {
  switch (duration) {
    case TTDT_AUTOMATIC:
      initial_ms_ = ms < 0 ? 500 : ms;
      autopop_ms_ = initial_ms_ * 10;
      reshow_ms_ = initial_ms_ / 5;
      break;
    case TTDT_INITIAL: initial_ms_ = ms < 0 ? 500 : ms; break;
    case TTDT_AUTOPOP: autopop_ms_ = ms < 0 ? initial_ms_ * 10 : ms; break;
    case TTDT_RESHOW: reshow_ms_ = ms < 0 ? initial_ms_ / 5 : ms; break;
    default: break;
  }
}

int ToolTipCtrl::GetDelayTime(DWORD duration) const {
  switch (duration) {
    case TTDT_AUTOPOP: return autopop_ms_;
    case TTDT_RESHOW: return reshow_ms_;
    default: return initial_ms_;
  }
}

void ToolTipCtrl::RelayEvent(const MSG* msg) {
  if (!msg || !GetSafeHwnd()) return;
  if (msg->message == WM_MOUSEMOVE) {
    Hover(ToolAt(*msg));
  } else if (IsButtonMessage(msg->message)) {
    Pop();
    suppressed_ = ToolAt(*msg);
  }
}

void ToolTipCtrl::Pop() {
  Hide();
  KillTimer(kShowTimer);
}

Window* ToolTipCtrl::ShownTool() const { return FromHandle(shown_); }

HWND ToolTipCtrl::ToolAt(const MSG& msg) const {
  Window* target = FromHandle(msg.hwnd);
  if (!parent_ || !target || (target != parent_ && !parent_->IsChild(target))) return nullptr;
  // The tool itself or a window inside it ...
  for (Window* w = target; w && w != parent_; w = w->GetParent()) {
    if (Find(w->GetSafeHwnd())) return w->GetSafeHwnd();
    if ((w->GetStyle() & WS_CHILD) == 0) break;
  }
  // ... else a tool under the point (a disabled control's messages reach its dialog).
  Point at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
  target->ClientToScreen(&at);
  for (const Tool& t : tools_) {
    Window* tool = FromHandle(t.hwnd);
    if (!tool || !tool->IsWindowVisible()) continue;
    Rect r;
    tool->GetWindowRect(&r);
    if (Inside(r, at)) return t.hwnd;
  }
  return nullptr;
}

const ToolTipCtrl::Tool* ToolTipCtrl::Find(HWND hwnd) const {
  for (const Tool& t : tools_) {
    if (t.hwnd == hwnd) return &t;
  }
  return nullptr;
}

bool ToolTipCtrl::CursorOn(HWND hwnd) const {
  Window* tool = FromHandle(hwnd);
  if (!tool || !tool->IsWindowVisible()) return false;
  Rect r;
  tool->GetWindowRect(&r);
  return Inside(r, MousePosition());
}

void ToolTipCtrl::Hover(HWND tool) {
  if (tool == hover_) return;
  hover_ = tool;
  if (suppressed_ != tool) suppressed_ = nullptr;  // the clicked tool was left
  const bool tip_was_up = shown_ != nullptr;
  Hide();
  KillTimer(kShowTimer);
  if (!tool) {
    KillTimer(kLeaveTimer);
    return;
  }
  SetTimer(kLeaveTimer, kLeaveCheckMs);
  if (tool == suppressed_ || !active_) return;
  SetTimer(kShowTimer, static_cast<UINT>(std::max(1, tip_was_up ? reshow_ms_ : initial_ms_)));
}

std::string ToolTipCtrl::TextOf(const Tool& tool) const {
  if (!tool.text.empty()) return tool.text;
  Window* window = FromHandle(tool.hwnd);
  return window ? WithoutMnemonic(window->GetWindowText()) : std::string();
}

void ToolTipCtrl::Show() {
  const Tool* tool = Find(hover_);
  if (!tool || !active_ || !CursorOn(hover_)) return;
  const std::string text = TextOf(*tool);
  if (text.empty()) return;
  Size extent;
  {
    Bitmap scratch(1, 1);
    PainterDc measure(scratch);
    measure.SelectFont(TipFont());
    extent = measure.GetTextExtent(text);
  }
  const int width = extent.cx + 2 * kMarginX + 2;  // the border's pixels on both sides
  const int height = extent.cy + 2 * kMarginY + 2;
  const Point mouse = MousePosition();
  int x = mouse.x;
  int y = mouse.y + kCursorHeight;
  const int screen_w = GetSystemMetrics(SM_CXSCREEN);
  const int screen_h = GetSystemMetrics(SM_CYSCREEN);
  if (screen_w > 0) x = std::clamp(x, 0, std::max(0, screen_w - width));
  if (screen_h > 0 && y + height > screen_h) y = std::max(0, mouse.y - height);  // above the cursor
  shown_ = hover_;
  shown_text_ = text;
  SetWindowPos(HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Invalidate();
  SetTimer(kPopTimer, static_cast<UINT>(std::max(1, autopop_ms_)));
}

void ToolTipCtrl::Hide() {
  KillTimer(kPopTimer);
  if (!shown_) return;
  shown_ = nullptr;
  shown_text_.clear();
  ShowWindow(SW_HIDE);
}

void ToolTipCtrl::OnTimer(UINT_PTR id) {
  switch (id) {
    case kShowTimer:
      KillTimer(kShowTimer);
      Show();
      break;
    case kPopTimer:
      suppressed_ = shown_;  // no tip again until the mouse leaves the tool
      Hide();
      break;
    case kLeaveTimer:
      if (!hover_ || !CursorOn(hover_)) Hover(nullptr);
      break;
    default: Window::OnTimer(id);
  }
}

void ToolTipCtrl::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(GetSysColor(COLOR_INFOBK)));
  dc.SelectFont(TipFont());
  dc.SetTextColor(GetSysColor(COLOR_INFOTEXT));
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(kMarginX, kMarginY, shown_text_);
}

bool ToolTipCtrl::OnEraseBkgnd(Dc&) { return true; }

}  // namespace plat
