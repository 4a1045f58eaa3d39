#include "platform/dialogs/dialog.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

#include "platform/controls/button.h"
#include "platform/controls/control.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_frame.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/window/host_widget.h"
#include "platform/window/window_state.h"

namespace plat {

namespace detail {

QWidget* WidgetOfWindow(Window& window) { return WindowState::Of(window)->host; }

}  // namespace detail

Dialog::Dialog(UINT template_id, std::string_view caption, Window* owner)
    : template_id_(template_id), caption_(caption), owner_(owner) {}

Dialog::~Dialog() {
  // The controls the dialog keeps go after the window.
  DestroyWindow();
}

const Font& Dialog::DialogFont() {
  static const Font font = [] {
    Font f;
    f.face = "ARIAL";
    f.height = -12;
    return f;
  }();
  return font;
}

Window* Dialog::Own(std::unique_ptr<Window> control) {
  owned_.push_back(std::move(control));
  return owned_.back().get();
}

bool Dialog::MakeWindow(Window* owner, bool modal) {
  if (GetSafeHwnd()) return false;
  if (!owner) owner = owner_;
  if (!owner) {
    // The window that has the focus, or its top-level window.
    Window* focus = GetFocus();
    while (focus && (focus->GetStyle() & WS_CHILD)) focus = focus->GetParent();
    owner = focus;
  }
  modal_ = modal;
  ended_ = false;
  result_ = IDCANCEL;
  owned_.clear();
  frame_ = std::make_unique<detail::DialogFrame>();
  if (!CreateEx(0, caption_, WS_CAPTION | WS_SYSMENU, Rect{0, 0, 200, 100}, owner)) return false;
  QWidget* widget = detail::WidgetOfWindow(*this);
  widget->setWindowFlag(Qt::Dialog);
  if (modal) widget->setWindowModality(Qt::ApplicationModal);
  frame_->root = new QVBoxLayout(widget);
  frame_->root->setContentsMargins(11, 11, 11, 11);
  frame_->root->setSpacing(7);
  detail::LayoutBox* root_box = frame_->NewBox();
  root_box->box = frame_->root;
  {
    DialogLayout layout(*this, root_box);
    BuildLayout(layout);
  }
  if (!GetSafeHwnd()) return false;
  frame_->root->activate();
  const QSize size = widget->sizeHint().expandedTo(QSize(120, 40));
  widget->setMinimumSize(size);
  SetWindowPos(nullptr, 0, 0, size.width(), size.height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CenterWindow();
  const HWND self = GetSafeHwnd();
  Window* first = GetNextDlgTabItem(nullptr);
  SendMessage(WM_INITDIALOG, reinterpret_cast<WPARAM>(first ? first->GetSafeHwnd() : nullptr), 0);
  return IsWindow(self);
}

bool Dialog::Create(Window* owner, bool visible) {
  if (!MakeWindow(owner, false)) return false;
  if (visible && !ended_ && !IsWindowVisible()) ShowWindow(SW_SHOW);
  return GetSafeHwnd() != nullptr;
}

void Dialog::BuildLayout(DialogLayout&) {}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::OnOK() {
  if (UpdateData(true)) EndDialog(IDOK);
}

void Dialog::OnCancel() { EndDialog(IDCANCEL); }

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::UpdateData(bool save_and_validate) {
  DataExchange dx(*this, save_and_validate);
  DoDataExchange(dx);
  return !dx.failed();
}

LRESULT Dialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const HWND self = GetSafeHwnd();
    const bool focus_first = OnInitDialog();
    if (focus_first && IsWindow(self)) {
      if (Window* first = GetNextDlgTabItem(nullptr)) GotoDlgCtrl(first);
    }
    return focus_first ? 1 : 0;
  }
  return Window::WindowProc(message, wParam, lParam);
}

LRESULT Dialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE: PressButton(IDCANCEL); return 0;
    case DM_GETDEFID: {
      const UINT id = GetDefID();
      return id ? MAKELPARAM(id, DC_HASDEFID) : 0;
    }
    case DM_SETDEFID: {
      // The old default button loses its frame, the new one gets it.
      if (Window* old = DefaultButton(); old && (old->SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON)) {
        old->SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, 1);
      }
      def_id_ = static_cast<UINT>(wParam);
      if (Window* now = GetDlgItem(def_id_); now && (now->SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON)) {
        now->SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, 1);
      }
      return 1;
    }
    case WM_NEXTDLGCTL: {
      Window* focus = GetFocus();
      Window* target = lParam ? FromHandle(ParamHandle(wParam))
                              : GetNextDlgTabItem(focus && IsChild(focus) ? focus : nullptr, wParam != 0);
      if (target) GotoDlgCtrl(target);
      return 0;
    }
    case WM_SETFOCUS:
      // The dialog passes the focus on to its first control.
      if (Window* first = GetNextDlgTabItem(nullptr)) GotoDlgCtrl(first);
      return 0;
    default: return Window::DefWindowProc(message, wParam, lParam);
  }
}

