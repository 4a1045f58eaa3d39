// The grid window: construction, its messages, host and owner, colours,
// notifications and the focus cell.
#include "grid/grid_ctrl.h"

#include "platform/dialogs/dialog.h"
#include "platform/settings_store/settings_store.h"

namespace grid {

CGridCtrl::CGridCtrl()
    : colours_(GridColours::From(SystemColours::Current())),
      system_colours_(SystemColours::Current()),
      font_(plat::Dialog::DialogFont()),
      wheel_lines_(WheelScrollLineCount()) {}

CGridCtrl::~CGridCtrl() {
  DestroyWindow();
  DeleteAllItems();
}

int CGridCtrl::WheelScrollLineCount() { return plat::WheelScrollLines(plat::SettingsStore()); }

void CGridCtrl::SetHost(GridHost* host) { host_ = host ? host : &default_host_; }

void CGridCtrl::SetOwner(plat::Window* owner) { owner_ = owner ? owner->GetSafeHwnd() : nullptr; }

plat::Window* CGridCtrl::GetOwner() const { return owner_ ? plat::Window::FromHandle(owner_) : nullptr; }

// ---- Messages ----

plat::LRESULT CGridCtrl::WindowProc(UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case plat::WM_SETFONT:
      OnSetFont(reinterpret_cast<const plat::Font*>(wParam), plat::LOWORD(static_cast<std::uint64_t>(lParam)) != 0);
      return 0;
    case plat::WM_GETFONT: return reinterpret_cast<plat::LRESULT>(OnGetFont());
    case plat::WM_SYSCOLORCHANGE: OnSysColorChange(); return 0;
    case plat::WM_SETTINGCHANGE: OnSettingChange(); return 0;
    default: return Window::WindowProc(message, wParam, lParam);
  }
}

bool CGridCtrl::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_CHAR) msg->wParam = host_->TranslateChar(*this, static_cast<UINT>(msg->wParam));
  // A key hides a shown title tip and goes on to the grid.
  if ((msg->message == plat::WM_KEYDOWN || msg->message == plat::WM_SYSKEYDOWN) && title_tip_.IsWindowVisible()) {
    title_tip_.Hide();
  }
  return Window::PreTranslateMessage(msg);
}

int CGridCtrl::OnCreate(const plat::CREATESTRUCT& create) {
  if (Window::OnCreate(create) == -1) return -1;
  const plat::Font font = font_;
  OnSetFont(&font, false);
  UpdateScrollRanges();
  return 0;
}

void CGridCtrl::OnSize(UINT type, int cx, int cy) {
  // An open in-place editor ends when the grid changes size.
  if (plat::Window* focus = plat::Window::GetFocus(); focus && IsChild(focus)) SetFocus();
  Window::OnSize(type, cx, cy);
  UpdateScrollRanges();
}

void CGridCtrl::OnKeyDown(UINT vk, UINT repeat, UINT flags) {
  if (!host_->KeyDown(*this, vk, repeat, flags)) Window::OnKeyDown(vk, repeat, flags);
}

void CGridCtrl::OnXButtonDown(UINT flags, UINT button, plat::Point point) {
  if (!host_->SideButton(*this, flags, button, point)) Window::OnXButtonDown(flags, button, point);
}

bool CGridCtrl::OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) {
  const auto* hdr = reinterpret_cast<const plat::NMHDR*>(lParam);
  if (hdr && hdr->code == GridNotifyEndEdit && hdr->idFrom == kCellEditorId) {
    host_->EndEdit(*this, *reinterpret_cast<const GridEditInfo*>(lParam));
    *result = 0;
    return true;
  }
  return Window::OnNotify(wParam, lParam, result);
}

// ---- Fonts and colours ----

void CGridCtrl::OnSysColorChange() {
  Default();
  FollowSystemColoursNow();
}

void CGridCtrl::OnSettingChange() {
  Default();
  FollowSystemColoursNow();
  wheel_lines_ = WheelScrollLineCount();
}

void CGridCtrl::FollowSystemColoursNow() {
  const SystemColours now = SystemColours::Current();
  FollowSystemColours(colours_, system_colours_, now);
  system_colours_ = now;
}

// ---- Notifications and the focus ----

plat::LRESULT CGridCtrl::NotifyOwner(int row, int col, int code) {
  if (!GetSafeHwnd()) return 0;
  GridNotifyInfo info;
  info.hdr.hwndFrom = GetSafeHwnd();
  info.hdr.idFrom = GetDlgCtrlID();
  info.hdr.code = code;
  info.row = row;
  info.col = col;
  plat::Window* target = GetOwner();
  if (!target) target = GetParent();
  if (!target || !target->GetSafeHwnd()) return 0;
  return target->SendMessage(plat::WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<plat::LPARAM>(&info));
}

CCellID CGridCtrl::SetFocusCell(int row, int col) {
  const CCellID cell = IsValid(row, col) ? CCellID(row, col) : CCellID();
  if (cell == focus_) return focus_;
  const CCellID previous = focus_;
  focus_ = cell;
  if (IsValid(previous)) {
    NotifyOwner(previous.row, previous.col, GridNotifyCellActivated);
    if (IsValid(previous)) {  // the owner may have changed the grid
      SetItemState(previous.row, previous.col, GetItemState(previous.row, previous.col) & ~kStateFocused);
      RepaintCell(previous.row, previous.col);
      RepaintHeadings(previous.row, previous.col, previous.row != cell.row, previous.col != cell.col);
    }
  }
  if (IsValid(focus_) && focus_ == cell) {
    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kStateFocused);
    RepaintCell(cell.row, cell.col);
    RepaintHeadings(cell.row, cell.col, previous.row != cell.row, previous.col != cell.col);
    NotifyOwner(previous.row, previous.col, GridNotifyFocusChanged);
  }
  return previous;
}

// The headings of a row and a column show whether the focus is in them.
void CGridCtrl::RepaintHeadings(int row, int col, bool row_changed, bool col_changed) {
  if (col_changed) {
    for (int r = 0; r < fixed_rows_; ++r) RepaintCell(r, col);
  }
  if (row_changed) {
    for (int c = 0; c < fixed_cols_; ++c) RepaintCell(row, c);
  }
}

}  // namespace grid
