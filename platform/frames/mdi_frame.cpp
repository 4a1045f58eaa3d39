#include "platform/frames/mdi_frame.h"

#include <algorithm>
#include <cmath>

#include "platform/controls/control.h"
#include "platform/dialogs/dialog.h"
#include "platform/frames/document.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace plat {

namespace {

MDIChildWnd* ChildOf(HWND h) { return dynamic_cast<MDIChildWnd*>(Window::FromHandle(h)); }

constexpr int kCascadeStep = MDIChildWnd::kCaptionHeight + 4;

bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

// ---- MDIClient ----

void MDIClient::OnSize(UINT type, int cx, int cy) {
  Window::OnSize(type, cx, cy);
  for (Window* c = GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT)) {
    if (auto* child = dynamic_cast<MDIChildWnd*>(c); child && child->IsMaximized()) child->MoveWindow(0, 0, cx, cy);
  }
}

bool MDIClient::OnEraseBkgnd(Dc& dc) {
  dc.FillRect(dc.GetClipBox(), Brush::Solid(Rgb(171, 171, 171)));  // the application workspace
  return true;
}

// ---- MDIFrameWnd ----

MDIFrameWnd::MDIFrameWnd() {
  MapCommand(ID_WINDOW_CASCADE, [this] { MDICascade(); });
  MapCommand(ID_WINDOW_TILE_HORZ, [this] { MDITile(MDITILE_HORIZONTAL); });
  MapCommand(ID_WINDOW_TILE_VERT, [this] { MDITile(MDITILE_VERTICAL); });
  MapUpdateRange(ID_WINDOW_CASCADE, ID_WINDOW_TILE_VERT, [this](CmdUI& ui) { ui.Enable(MDIGetActive() != nullptr); });
}

MDIFrameWnd::~MDIFrameWnd() { DestroyWindow(); }

bool MDIFrameWnd::OnCreateClient(const CREATESTRUCT&, CreateContext*) {
  client_ = std::make_unique<MDIClient>();
  return client_->Create("", WS_CHILD | WS_VISIBLE, GetViewRect(), this, AFX_IDW_PANE_FIRST);
}

void MDIFrameWnd::OnDestroy() {
  closing_ = true;
  FrameWnd::OnDestroy();
}

std::vector<MDIChildWnd*> MDIFrameWnd::ZOrder() const {
  std::vector<MDIChildWnd*> out;
  for (HWND h : z_order_) {
    if (MDIChildWnd* c = ChildOf(h)) out.push_back(c);
  }
  return out;
}

std::vector<MDIChildWnd*> MDIFrameWnd::GetMDIChildren() const {
  std::vector<MDIChildWnd*> out;
  for (HWND h : created_) {
    if (MDIChildWnd* c = ChildOf(h)) out.push_back(c);
  }
  return out;
}

MDIChildWnd* MDIFrameWnd::MDIGetActive(bool* maximized) const {
  MDIChildWnd* active = z_order_.empty() ? nullptr : ChildOf(z_order_.front());
  if (maximized) *maximized = active && active->IsMaximized();
  return active;
}

void MDIFrameWnd::ChildCreated(MDIChildWnd* child) {
  created_.push_back(child->GetSafeHwnd());
  z_order_.push_back(child->GetSafeHwnd());
}

void MDIFrameWnd::ChildDestroyed(MDIChildWnd* child) {
  const HWND h = child->GetSafeHwnd();
  const bool was_active = !z_order_.empty() && z_order_.front() == h;
  std::erase(created_, h);
  std::erase(z_order_, h);
  if (activated_ == h) activated_ = nullptr;
  if (closing_ || !was_active) return;
  if (MDIChildWnd* next = MDIGetActive()) {
    Activated(nullptr, next);
  } else {
    SetActiveView(nullptr, false);
    DrawMenuBar();
  }
}

