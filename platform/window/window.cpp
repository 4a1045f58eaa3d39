#include "platform/window/window.h"

#include <QCoreApplication>

#include <algorithm>
#include <atomic>
#include <mutex>

#include "platform/clock.h"
#include "platform/hooks.h"
#include "platform/text_codec.h"
#include "platform/window/host_widget.h"
#include "platform/window/input_tracking.h"
#include "platform/window/system_changes.h"
#include "platform/window/ui_thread.h"
#include "platform/window/window_registry.h"
#include "platform/window/window_state.h"

namespace plat {

using detail::HostWidget;
using detail::LookupWindow;
using detail::WindowState;

namespace detail {

namespace {
std::atomic<std::uint64_t> dispatched{0};
}  // namespace

std::uint64_t DispatchedMessageCount() { return dispatched.load(); }

LRESULT WindowState::Dispatch(const MSG& msg) {
  ++dispatched;
  const std::shared_ptr<bool> still_alive = alive;  // this state may go with its window inside
  const MSG* previous = current;
  current = &msg;
  const LRESULT result = self->WindowProc(msg.message, msg.wParam, msg.lParam);
  if (*still_alive) current = previous;
  return result;
}

void WindowState::Teardown() {
  std::vector<HWND> child_handles;
  for (Window* c : children) child_handles.push_back(c->GetSafeHwnd());
  for (HWND h : child_handles) {
    if (Window* c = LookupWindow(h)) c->DestroyWindow();
  }
  children.clear();
  if (host) {
    for (const auto& [id, qt_timer] : timers) host->killTimer(qt_timer);
  }
  timers.clear();
  if (parent) {
    auto& siblings = WindowState::Of(*parent)->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), self), siblings.end());
    parent = nullptr;
  }
  const HWND hwnd = self->hwnd_;
  self->hwnd_ = nullptr;
  UnregisterWindow(hwnd);
  if (HostWidget* widget = host) {
    host = nullptr;
    widget->Release();
  }
}

void WindowState::HostGone() {
  host = nullptr;  // the widget is being deleted; its timers go with it
  timers.clear();
  if (self->hwnd_ && !destroying) self->DestroyWindow();
}

void WindowState::ReportSize(UINT type) {
  if (!host || !self->GetSafeHwnd()) return;  // before creation the first WM_SIZE is still to come
  const QRect client = host->ClientRect();
  const Size size{client.width(), client.height()};
  if (size == reported_size) return;
  reported_size = size;
  self->SendMessage(WM_SIZE, type, MAKELPARAM(static_cast<unsigned>(size.cx), static_cast<unsigned>(size.cy)));
}

bool DeliverQueued(MSG& msg) {
  Window* target = LookupWindow(msg.hwnd);
  if (!target) return false;
  std::vector<HWND> chain;
  for (Window* w = target; w; w = w->GetParent()) chain.push_back(w->GetSafeHwnd());
  for (HWND h : chain) {
    Window* w = LookupWindow(h);
    if (w && w->PreTranslateMessage(&msg)) return false;
  }
  Window* w = LookupWindow(msg.hwnd);
  if (!w) return false;
  WindowState::Of(*w)->Dispatch(msg);
  return true;
}

MSG MakeMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  MSG msg;
  msg.hwnd = hwnd;
  msg.message = message;
  msg.wParam = wParam;
  msg.lParam = lParam;
  msg.time = static_cast<DWORD>(ElapsedMilliseconds());
  const InputState& input = CurrentInput();
  msg.pt = input.cursor_faked ? input.cursor : input.last_mouse;
  return msg;
}

}  // namespace detail

Window::Window() : state_(std::make_unique<WindowState>(this)) {}

Window::~Window() {
  if (hwnd_) {
    if (state_->destroying) {
      state_->Teardown();  // deleted while being destroyed: finish quietly
    } else {
      DestroyWindow();
    }
  }
  *state_->alive = false;
}

bool Window::Create(std::string_view title, DWORD style, const Rect& rect, Window* parent, UINT id) {
  return CreateEx(0, title, style, rect, parent, id);
}

