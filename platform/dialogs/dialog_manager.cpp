// The dialog manager: the keys of a dialog's controls (Tab, Enter, Escape,
// arrows, mnemonics) and the moves of the focus between them.
#include "platform/controls/button.h"
#include "platform/controls/control.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace plat {
namespace {

bool Reachable(Window* w) { return w->IsWindowVisible() && w->IsWindowEnabled(); }

UINT DlgCode(Window* w, MSG* msg = nullptr) {
  return static_cast<UINT>(
      w->SendMessage(WM_GETDLGCODE, msg ? msg->wParam : 0, reinterpret_cast<LPARAM>(msg)));
}

// The children of the dialog in creation order.
std::vector<Window*> Controls(const Window& dialog) {
  std::vector<Window*> list;
  for (Window* w = dialog.GetWindow(GW_CHILD); w; w = w->GetWindow(GW_HWNDNEXT)) list.push_back(w);
  return list;
}

}  // namespace

bool Dialog::PreTranslateMessage(MSG* msg) { return IsDialogMessage(msg); }

Window* Dialog::GetNextDlgTabItem(Window* control, bool previous) const {
  const std::vector<Window*> list = Controls(*this);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  int start = previous ? n : -1;
  for (int i = 0; i < n; ++i) {
    if (list[static_cast<std::size_t>(i)] == control) start = i;
  }
  for (int step = 1; step <= n; ++step) {
    const int i = ((start + (previous ? -step : step)) % n + n) % n;
    Window* w = list[static_cast<std::size_t>(i)];
    if ((w->GetStyle() & WS_TABSTOP) && Reachable(w)) return w;
  }
  return nullptr;
}

Window* Dialog::GetNextDlgGroupItem(Window* control, bool previous) const {
  if (!control || control->GetParent() != this) return nullptr;
  // The group: from the control with WS_GROUP at or before `control` up to the next one.
  const std::vector<Window*> list = Controls(*this);
  std::size_t at = 0;
  while (at < list.size() && list[at] != control) ++at;
  std::size_t first = at;
  while (first > 0 && !(list[first]->GetStyle() & WS_GROUP)) --first;
  std::size_t end = first + 1;
  while (end < list.size() && !(list[end]->GetStyle() & WS_GROUP)) ++end;
  const std::size_t n = end - first;
  for (std::size_t step = 1; step < n; ++step) {
    const std::size_t offset = previous ? (at - first + n - step) % n : (at - first + step) % n;
    Window* w = list[first + offset];
    if (Reachable(w)) return w;
  }
  return nullptr;
}

void Dialog::GotoDlgCtrl(Window* control) {
  if (!control) return;
  const HWND target = control->GetSafeHwnd();
  control->SetFocus();
  if (IsWindow(target) && (DlgCode(control) & DLGC_HASSETSEL)) control->SendMessage(EM_SETSEL, 0, -1);
}

void Dialog::NextDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 0, 0); }
void Dialog::PrevDlgCtrl() { SendMessage(WM_NEXTDLGCTL, 1, 0); }

void Dialog::PressButton(UINT id) {
  Window* button = GetDlgItem(id);
  if (button && !button->IsWindowEnabled()) {
    Beep();
    return;
  }
  SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), HandleParam(button ? button->GetSafeHwnd() : nullptr));
}

bool Dialog::IsDialogMessage(MSG* msg) {
  Window* target = FromHandle(msg->hwnd);
  if (!target || (target != this && !IsChild(target))) return false;
  if (msg->message != WM_KEYDOWN && msg->message != WM_CHAR && msg->message != WM_SYSCHAR) return false;
  Window* focus = GetFocus();
  if (!focus || (focus != this && !IsChild(focus))) focus = target;
  return HandleDialogKey(msg, focus);
}

Window* Dialog::ControlOf(Window* window) const {
  // The dialog's own control that holds `window` (the field of a combo box is the combo's).
  while (window && window != this && window->GetParent() != this) window = window->GetParent();
  return window;
}

bool Dialog::HandleDialogKey(MSG* msg, Window* focus) {
  const UINT code = DlgCode(focus, msg);
  if (code & DLGC_WANTALLKEYS) return false;
  if (msg->message == WM_SYSCHAR) return HandleMnemonic(UpperCp1252(static_cast<char>(msg->wParam)));
  if (msg->message == WM_CHAR) {
    if (code & DLGC_WANTCHARS) return false;
    const char c = static_cast<char>(msg->wParam);
    if (static_cast<unsigned char>(c) <= ' ') return false;
    return HandleMnemonic(UpperCp1252(c));
  }
  switch (msg->wParam) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      const bool back = GetKeyState(VK_SHIFT) < 0;
      Window* next = GetNextDlgTabItem(focus == this ? nullptr : ControlOf(focus), back);
      // Into a group of radio buttons Tab goes to the checked one.
      if (next && (DlgCode(next) & DLGC_RADIOBUTTON)) {
        for (Window* r : RadioGroupOf(next)) {
          if (r->SendMessage(BM_GETCHECK) == BST_CHECKED && Reachable(r)) next = r;
        }
      }
      if (next) GotoDlgCtrl(next);
      return true;
    }
    case VK_RETURN: {
      if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) {
        if (focus->IsWindowEnabled()) focus->SendMessage(BM_CLICK);
        return true;
      }
      const UINT id = GetDefID();
      PressButton(id ? id : IDOK);
      return true;
    }
    case VK_ESCAPE: PressButton(IDCANCEL); return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
      if (code & DLGC_WANTARROWS) return false;
      const bool back = msg->wParam == VK_LEFT || msg->wParam == VK_UP;
      Window* next = GetNextDlgGroupItem(ControlOf(focus), back);
      if (!next) return true;
      next->SetFocus();
      // An automatic radio button that gets the focus from the arrows is chosen.
      if ((DlgCode(next) & DLGC_RADIOBUTTON) && (next->GetStyle() & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        next->SendMessage(BM_CLICK);
      }
      return true;
    }
    default: return false;
  }
}

bool Dialog::HandleMnemonic(char letter) {
  if (!letter) return false;
  const std::vector<Window*> list = Controls(*this);
  for (std::size_t i = 0; i < list.size(); ++i) {
    Window* w = list[i];
    if (!Reachable(w)) continue;
    const UINT code = DlgCode(w);
    if (!(code & (DLGC_BUTTON | DLGC_STATIC))) continue;
    if (MnemonicOf(w->GetWindowText()) != letter) continue;
    if (code & DLGC_STATIC) {
      // A label (or a group box) leads to the control after it.
      for (std::size_t j = i + 1; j < list.size(); ++j) {
        if ((DlgCode(list[j]) & DLGC_STATIC) || !Reachable(list[j])) continue;
        GotoDlgCtrl(list[j]);
        break;
      }
      return true;
    }
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))) w->SetFocus();
    w->SendMessage(BM_CLICK);
    return true;
  }
  return false;
}

}  // namespace plat