void MDIFrameWnd::MDIActivate(MDIChildWnd* child) {
  if (!child) return;
  const HWND h = child->GetSafeHwnd();
  auto it = std::find(z_order_.begin(), z_order_.end(), h);
  if (it == z_order_.end()) return;
  MDIChildWnd* old = MDIGetActive();
  if (old == child && activated_ == h) {
    Window* focus = GetFocus();
    if (focus != child && !child->IsChild(focus)) child->SetFocus();
    return;
  }
  z_order_.erase(it);
  z_order_.insert(z_order_.begin(), h);
  // The first child is in front from its making on, but not yet activated.
  Activated(old == child ? nullptr : old, child);
}

void MDIFrameWnd::MDINext() {
  if (z_order_.size() < 2) return;
  MDIChildWnd* old = MDIGetActive();
  std::rotate(z_order_.begin(), z_order_.begin() + 1, z_order_.end());
  Activated(old, MDIGetActive());
}

void MDIFrameWnd::MDIPrev() {
  if (z_order_.size() < 2) return;
  MDIChildWnd* old = MDIGetActive();
  std::rotate(z_order_.rbegin(), z_order_.rbegin() + 1, z_order_.rend());
  Activated(old, MDIGetActive());
}

void MDIFrameWnd::Activated(MDIChildWnd* old, MDIChildWnd* now) {
  const HWND now_handle = now ? now->GetSafeHwnd() : nullptr;
  activated_ = now_handle;
  if (now) {
    now->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (old && old->IsMaximized()) {
      old->MDIRestore();
      if (!IsWindow(now_handle)) return;
      now->MDIMaximize();
    }
  }
  if (old) {
    old->OnMDIActivate(false, now, old);
    old->InvalidateRect(nullptr, false);
  }
  MDIChildWnd* child = ChildOf(now_handle);
  if (!child) return;
  child->OnMDIActivate(true, child, old);
  child->InvalidateRect(nullptr, false);
  DrawMenuBar();
  if (IsWindow(now_handle)) child->SetFocus();
}

Rect MDIFrameWnd::ChildRect(MDIChildWnd* child) const {
  Rect r;
  child->GetWindowRect(&r);
  client_->ScreenToClient(&r);
  return r;
}

void MDIFrameWnd::MDIMaximize(MDIChildWnd* child) {
  if (!child || child->maximized_ || !client_) return;
  for (MDIChildWnd* other : ZOrder()) {
    if (other != child && other->maximized_) MDIRestore(other);
  }
  child->normal_rect_ = ChildRect(child);
  child->maximized_ = true;
  Rect area;
  client_->GetClientRect(&area);
  child->MoveWindow(area);
  child->InvalidateRect(nullptr, false);
}

void MDIFrameWnd::MDIRestore(MDIChildWnd* child) {
  if (!child || !child->maximized_) return;
  child->maximized_ = false;
  child->MoveWindow(child->normal_rect_);
  child->InvalidateRect(nullptr, false);
}

std::vector<MDIChildWnd*> MDIFrameWnd::ChildrenToArrange(Rect* area) {
  std::vector<MDIChildWnd*> children;
  if (!client_) return children;
  for (MDIChildWnd* c : ZOrder()) {
    if (c->IsWindowVisible()) children.push_back(c);
  }
  for (MDIChildWnd* c : children) MDIRestore(c);
  client_->GetClientRect(area);
  return children;
}

void MDIFrameWnd::MDITile(UINT how) {
  Rect area;
  const std::vector<MDIChildWnd*> children = ChildrenToArrange(&area);
  if (children.empty()) return;
  const int total = static_cast<int>(children.size());
  // As the window system tiles: about as many rows as the square root.
  int rows = static_cast<int>(std::sqrt(static_cast<double>(total)));
  int columns = total / rows;
  if (how & MDITILE_HORIZONTAL) std::swap(rows, columns);
  const int width = area.Width() / columns;
  int height = area.Height() / rows;
  int index = 0;
  int x = 0;
  for (int c = 1; c <= columns && index < total; ++c) {
    if (c == columns) {
      rows = total - index;
      height = area.Height() / rows;
    }
    int y = 0;
    for (int r = 1; r <= rows && index < total; ++r, ++index) {
      children[static_cast<std::size_t>(index)]->MoveWindow(x, y, width, height);
      y += height;
    }
    x += width;
  }
}