bool Window::CreateEx(DWORD ex_style, std::string_view title, DWORD style, const Rect& rect, Window* parent,
                      UINT id) {
  if (hwnd_ || !detail::OnUiThread()) return false;
  const bool child = (style & WS_CHILD) != 0;
  if (parent && (!parent->hwnd_ || !parent->state_->host)) return false;
  if (child && !parent) return false;
  Qt::WindowFlags flags = child ? Qt::Widget : Qt::Window;
  if (!child) {
    if (ex_style & WS_EX_TOOLWINDOW) flags = Qt::Tool;
    if (style & WS_POPUP) flags |= Qt::FramelessWindowHint;
    if (ex_style & WS_EX_TOPMOST) flags |= Qt::WindowStaysOnTopHint;
    if (ex_style & WS_EX_NOACTIVATE) flags |= Qt::WindowDoesNotAcceptFocus;
  }
  HostWidget* parent_widget = parent ? parent->state_->host : nullptr;
  auto* widget = new HostWidget(this, parent_widget, flags);
  if (ex_style & WS_EX_NOACTIVATE) widget->setAttribute(Qt::WA_ShowWithoutActivating);
  widget->SetBorder((style & WS_BORDER) != 0);
  if (style & WS_DISABLED) widget->setEnabled(false);
  const QPoint origin = child ? parent_widget->ClientOrigin() : QPoint(0, 0);
  widget->setGeometry(rect.left + origin.x(), rect.top + origin.y(), std::max(0, rect.Width()),
                      std::max(0, rect.Height()));
  widget->setWindowTitle(QString::fromStdString(Cp1252ToUtf8(title)));
  state_->host = widget;
  state_->parent = parent;
  state_->id = id;
  state_->style = style;
  state_->ex_style = ex_style;
  state_->text = std::string(title);
  // Windows made with scroll-bar styles start with the range 0..100.
  for (int bar : {SB_HORZ, SB_VERT}) {
    if (style & (bar == SB_VERT ? WS_VSCROLL : WS_HSCROLL)) {
      state_->scroll[bar].max = 100;
      widget->ShowScrollBar(bar, true);
    }
  }
  widget->LayoutFrame();  // a hidden widget hears of its size only when shown
  hwnd_ = detail::RegisterWindow(this);
  detail::WatchSystemChanges();
  if (parent) parent->state_->children.push_back(this);

  CREATESTRUCT create{parent, rect, style, id, std::string(title), ex_style};
  const std::shared_ptr<bool> alive = state_->alive;
  const LRESULT created = SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
  if (!*alive || !hwnd_) return false;
  if (created == -1) {
    DestroyWindow();
    return false;
  }
  state_->ReportSize(SIZE_RESTORED);
  if (!*alive || !hwnd_) return false;
  if ((style & WS_VISIBLE) && state_->host) ShowWindow(SW_SHOW);
  return *alive && hwnd_;
}

bool Window::DestroyWindow() {
  if (!hwnd_ || state_->destroying) return false;
  state_->destroying = true;
  const std::shared_ptr<bool> alive = state_->alive;
  // Owned top-level windows go first and whole; children after the parent's WM_DESTROY.
  std::vector<HWND> owned;
  for (Window* c : state_->children) {
    if (!c->state_->IsChild()) owned.push_back(c->hwnd_);
  }
  for (HWND h : owned) {
    if (Window* w = LookupWindow(h)) w->DestroyWindow();
    if (!*alive) return true;
  }
  detail::ForgetFocusAndCapture(hwnd_);  // may send WM_KILLFOCUS
  if (!*alive) return true;
  SendMessage(WM_DESTROY);
  if (!*alive) return true;
  state_->Teardown();
  state_->destroying = false;
  PostNcDestroy();  // WM_NCDESTROY: may delete this
  return true;
}

Window* Window::FromHandle(HWND hwnd) { return LookupWindow(hwnd); }

Window* Window::GetParent() const { return state_->parent; }

UINT Window::GetDlgCtrlID() const { return state_->id; }

Window* Window::GetDlgItem(UINT id) const {
  for (Window* c : state_->children) {
    if (c->state_->IsChild() && c->state_->id == id) return c;
  }
  return nullptr;
}

Window* Window::GetWindow(UINT command) const {
  const auto child_list = [](const Window* parent) {
    std::vector<Window*> list;
    for (Window* c : parent->state_->children) {
      if (c->state_->IsChild()) list.push_back(c);
    }
    return list;
  };
  if (command == GW_CHILD) {
    const std::vector<Window*> list = child_list(this);
    return list.empty() ? nullptr : list.front();
  }
  if (command == GW_OWNER) return state_->IsChild() ? nullptr : state_->parent;
  if (!state_->IsChild() || !state_->parent) return nullptr;
  const std::vector<Window*> siblings = child_list(state_->parent);
  const auto it = std::find(siblings.begin(), siblings.end(), this);
  if (it == siblings.end()) return nullptr;
  switch (command) {
    case GW_HWNDFIRST: return siblings.front();
    case GW_HWNDLAST: return siblings.back();
    case GW_HWNDNEXT: return it + 1 == siblings.end() ? nullptr : *(it + 1);
    case GW_HWNDPREV: return it == siblings.begin() ? nullptr : *(it - 1);
    default: return nullptr;
  }
}

