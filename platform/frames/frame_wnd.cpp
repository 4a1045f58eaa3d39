#include "platform/frames/frame_wnd.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QWidget>

#include <algorithm>

#include "platform/controls/control.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/frames/bar_layout.h"
#include "platform/frames/control_bar.h"
#include "platform/frames/doc_template.h"
#include "platform/frames/document.h"
#include "platform/frames/menu_bar.h"
#include "platform/frames/status_bar.h"
#include "platform/frames/tool_bar.h"
#include "platform/frames/tool_bar_customization.h"
#include "platform/frames/view.h"
#include "platform/frames/win_app.h"
#include "platform/settings_folder.h"
#include "platform/window/window_state.h"

namespace plat {

namespace {

// The frames that the idle update brings up to date.
std::vector<HWND>& IdleFrames() {
  static std::vector<HWND> frames;
  return frames;
}

// When the program has handled messages and is about to wait for more, each
// top-level frame updates its bars, as the framework's idle processing does.
void IdleUpdate() {
  static std::uint64_t last = ~std::uint64_t{0};
  if (QApplication::activePopupWidget()) return;  // not under an open menu
  const std::uint64_t count = detail::DispatchedMessageCount();
  if (count == last) return;
  const std::vector<HWND> frames = IdleFrames();
  for (HWND h : frames) {
    Window* w = Window::FromHandle(h);
    if (w && !(w->GetStyle() & WS_CHILD)) w->SendMessage(WM_IDLEUPDATECMDUI);
  }
  last = detail::DispatchedMessageCount();
}

void RegisterIdleFrame(HWND frame) {
  static bool hooked = false;
  if (!hooked) {
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
      QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &IdleUpdate);
      hooked = true;
    }
  }
  IdleFrames().push_back(frame);
}

void UnregisterIdleFrame(HWND frame) { std::erase(IdleFrames(), frame); }

bool ExplicitlyHidden(Window& window) {
  QWidget* widget = detail::WidgetOfWindow(window);
  return !widget || widget->isHidden();
}

// Applies what an update handler asked to a menu item at a position.
void ApplyToMenuItem(Menu& menu, int position, const CmdUI& ui) {
  const UINT at = static_cast<UINT>(position);
  if (ui.enabled()) menu.EnableMenuItem(at, MF_BYPOSITION | (*ui.enabled() ? MF_ENABLED : MF_GRAYED));
  if (ui.check()) {
    if (ui.radio() && *ui.check()) {
      menu.CheckMenuRadioItem(at, at, at, MF_BYPOSITION);
    } else {
      menu.CheckMenuItem(at, MF_BYPOSITION | (*ui.check() ? MF_CHECKED : MF_UNCHECKED));
    }
  }
  if (ui.text()) {
    const UINT state = menu.GetMenuState(at, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_RADIOCHECK);
    menu.ModifyMenu(at, MF_BYPOSITION | state, menu.GetMenuItemID(position), *ui.text());
  }
}

}  // namespace

FrameWnd::FrameWnd() {
  // Showing and hiding the tool bar and the status bar.
  MapCommandRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, [this](UINT id) {
    if (ControlBar* bar = GetControlBar(id)) ShowControlBar(bar, !bar->IsBarVisible());
  });
  MapUpdateRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, [this](CmdUI& ui) {
    ControlBar* bar = GetControlBar(ui.id());
    ui.Enable(bar != nullptr);
    ui.SetCheck(bar && bar->IsBarVisible() ? 1 : 0);
  });
}

FrameWnd::~FrameWnd() {
  // The bars and the view go while the frame is still whole.
  DestroyWindow();
}

bool FrameWnd::Create(std::string_view title, DWORD style, const Rect& rect, Window* parent, const Menu& menu,
                      CreateContext* context) {
  if (GetSafeHwnd()) return false;
  title_ = std::string(title);
  menu_ = menu;
  CREATESTRUCT cs{parent, rect, style, 0, std::string(title), 0};
  if (!PreCreateWindow(cs)) return false;
  style = cs.style;
  creating_ = context;
  if (context) doc_template_ = context->doc_template;
  const bool made = CreateEx(cs.ex_style, cs.name, style & ~WS_VISIBLE, cs.rect, cs.parent, cs.id);
  creating_ = nullptr;
  if (!made) return false;
  if (style & WS_VISIBLE) ShowWindow(SW_SHOW);
  return GetSafeHwnd() != nullptr;
}