void MDIFrameWnd::MDICascade() {
  Rect area;
  const std::vector<MDIChildWnd*> children = ChildrenToArrange(&area);
  if (children.empty()) return;
  const int n = static_cast<int>(children.size());
  const int width = std::max(area.Width() / 2, area.Width() - kCascadeStep * (n - 1));
  const int height = std::max(area.Height() / 2, area.Height() - kCascadeStep * (n - 1));
  // The window at the back gets the first place; the active one lies on top, furthest in.
  int offset = 0;
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    if (offset + width > area.Width() || offset + height > area.Height()) offset = 0;
    (*it)->MoveWindow(offset, offset, width, height);
    (*it)->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    offset += kCascadeStep;
  }
}

FrameWnd* MDIFrameWnd::GetActiveFrame() {
  MDIChildWnd* active = MDIGetActive();
  return active ? static_cast<FrameWnd*>(active) : this;
}

Document* MDIFrameWnd::GetActiveDocument() {
  if (MDIChildWnd* active = MDIGetActive()) return active->GetActiveDocument();
  return FrameWnd::GetActiveDocument();
}

Menu* MDIFrameWnd::GetDisplayedMenu() {
  if (MDIChildWnd* active = MDIGetActive(); active && active->GetSharedMenu()->GetMenuItemCount() > 0) {
    return active->GetSharedMenu();
  }
  return GetMenu();
}

bool MDIFrameWnd::OnCmdMsg(UINT id, int code, CmdUI* ui) {
  if (MDIChildWnd* active = MDIGetActive(); active && active->OnCmdMsg(id, code, ui)) return true;
  return FrameWnd::OnCmdMsg(id, code, ui);
}

std::vector<const AcceleratorTable*> MDIFrameWnd::ActiveAccelerators() {
  std::vector<const AcceleratorTable*> tables;
  if (MDIChildWnd* active = MDIGetActive()) tables.push_back(&active->GetAccelerators());
  tables.push_back(&GetAccelerators());
  return tables;
}

bool MDIFrameWnd::PreTranslateMessage(MSG* msg) {
  Window* target = Window::FromHandle(msg->hwnd);
  const bool inside = target && (target == this || IsChild(target));
  if (inside && msg->message == WM_KEYDOWN && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    if (msg->wParam == static_cast<WPARAM>(VK_F6)) {
      shift ? MDIPrev() : MDINext();
      return true;
    }
    if (msg->wParam == static_cast<WPARAM>(VK_F4) && !shift) {
      if (MDIChildWnd* active = MDIGetActive()) active->PostMessage(WM_CLOSE);
      return true;
    }
  }
  return FrameWnd::PreTranslateMessage(msg);
}

void MDIFrameWnd::OnSetFocus(Window* old) {
  if (MDIChildWnd* active = MDIGetActive()) {
    active->SetFocus();
    return;
  }
  FrameWnd::OnSetFocus(old);
}

// ---- MDIChildWnd ----

MDIChildWnd::MDIChildWnd() = default;
MDIChildWnd::~MDIChildWnd() { DestroyWindow(); }

MDIFrameWnd* MDIChildWnd::GetMDIFrame() const { return dynamic_cast<MDIFrameWnd*>(Window::FromHandle(mdi_frame_)); }

