// The in-place editor of a grid cell.
#include "grid/in_place_edit.h"

#include <algorithm>

#include "platform/controls/edit_text.h"
#include "platform/dc/painter_dc.h"
#include "platform/window/virtual_keys.h"

namespace grid {

namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = plat::UpperCp1252(c);
  return upper;
}

// Keys and clicks that start an edit on the old text (it stays, all selected).
bool KeepsText(plat::UINT ch) { return ch == ' ' || ch == plat::VK_BACK || ch == plat::VK_RETURN; }

}  // namespace

CInPlaceEdit::CInPlaceEdit(CGridCtrl& grid, int row, int col, std::string_view text)
    : grid_(grid), row_(row), col_(col), initial_text_(text) {}

bool CInPlaceEdit::Open(const plat::Rect& rect, plat::DWORD style, plat::UINT id, plat::UINT ch, EditStart start) {
  if (!Create(style | plat::WS_CHILD | plat::WS_VISIBLE | plat::WS_BORDER | plat::ES_AUTOHSCROLL, rect, &grid_, id)) {
    return false;
  }
  SetFont(reinterpret_cast<const plat::Font*>(grid_.SendMessage(plat::WM_GETFONT)), true);
  SetWindowText(grid_.host().UpperCaseEditor(grid_) ? Upper(initial_text_) : initial_text_);
  SetFocus();
  SetSel(0, -1);
  SendMessage(plat::EM_SCROLLCARET);
  if (start == EditStart::kTyped && !KeepsText(ch)) {
    // The typed character replaces the text.
    SendMessage(plat::WM_CHAR, ch, 1);
  }
  return true;
}

bool CInPlaceEdit::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_KEYDOWN || msg->message == plat::WM_KEYUP) {
    // Straight to the editor, so that a dialog's keys (Enter, Escape, Tab) reach it.
    plat::TranslateMessage(msg);
    plat::DispatchMessage(msg);
    return true;
  }
  if (msg->message == plat::WM_SYSCHAR) return true;
  return Edit::PreTranslateMessage(msg);
}

void CInPlaceEdit::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  if (vk < keys_down_.size()) keys_down_.set(vk);
  switch (vk) {
    case plat::VK_PRIOR:
    case plat::VK_NEXT:
    case plat::VK_LEFT:
    case plat::VK_UP:
    case plat::VK_RIGHT:
    case plat::VK_DOWN:
    case plat::VK_F5:
      EndWith(vk);
      return;
    case plat::VK_ESCAPE:
      SetWindowText(initial_text_);
      EndWith(vk);
      return;
    default:
      grid_.host().EditorKeyTyped(grid_, vk);
      Edit::OnKeyDown(vk, repeat, flags);
  }
}

void CInPlaceEdit::OnKeyUp(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  const bool went_down_here = vk < keys_down_.size() && keys_down_.test(vk);
  if (went_down_here) keys_down_.reset(vk);
  if (vk == plat::VK_TAB || vk == plat::VK_RETURN || vk == plat::VK_ESCAPE) {
    if (went_down_here) EndWith(vk);
    return;
  }
  Edit::OnKeyUp(vk, repeat, flags);
}

void CInPlaceEdit::OnChar(plat::UINT ch, plat::UINT repeat, plat::UINT flags) {
  if (grid_.host().UpperCaseEditor(grid_)) {
    DefWindowProc(plat::WM_CHAR, static_cast<unsigned char>(plat::UpperCp1252(static_cast<char>(ch))),
                  plat::MAKELPARAM(repeat, flags));
  } else {
    Edit::OnChar(ch, repeat, flags);
  }
  FitToText();
}

void CInPlaceEdit::FitToText() {
  plat::Bitmap scratch(1, 1);
  plat::PainterDc dc(scratch);
  if (const plat::Font* font = GetFont()) dc.SelectFont(*font);
  const int width = dc.GetTextExtent(GetWindowText()).cx;
  plat::Rect rect;
  GetWindowRect(&rect);
  grid_.ScreenToClient(&rect);
  if (width + 5 <= rect.Width()) return;
  plat::Rect client;
  grid_.GetClientRect(&client);
  const int right = std::min(rect.left + width + 5, client.right);
  if (right > rect.right) MoveWindow(rect.left, rect.top, right - rect.left, rect.Height());
}

void CInPlaceEdit::EndWith(plat::UINT key) {
  ending_key_ = key;
  grid_.SetFocus();
}

void CInPlaceEdit::OnKillFocus(plat::Window* new_window) {
  Edit::OnKillFocus(new_window);
  if (ended_) return;
  ended_ = true;
  GridEditInfo info;
  info.hdr.hwndFrom = GetSafeHwnd();
  info.hdr.idFrom = GetDlgCtrlID();
  info.hdr.code = GridNotifyEndEdit;
  info.item.row = row_;
  info.item.col = col_;
  info.item.mask = kMaskText | kMaskData;
  info.item.text = GetWindowText();
  info.item.data = ending_key_;
  plat::Window* target = GetParent();
  target->SendMessage(plat::WM_NOTIFY, GetDlgCtrlID(), reinterpret_cast<plat::LPARAM>(&info));
  PostMessage(plat::WM_CLOSE);
}

void CInPlaceEdit::PostNcDestroy() { delete this; }

}  // namespace grid