bool Window::IsChild(const Window* window) const {
  for (const Window* w = window; w && w->state_->IsChild(); w = w->state_->parent) {
    if (w->state_->parent == this) return true;
  }
  return false;
}

DWORD Window::GetStyle() const {
  DWORD style = state_->style & ~WS_VISIBLE;
  if (IsWindowVisible()) style |= WS_VISIBLE;
  return style;
}

bool Window::ModifyStyle(DWORD remove, DWORD add) {
  const DWORD fixed = WS_VISIBLE | WS_DISABLED | WS_CHILD | WS_POPUP;
  const DWORD before = state_->style;
  state_->style = (before & ~(remove & ~fixed)) | (add & ~fixed);
  return state_->style != before;
}

DWORD Window::GetExStyle() const { return state_->ex_style; }

bool Window::ShowWindow(int command) {
  QWidget* widget = state_->host;
  if (!widget) return false;
  const bool was_visible = widget->isVisible();
  // Minimised and maximised are states of top-level windows; a child is just shown.
  const bool top_level = !state_->IsChild();
  switch (command) {
    case SW_HIDE: widget->hide(); break;
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE: top_level ? widget->showMinimized() : widget->show(); break;
    case SW_SHOWMAXIMIZED: top_level ? widget->showMaximized() : widget->show(); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE: top_level ? widget->showNormal() : widget->show(); break;
    case SW_SHOWNOACTIVATE: {
      const bool before = widget->testAttribute(Qt::WA_ShowWithoutActivating);
      widget->setAttribute(Qt::WA_ShowWithoutActivating);
      widget->show();
      widget->setAttribute(Qt::WA_ShowWithoutActivating, before);
      break;
    }
    default: widget->show(); break;
  }
  const bool activate = command != SW_HIDE && command != SW_SHOWNOACTIVATE && command != SW_MINIMIZE &&
                        command != SW_SHOWMINIMIZED;
  const std::shared_ptr<bool> alive = state_->alive;
  if (activate && !was_visible) state_->Activate();
  if (*alive && hwnd_ && state_->host && state_->host->isVisible() != was_visible) {
    SendMessage(WM_SHOWWINDOW, was_visible ? 0 : 1, 0);
  }
  return was_visible;
}

bool Window::IsWindowVisible() const { return state_->host && state_->host->isVisible(); }

bool Window::IsZoomed() const { return state_->host && !state_->IsChild() && state_->host->isMaximized(); }

bool Window::IsIconic() const { return state_->host && !state_->IsChild() && state_->host->isMinimized(); }

bool Window::EnableWindow(bool enable) {
  const bool was_disabled = (state_->style & WS_DISABLED) != 0;
  if (!hwnd_ || was_disabled != enable) return was_disabled;
  state_->style = enable ? (state_->style & ~WS_DISABLED) : (state_->style | WS_DISABLED);
  if (state_->host) state_->host->setEnabled(enable);
  const std::shared_ptr<bool> alive = state_->alive;
  if (!enable && GetFocus() == this) plat::SetFocus(nullptr);
  if (!*alive || !hwnd_) return was_disabled;
  SendMessage(WM_ENABLE, enable ? 1 : 0);
  if (*alive) Invalidate();
  return was_disabled;
}

bool Window::IsWindowEnabled() const { return (state_->style & WS_DISABLED) == 0; }

void Window::SetWindowText(std::string_view text) {
  const std::string zero_terminated(text);
  SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(zero_terminated.c_str()));
}

std::string Window::GetWindowText() const {
  auto* self = const_cast<Window*>(this);
  const LRESULT length = self->SendMessage(WM_GETTEXTLENGTH);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = self->SendMessage(WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return text;
}

int Window::GetWindowTextLength() const {
  return static_cast<int>(const_cast<Window*>(this)->SendMessage(WM_GETTEXTLENGTH));
}

void Window::SetFont(const Font* font, bool redraw) {
  SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw ? 1 : 0, 0));
}