bool MDIChildWnd::LoadFrame(const FrameResources& resources, DWORD style, Window* parent, CreateContext* context) {
  auto* frame = dynamic_cast<MDIFrameWnd*>(parent);
  if (!frame) {
    WinApp* app = WinApp::Get();
    frame = app ? dynamic_cast<MDIFrameWnd*>(app->GetMainWnd()) : nullptr;
  }
  if (!frame || !frame->GetClient() || GetSafeHwnd()) return false;
  mdi_frame_ = frame->GetSafeHwnd();
  shared_menu_ = resources.menu;
  SetAccelerators(resources.accelerators);
  Rect area;
  frame->GetClient()->GetClientRect(&area);
  const int offset = static_cast<int>(frame->created_.size() % 8) * kCascadeStep;
  const Rect rect{offset, offset, offset + std::max(200, area.Width() * 3 / 4),
                  offset + std::max(150, area.Height() * 3 / 4)};
  const DWORD child_style = WS_CHILD | WS_BORDER | (style & ~(WS_VISIBLE | WS_POPUP | WS_VSCROLL | WS_HSCROLL));
  if (!Create(resources.title, child_style, rect, frame->GetClient(), Menu(), context)) return false;
  if (style & WS_VISIBLE) ActivateFrame();
  return true;
}

void MDIChildWnd::SetSharedMenu(Menu menu) {
  shared_menu_ = std::move(menu);
  if (MDIFrameWnd* frame = GetMDIFrame(); frame && IsActive()) frame->DrawMenuBar();
}

int MDIChildWnd::OnCreate(const CREATESTRUCT& create) {
  if (FrameWnd::OnCreate(create) == -1) return -1;
  if (MDIFrameWnd* frame = GetMDIFrame()) frame->ChildCreated(this);
  return 0;
}

void MDIChildWnd::OnDestroy() {
  if (MDIFrameWnd* frame = GetMDIFrame()) frame->ChildDestroyed(this);
  FrameWnd::OnDestroy();
}

bool MDIChildWnd::IsActive() const {
  MDIFrameWnd* frame = GetMDIFrame();
  return frame && frame->MDIGetActive() == this;
}