bool FrameWnd::PreCreateWindow(CREATESTRUCT&) { return true; }

bool FrameWnd::LoadFrame(const FrameResources& resources, DWORD style, Window* parent, CreateContext* context) {
  accelerators_ = resources.accelerators;
  return Create(resources.title, style, kDefaultRect, parent, resources.menu, context);
}

int FrameWnd::OnCreate(const CREATESTRUCT& create) {
  if (Window::OnCreate(create) == -1) return -1;
  RegisterIdleFrame(GetSafeHwnd());
  if (GetDisplayedMenu() && GetDisplayedMenu()->GetMenuItemCount() > 0) EnsureMenuBar();
  if (!OnCreateClient(create, creating_)) return -1;
  return 0;
}

bool FrameWnd::OnCreateClient(const CREATESTRUCT&, CreateContext* context) {
  if (!context || !context->new_view) return true;
  return CreateView(context) != nullptr;
}

View* FrameWnd::CreateView(CreateContext* context, UINT id) {
  if (!context || !context->new_view) return nullptr;
  View* view = context->new_view();
  if (!view) return nullptr;
  view->auto_delete = true;
  Rect rect = GetViewRect();
  if (!view->CreateView(this, id, context->document)) {
    delete view;
    return nullptr;
  }
  view->MoveWindow(rect);
  if (!GetActiveView()) SetActiveView(view, false);
  return view;
}

void FrameWnd::ActivateFrame(int cmd_show) {
  if (cmd_show == -1) {
    WinApp* app = WinApp::Get();
    cmd_show = app && app->GetMainWnd() == this ? app->ShowCmd() : SW_SHOW;
  }
  ShowWindow(cmd_show);
  if (GetSafeHwnd() && !(GetStyle() & WS_CHILD)) SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  RecalcLayout();
}

void FrameWnd::InitialUpdateFrame(Document*, bool make_visible) {
  if (!GetActiveView()) {
    if (auto* pane = dynamic_cast<View*>(GetDlgItem(AFX_IDW_PANE_FIRST))) SetActiveView(pane, false);
  }
  // Every view of the frame hears of its document.
  std::vector<HWND> views;
  std::vector<Window*> pending{this};
  while (!pending.empty()) {
    Window* w = pending.back();
    pending.pop_back();
    for (Window* c = w->GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT)) {
      if (auto* v = dynamic_cast<View*>(c); v && v->GetParentFrame() == this) views.push_back(v->GetSafeHwnd());
      pending.push_back(c);
    }
  }
  for (HWND h : views) {
    if (auto* v = dynamic_cast<View*>(Window::FromHandle(h))) v->OnInitialUpdate();
  }
  if (make_visible && GetSafeHwnd()) ActivateFrame();
  if (GetSafeHwnd()) OnUpdateFrameTitle(true);
}

View* FrameWnd::GetActiveView() const { return dynamic_cast<View*>(Window::FromHandle(active_view_)); }

void FrameWnd::SetActiveView(View* view, bool notify) {
  View* old = GetActiveView();
  if (old == view) return;
  active_view_ = view ? view->GetSafeHwnd() : nullptr;
  if (!notify) return;
  const HWND new_handle = active_view_;
  if (old) old->OnActivateView(false, view, old);
  if (View* now = dynamic_cast<View*>(Window::FromHandle(new_handle))) now->OnActivateView(true, now, old);
}

Document* FrameWnd::GetActiveDocument() {
  View* view = GetActiveView();
  return view ? view->GetDocument() : nullptr;
}

FrameWnd* FrameWnd::GetParentFrame() const {
  if (!(GetStyle() & WS_CHILD)) return nullptr;
  for (Window* w = GetParent(); w; w = (w->GetStyle() & WS_CHILD) ? w->GetParent() : nullptr) {
    if (auto* f = dynamic_cast<FrameWnd*>(w)) return f;
  }
  return nullptr;
}

void FrameWnd::SetMenu(Menu menu) {
  menu_ = std::move(menu);
  DrawMenuBar();
}

Menu* FrameWnd::GetMenu() { return &menu_; }

Menu* FrameWnd::GetDisplayedMenu() { return &menu_; }

void FrameWnd::EnsureMenuBar() {
  if (menu_bar_ || !GetSafeHwnd()) return;
  auto bar = std::make_unique<MenuBar>();
  if (bar->Create(this)) menu_bar_ = std::move(bar);
}