const Font* Window::GetFont() const {
  return reinterpret_cast<const Font*>(const_cast<Window*>(this)->SendMessage(WM_GETFONT));
}

void Window::GetClientRect(Rect* rect) const {
  if (!rect) return;
  if (!state_->host) {
    *rect = Rect{};
    return;
  }
  const QRect client = state_->host->ClientRect();
  *rect = Rect{0, 0, client.width(), client.height()};
}

void Window::ClientToScreen(Point* point) const {
  if (!point || !state_->host) return;
  const QPoint p = state_->host->mapToGlobal(state_->host->ToWidget(QPoint(point->x, point->y)));
  *point = Point{p.x(), p.y()};
}

void Window::ScreenToClient(Point* point) const {
  if (!point || !state_->host) return;
  const QPoint p = state_->host->ToClient(state_->host->mapFromGlobal(QPoint(point->x, point->y)));
  *point = Point{p.x(), p.y()};
}

void Window::DragAcceptFiles(bool accept) {
  if (state_->host) state_->host->setAcceptDrops(accept || state_->drop_target);
  state_->accept_files = accept;
}

LRESULT Window::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hwnd_) return 0;
  if (!detail::OnUiThread()) return plat::SendMessage(hwnd_, message, wParam, lParam);
  return state_->Dispatch(detail::MakeMessage(hwnd_, message, wParam, lParam));
}

bool Window::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return plat::PostMessage(hwnd_, message, wParam, lParam);
}

UINT_PTR Window::SetTimer(UINT_PTR id, UINT elapse_ms) {
  if (!hwnd_ || !state_->host) return 0;
  KillTimer(id);
  // Win32 raises shorter intervals to its minimum of 10 ms.
  const int qt_timer = state_->host->startTimer(static_cast<int>(std::max<UINT>(elapse_ms, 10)));
  if (qt_timer == 0) return 0;
  state_->timers[id] = qt_timer;
  return id;
}

bool Window::KillTimer(UINT_PTR id) {
  auto it = state_->timers.find(id);
  if (it == state_->timers.end()) return false;
  if (state_->host) state_->host->killTimer(it->second);
  state_->timers.erase(it);
  return true;
}

const MSG* Window::GetCurrentMessage() const { return state_->current; }

// ---- Messages on handles ----

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!LookupWindow(hwnd)) return false;
  return detail::PostToUiThread([hwnd, message, wParam, lParam] {
    MSG msg = detail::MakeMessage(hwnd, message, wParam, lParam);
    detail::DeliverQueued(msg);
  });
}

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (detail::OnUiThread()) {
    Window* w = LookupWindow(hwnd);
    return w ? w->SendMessage(message, wParam, lParam) : 0;
  }
  auto completion = std::make_shared<detail::Completion>();
  if (!detail::AddWaitingSend(hwnd, completion)) return 0;
  const auto result = detail::CallOnUiThread(
      [hwnd, message, wParam, lParam]() -> std::int64_t {
        Window* w = LookupWindow(hwnd);
        return w ? w->SendMessage(message, wParam, lParam) : 0;
      },
      completion);
  return result.value_or(0);
}

bool IsWindow(HWND hwnd) { return LookupWindow(hwnd) != nullptr; }

bool TranslateMessage(const MSG* msg) { return msg && detail::TranslateKeyMessage(*msg); }

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  Window* w = LookupWindow(msg->hwnd);
  return w ? WindowState::Of(*w)->Dispatch(*msg) : 0;
}

namespace {

std::mutex quit_mutex;
bool quit_queued = false;
int quit_code = 0;

// WM_QUIT comes when nothing else is queued.
void DeliverQuit() {
  if (detail::PendingUiCalls() > 1) {  // more than this call
    detail::PostToUiThread(DeliverQuit);
    return;
  }
  int code = 0;
  {
    std::lock_guard<std::mutex> lock(quit_mutex);
    quit_queued = false;
    code = quit_code;
  }
  if (auto* hook = hooks::quit_hook) {
    (*hook)(code);
    return;
  }
  QCoreApplication::exit(code);
}

}  // namespace

void PostQuitMessage(int exit_code) {
  std::lock_guard<std::mutex> lock(quit_mutex);
  quit_code = exit_code;
  if (quit_queued) return;
  quit_queued = detail::PostToUiThread(DeliverQuit);
}

}  // namespace plat