void MDIChildWnd::MDIActivate() {
  if (MDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

void MDIChildWnd::MDIMaximize() {
  if (MDIFrameWnd* frame = GetMDIFrame()) frame->MDIMaximize(this);
}

void MDIChildWnd::MDIRestore() {
  if (MDIFrameWnd* frame = GetMDIFrame()) frame->MDIRestore(this);
}

void MDIChildWnd::OnMDIActivate(bool, MDIChildWnd*, MDIChildWnd*) {}

void MDIChildWnd::ActivateFrame(int cmd_show) {
  MDIFrameWnd* frame = GetMDIFrame();
  if (!frame) return;
  bool active_maximized = false;
  frame->MDIGetActive(&active_maximized);
  const HWND self = GetSafeHwnd();
  if (cmd_show != SW_HIDE) ShowWindow(SW_SHOW);
  if (!IsWindow(self)) return;
  frame->MDIActivate(this);
  if (!IsWindow(self)) return;
  if (cmd_show == SW_SHOWMAXIMIZED || active_maximized) MDIMaximize();
  RecalcLayout();
}

void MDIChildWnd::OnUpdateFrameTitle(bool add_to_title) {
  std::string caption = GetTitle();
  Document* doc = GetActiveDocument();
  if (add_to_title && (GetStyle() & FWS_ADDTOTITLE) && doc && !doc->GetTitle().empty()) caption = doc->GetTitle();
  if (GetWindowText() != caption) SetWindowText(caption);
}

Rect MDIChildWnd::LayoutArea() const {
  Rect client;
  GetClientRect(&client);
  client.top = std::min(client.bottom, client.top + kCaptionHeight);
  return client;
}

bool MDIChildWnd::PreTranslateMessage(MSG* msg) {
  const UINT m = msg->message;
  if (m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_LBUTTONDBLCLK) {
    Window* target = Window::FromHandle(msg->hwnd);
    if (target && (target == this || IsChild(target)) && !IsActive()) MDIActivate();
  }
  return FrameWnd::PreTranslateMessage(msg);
}

LRESULT MDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = FrameWnd::DefWindowProc(message, wParam, lParam);
  if (message == WM_SETTEXT) {
    const Rect caption{0, 0, 10000, kCaptionHeight};
    InvalidateRect(&caption, false);
  }
  return result;
}

Rect MDIChildWnd::CloseBox() const {
  Rect client;
  GetClientRect(&client);
  return Rect{client.right - 19, 3, client.right - 3, kCaptionHeight - 3};
}

Rect MDIChildWnd::MaximizeBox() const {
  const Rect close = CloseBox();
  return Rect{close.left - 18, close.top, close.left - 2, close.bottom};
}

void MDIChildWnd::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  const bool active = IsActive();
  const Rect caption{0, 0, client.right, std::min(client.bottom, kCaptionHeight)};
  dc.FillRect(caption, Brush::Solid(active ? Rgb(0, 84, 166) : Rgb(128, 128, 128)));
  Font font = Dialog::DialogFont();
  font.weight = FW_BOLD;
  dc.SelectFont(font);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(Rgb(255, 255, 255));
  Rect text{6, 0, MaximizeBox().left - 4, kCaptionHeight};
  dc.DrawText(GetWindowText(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  for (const Rect& box : {MaximizeBox(), CloseBox()}) {
    dc.FillRect(box, Brush::Solid(DialogFaceColor()));
    dc.DrawEdge(box, EDGE_RAISED, BF_RECT);
  }
  dc.SelectPen(Pen{PS_SOLID, 1, Rgb(0, 0, 0)});
  const Rect x = CloseBox();
  dc.MoveTo(x.left + 4, x.top + 3);
  dc.LineTo(x.right - 4, x.bottom - 3);
  dc.MoveTo(x.right - 5, x.top + 3);
  dc.LineTo(x.left + 3, x.bottom - 3);
  const Rect m = MaximizeBox();
  dc.SelectBrush(Brush::Null());
  if (maximized_) {
    dc.Rectangle(m.left + 5, m.top + 3, m.right - 3, m.bottom - 5);
    dc.Rectangle(m.left + 3, m.top + 5, m.right - 5, m.bottom - 3);
  } else {
    dc.Rectangle(m.left + 3, m.top + 3, m.right - 3, m.bottom - 3);
  }
}

void MDIChildWnd::OnLButtonDown(UINT flags, Point point) {
  if (point.y >= kCaptionHeight) {
    FrameWnd::OnLButtonDown(flags, point);
    return;
  }
  if (Inside(CloseBox(), point)) {
    PostMessage(WM_CLOSE);
  } else if (Inside(MaximizeBox(), point)) {
    maximized_ ? MDIRestore() : MDIMaximize();
  } else if (!maximized_) {
    dragging_ = true;
    drag_offset_ = point;
    SetCapture();
  }
}

void MDIChildWnd::OnLButtonDblClk(UINT flags, Point point) {
  if (point.y >= kCaptionHeight || Inside(CloseBox(), point) || Inside(MaximizeBox(), point)) {
    FrameWnd::OnLButtonDblClk(flags, point);
    return;
  }
  maximized_ ? MDIRestore() : MDIMaximize();
}

void MDIChildWnd::OnMouseMove(UINT flags, Point point) {
  if (!dragging_) {
    FrameWnd::OnMouseMove(flags, point);
    return;
  }
  MDIFrameWnd* frame = GetMDIFrame();
  if (!frame || !frame->GetClient()) return;
  const Rect now = frame->ChildRect(this);
  MoveWindow(now.left + point.x - drag_offset_.x, now.top + point.y - drag_offset_.y, now.Width(), now.Height());
}

void MDIChildWnd::OnLButtonUp(UINT flags, Point point) {
  if (dragging_) {
    dragging_ = false;
    ReleaseCapture();
    return;
  }
  FrameWnd::OnLButtonUp(flags, point);
}

void MDIChildWnd::OnCaptureChanged(Window* window) {
  dragging_ = false;
  FrameWnd::OnCaptureChanged(window);
}

}  // namespace plat