void FrameWnd::DrawMenuBar() {
  if (!GetSafeHwnd()) return;
  Menu* shown = GetDisplayedMenu();
  const bool wanted = shown && shown->GetMenuItemCount() > 0;
  if (wanted) EnsureMenuBar();
  if (!menu_bar_) return;
  menu_bar_->Sync(false);
  if (ExplicitlyHidden(*menu_bar_) == wanted) {
    menu_bar_->ShowWindow(wanted ? SW_SHOW : SW_HIDE);
    RecalcLayout();
  }
}

void FrameWnd::AddControlBar(ControlBar* bar) {
  bars_.push_back(bar);
  RecalcLayout();
}

void FrameWnd::RemoveControlBar(ControlBar* bar) {
  std::erase(bars_, bar);
  if (GetSafeHwnd()) RecalcLayout();
}

Rect FrameWnd::LayoutArea() const {
  Rect client;
  GetClientRect(&client);
  return client;
}

Rect FrameWnd::GetViewRect() const { return LayOutBars(LayoutArea(), bars_).pane; }

void FrameWnd::RecalcLayout() {
  if (!GetSafeHwnd()) return;
  const BarLayout layout = LayOutBars(LayoutArea(), bars_);
  for (const BarSlot& slot : layout.bars) slot.bar->MoveWindow(slot.rect);
  if (Window* pane = GetDlgItem(AFX_IDW_PANE_FIRST)) pane->MoveWindow(layout.pane);
}

void FrameWnd::ShowControlBar(ControlBar* bar, bool show) {
  if (!bar) return;
  bar->ShowBar(show);
  RecalcLayout();
}

ControlBar* FrameWnd::GetControlBar(UINT id) const {
  for (ControlBar* bar : bars_) {
    if (bar->GetDlgCtrlID() == id) return bar;
  }
  return nullptr;
}

StatusBar* FrameWnd::GetMessageBar() const { return dynamic_cast<StatusBar*>(GetControlBar(AFX_IDW_STATUS_BAR)); }

void FrameWnd::SetMessageText(std::string_view text) {
  if (StatusBar* bar = GetMessageBar()) bar->SetPaneText(0, text);
}

void FrameWnd::EnableToolBarCustomization(const std::vector<ToolBar*>& standard, UINT customize_command,
                                          std::string_view customize_text) {
  const WinApp* app = WinApp::Get();
  const std::string file = SettingsFolderPath() + "/TOOLBARS." + (app ? app->GetAppName() : std::string("FRAME"));
  customization_ = std::make_unique<ToolBarCustomization>(*this, standard, customize_command,
                                                          std::string(customize_text), file);
  MapCommand(customize_command, [this] {
    if (customization_) customization_->Customize();
  });
  customization_->Restore();
}

void FrameWnd::OnContextMenu(Window* window, Point point) {
  if (customization_) {
    for (ToolBar* bar : customization_->Bars()) {
      if (bar == window) {
        customization_->ShowContextMenu(point);
        return;
      }
    }
  }
  Window::OnContextMenu(window, point);
}

void FrameWnd::OnUpdateFrameTitle(bool add_to_title) {
  std::string caption = title_;
  Document* doc = GetActiveDocument();
  if (add_to_title && (GetStyle() & FWS_ADDTOTITLE) && doc && !doc->GetTitle().empty() &&
      doc->GetTitle() != title_) {
    caption = title_.empty() ? doc->GetTitle() : doc->GetTitle() + " - " + title_;
  }
  if (GetWindowText() != caption) SetWindowText(caption);
}

void FrameWnd::UpdateBars() {
  const std::vector<ControlBar*> bars = bars_;
  for (ControlBar* bar : bars) {
    if (std::find(bars_.begin(), bars_.end(), bar) != bars_.end()) bar->UpdateCmdUI(*this, auto_menu_enable);
  }
  if (menu_bar_) DrawMenuBar();
}

bool FrameWnd::OnCmdMsg(UINT id, int code, CmdUI* ui) {
  // The active view first (it asks its document), then the frame, then the application.
  if (View* view = GetActiveView(); view && view->OnCmdMsg(id, code, ui)) return true;
  if (DispatchOwnMap(id, code, ui)) return true;
  if (WinApp* app = WinApp::Get(); app && !(GetStyle() & WS_CHILD)) return app->OnCmdMsg(id, code, ui);
  return false;
}

bool FrameWnd::IsCommandEnabled(UINT id) {
  CmdUI ui(id);
  OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui);
  return ui.enabled().value_or(true);
}