bool Dialog::OnCommand(WPARAM wParam, LPARAM) {
  // Buttons (code 0) and accelerators (code 1) are commands.
  if (HIWORD(wParam) > 1) return false;
  switch (LOWORD(wParam)) {
    case IDOK: OnOK(); return true;
    case IDCANCEL: OnCancel(); return true;
    default: return false;
  }
}

bool Dialog::OnEraseBkgnd(Dc& dc) {
  dc.FillRect(dc.GetClipBox(), Brush::Solid(DialogFaceColor()));
  return true;
}

void Dialog::OnPaint(Dc&) {}

void Dialog::EndDialog(int result) {
  result_ = result;
  ended_ = true;
  if (modal_) {
    detail::ExitModalLoop(loop_);
  } else if (GetSafeHwnd()) {
    ShowWindow(SW_HIDE);
  }
}

// ---- Controls by id ----

LRESULT Dialog::SendDlgItemMessage(UINT id, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* control = GetDlgItem(id);
  return control ? control->SendMessage(message, wParam, lParam) : 0;
}

void Dialog::SetDlgItemText(UINT id, std::string_view text) {
  if (Window* control = GetDlgItem(id)) control->SetWindowText(text);
}

std::string Dialog::GetDlgItemText(UINT id) const {
  Window* control = GetDlgItem(id);
  return control ? control->GetWindowText() : std::string();
}

void Dialog::SetDlgItemInt(UINT id, int value, bool is_signed) {
  char text[24];
  if (is_signed) {
    std::snprintf(text, sizeof text, "%d", value);
  } else {
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
  }
  SetDlgItemText(id, text);
}

int Dialog::GetDlgItemInt(UINT id, bool* translated, bool is_signed) const {
  int value = 0;
  bool ok = ParseDialogInt(GetDlgItemText(id), &value);
  if (ok && !is_signed && value < 0) ok = false;
  if (translated) *translated = ok;
  return ok ? value : 0;
}

void Dialog::CheckDlgButton(UINT id, int check) { SendDlgItemMessage(id, BM_SETCHECK, static_cast<WPARAM>(check)); }

int Dialog::IsDlgButtonChecked(UINT id) const {
  return static_cast<int>(const_cast<Dialog*>(this)->SendDlgItemMessage(id, BM_GETCHECK));
}

void Dialog::CheckRadioButton(UINT first, UINT last, UINT check) {
  for (UINT id = first; id <= last; ++id) CheckDlgButton(id, id == check ? BST_CHECKED : BST_UNCHECKED);
}

UINT Dialog::GetCheckedRadioButton(UINT first, UINT last) const {
  for (UINT id = first; id <= last; ++id) {
    if (IsDlgButtonChecked(id) == BST_CHECKED) return id;
  }
  return 0;
}

void Dialog::SetDefID(UINT id) { SendMessage(DM_SETDEFID, id); }

UINT Dialog::GetDefID() const {
  if (def_id_) return def_id_;
  for (Window* w = GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT)) {
    if (w->SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON) return w->GetDlgCtrlID();
  }
  return 0;
}

Window* Dialog::DefaultButton() const {
  const UINT id = GetDefID();
  return id ? GetDlgItem(id) : nullptr;
}

void Dialog::CenterWindow() {
  Rect mine;
  GetWindowRect(&mine);
  Rect around;
  Window* owner = GetWindow(GW_OWNER);
  if (owner && owner->IsWindowVisible()) {
    owner->GetWindowRect(&around);
  } else if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect r = screen->availableGeometry();
    around = Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  } else {
    return;
  }
  const int x = around.left + (around.Width() - mine.Width()) / 2;
  const int y = around.top + (around.Height() - mine.Height()) / 2;
  SetWindowPos(nullptr, std::max(x, 0), std::max(y, 0), 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Dialog::AttachToPlaceholder(UINT id, Window& window, DWORD style) {
  Window* placeholder = GetDlgItem(id);
  if (!placeholder || !frame_) return false;
  QWidget* old_widget = detail::WidgetOfWindow(*placeholder);
  const QSize minimum = old_widget ? old_widget->minimumSize() : QSize();
  Rect place;
  placeholder->GetWindowRect(&place);
  ScreenToClient(&place);
  if (!window.Create("", style | WS_CHILD | WS_VISIBLE, place, this, id)) return false;
  QWidget* new_widget = detail::WidgetOfWindow(window);
  new_widget->setMinimumSize(minimum);
  new_widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  // The new window takes the placeholder's place in the tab order as well.
  auto& siblings = detail::WindowState::Of(*this)->children;
  siblings.pop_back();
  siblings.insert(std::find(siblings.begin(), siblings.end(), placeholder), &window);
  if (old_widget) delete frame_->root->replaceWidget(old_widget, new_widget);
  placeholder->DestroyWindow();
  frame_->root->activate();
  return true;
}

}  // namespace plat