bool FrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  const UINT id = LOWORD(wParam);
  if (lParam == 0) {
    // A command from a menu, an accelerator (code 1) or a bar is dropped when
    // its update handler disables it now.
    if (!IsCommandEnabled(id)) return true;
  } else if (HIWORD(wParam) != BN_CLICKED) {
    return false;  // other notifications of controls
  }
  return OnCmdMsg(id, CN_COMMAND, nullptr);
}

std::vector<const AcceleratorTable*> FrameWnd::ActiveAccelerators() { return {&accelerators_}; }

bool FrameWnd::PreTranslateMessage(MSG* msg) {
  Window* target = Window::FromHandle(msg->hwnd);
  const bool inside = target && (target == this || IsChild(target));
  if (!inside) return false;
  switch (msg->message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // A click in a view of this frame makes it the active view and gives it
      // the keyboard focus, unless the focus is inside it already.
      for (Window* w = target; w && w != this; w = w->GetParent()) {
        if (auto* view = dynamic_cast<View*>(w); view && view->GetParentFrame() == this) {
          if (GetActiveView() == view) {
            view->OnActivateView(true, view, view);
          } else {
            SetActiveView(view);
          }
          break;
        }
      }
      return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_SYSCHAR:
      if (GetStyle() & WS_CHILD) return false;  // the top-level frame translates
      for (const AcceleratorTable* table : ActiveAccelerators()) {
        if (!table) continue;
        if (auto cmd = table->Find(*msg)) {
          SendMessage(WM_COMMAND, MAKEWPARAM(*cmd, 1), 0);
          return true;
        }
      }
      return false;
    default: return false;
  }
}

LRESULT FrameWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<Menu*>(wParam), LOWORD(static_cast<std::uint64_t>(lParam)),
                      HIWORD(static_cast<std::uint64_t>(lParam)) != 0);
      return 0;
    case WM_IDLEUPDATECMDUI: UpdateBars(); return 0;
    default: return Window::WindowProc(message, wParam, lParam);
  }
}

void FrameWnd::OnInitMenuPopup(Menu* popup, UINT, bool system_menu) {
  if (!popup || system_menu) return;
  const int count = popup->GetMenuItemCount();
  for (int i = 0; i < count && i < popup->GetMenuItemCount(); ++i) {
    const UINT id = popup->GetMenuItemID(i);
    if (id == 0 || id == kNoMenuItem) continue;  // separators and pop-ups
    CmdUI ui(id, i, count);
    ui.set_menu(popup);
    CommandTarget::DoUpdate(*this, ui, auto_menu_enable);
    ApplyToMenuItem(*popup, i, ui);
  }
}

void FrameWnd::OnShowWindow(bool show, UINT status) {
  Window::OnShowWindow(show, status);
  const std::vector<ControlBar*> bars = bars_;
  for (ControlBar* bar : bars) bar->FrameShown(show);
  if (!show || !stay_maximised_ || maximising_ || IsZoomed()) return;
  maximising_ = true;
  ShowWindow(SW_SHOWMAXIMIZED);
  maximising_ = false;
}

void FrameWnd::OnSize(UINT type, int cx, int cy) {
  Window::OnSize(type, cx, cy);
  RecalcLayout();
}

void FrameWnd::OnClose() {
  WinApp* app = WinApp::Get();
  if (app && app->GetMainWnd() == this) app->SaveWindowPlacement(*this);
  DestroyWindow();
}

void FrameWnd::OnDestroy() {
  UnregisterIdleFrame(GetSafeHwnd());
  if (customization_) customization_->SaveIfChanged();  // a floating bar moved since
  if (WinApp* app = WinApp::Get(); app && app->GetMainWnd() == this) {
    app->SetMainWnd(nullptr);
    PostQuitMessage(0);
  }
  Window::OnDestroy();
}

void FrameWnd::PostNcDestroy() {
  menu_bar_.reset();  // its window went with the frame's
  if (auto_delete) delete this;
}

void FrameWnd::OnSetFocus(Window* old) {
  if (View* view = GetActiveView()) {
    view->SetFocus();
    return;
  }
  Window::OnSetFocus(old);
}

bool FrameWnd::OnEraseBkgnd(Dc& dc) {
  dc.FillRect(dc.GetClipBox(), Brush::Solid(DialogFaceColor()));
  return true;
}

}  // namespace plat
