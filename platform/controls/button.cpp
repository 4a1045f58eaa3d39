#include "platform/controls/button.h"

#include <algorithm>

#include "platform/controls/static.h"
#include "platform/window/virtual_keys.h"

namespace plat {
namespace {

constexpr int kBoxSize = 13;  // the square of a check box, the circle of a radio button

}  // namespace

std::vector<Window*> RadioGroupOf(Window* button) {
  std::vector<Window*> group;
  if (!button) return group;
  Window* first = button;
  while (!(first->GetStyle() & WS_GROUP)) {
    Window* previous = first->GetWindow(GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  for (Window* w = first; w; w = w->GetWindow(GW_HWNDNEXT)) {
    if (w != first && (w->GetStyle() & WS_GROUP)) break;
    if (w->SendMessage(WM_GETDLGCODE) & DLGC_RADIOBUTTON) group.push_back(w);
  }
  return group;
}

bool Button::Create(std::string_view text, DWORD style, const Rect& rect, Window* parent, UINT id) {
  return Control::Create(text, style, rect, parent, id);
}

int Button::GetCheck() const { return static_cast<int>(const_cast<Button*>(this)->SendMessage(BM_GETCHECK)); }
void Button::SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
UINT Button::GetState() const { return static_cast<UINT>(const_cast<Button*>(this)->SendMessage(BM_GETSTATE)); }
void Button::SetState(bool pushed) { SendMessage(BM_SETSTATE, pushed ? 1 : 0); }
void Button::SetButtonStyle(UINT style, bool redraw) { SendMessage(BM_SETSTYLE, style, redraw ? 1 : 0); }
UINT Button::GetButtonStyle() const { return GetStyle() & 0xFFFF; }
void Button::SetBitmap(const Bitmap* picture) { SendMessage(BM_SETIMAGE, 0, reinterpret_cast<LPARAM>(picture)); }
void Button::Click() { SendMessage(BM_CLICK); }

void Button::SetPushed(bool pushed) {
  if (pushed_ == pushed) return;
  pushed_ = pushed;
  Invalidate(false);
}

void Button::Clicked() {
  const HWND self = GetSafeHwnd();
  switch (Kind()) {
    case BS_AUTOCHECKBOX: SetCheck(check_ == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED); break;
    case BS_AUTO3STATE: SetCheck((check_ + 1) % 3); break;
    case BS_AUTORADIOBUTTON:
      for (Window* w : RadioGroupOf(this)) {
        if (w != this) w->SendMessage(BM_SETCHECK, BST_UNCHECKED);
      }
      SetCheck(BST_CHECKED);
      break;
    default: break;
  }
  if (IsWindow(self)) NotifyParent(BN_CLICKED);
}

LRESULT Button::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case BM_GETCHECK: return check_;
    case BM_SETCHECK:
      if (Kind() == BS_PUSHBUTTON || Kind() == BS_DEFPUSHBUTTON || Kind() == BS_GROUPBOX) return 0;
      check_ = std::clamp(static_cast<int>(wParam), 0, 2);
      if (IsRadio() && check_ == BST_INDETERMINATE) check_ = BST_CHECKED;
      Invalidate(false);
      return 0;
    case BM_GETSTATE: return check_ | (pushed_ ? BST_PUSHED : 0) | (focused_ ? BST_FOCUS : 0);
    case BM_SETSTATE: SetPushed(wParam != 0); return 0;
    case BM_SETSTYLE: {
      // Only the button's kind changes; the window keeps its other styles.
      ModifyStyle(BS_TYPEMASK | BS_ICON | BS_BITMAP, static_cast<DWORD>(wParam) & (BS_TYPEMASK | BS_ICON | BS_BITMAP));
      if (lParam) Invalidate(false);
      return 0;
    }
    case BM_CLICK:
      if (!IsWindowEnabled() || Kind() == BS_GROUPBOX) return 0;
      Clicked();
      return 0;
    case BM_SETIMAGE: {
      if (const auto* picture = reinterpret_cast<const Bitmap*>(lParam)) {
        picture_ = *picture;
      } else {
        picture_.reset();
      }
      Invalidate(false);
      return 0;
    }
    case BM_GETIMAGE: return picture_ ? reinterpret_cast<LRESULT>(&*picture_) : 0;
    case WM_GETDLGCODE:
      switch (Kind()) {
        case BS_PUSHBUTTON: return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        case BS_DEFPUSHBUTTON: return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: return DLGC_BUTTON | DLGC_RADIOBUTTON;
        case BS_GROUPBOX: return DLGC_STATIC;
        default: return DLGC_BUTTON;
      }
    case WM_NCHITTEST:
      // A group box lets the clicks through to what lies under it.
      if (Kind() == BS_GROUPBOX) return HTTRANSPARENT;
      return Control::DefWindowProc(message, wParam, lParam);
    case WM_SETFOCUS: focused_ = true; Invalidate(false); return 0;
    case WM_KILLFOCUS:
      focused_ = false;
      space_down_ = false;
      SetPushed(false);
      Invalidate(false);
      return 0;
    case WM_ENABLE: Invalidate(false); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      if (Kind() == BS_GROUPBOX) return 0;
      if (message == WM_LBUTTONDBLCLK && (Kind() == BS_RADIOBUTTON || Kind() == BS_AUTORADIOBUTTON)) {
        NotifyParent(BN_DOUBLECLICKED);
        return 0;
      }
      const HWND self = GetSafeHwnd();
      SetFocus();
      if (!IsWindow(self)) return 0;
      tracking_ = true;
      SetCapture();
      SetPushed(true);
      return 0;
    }
    case WM_MOUSEMOVE:
      if (tracking_) {
        Rect client;
        GetClientRect(&client);
        const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
        SetPushed(x >= 0 && y >= 0 && x < client.right && y < client.bottom);
      }
      return 0;
    case WM_LBUTTONUP: {
      if (!tracking_) return 0;
      tracking_ = false;
      const bool inside = pushed_;
      SetPushed(false);
      if (GetCapture() == this) ReleaseCapture();
      if (inside) Clicked();
      return 0;
    }
    case WM_CAPTURECHANGED:
      tracking_ = false;
      SetPushed(false);
      return 0;
    case WM_KEYDOWN:
      if (wParam == VK_SPACE && Kind() != BS_GROUPBOX) {
        space_down_ = true;
        SetPushed(true);
      }
      return 0;
    case WM_KEYUP:
      if (wParam == VK_SPACE && space_down_) {
        space_down_ = false;
        SetPushed(false);
        Clicked();
      }
      return 0;
    default: return Control::DefWindowProc(message, wParam, lParam);
  }
}

bool Button::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void Button::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(DialogFaceColor()));
  SelectControlFont(dc);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  if (IsPushButton()) {
    PaintPushButton(dc, client);
  } else if (Kind() == BS_GROUPBOX) {
    PaintGroupBox(dc, client);
  } else {
    PaintCheck(dc, client);
  }
}

void Button::PaintPushButton(Dc& dc, const Rect& client) {
  Rect face = client;
  // The default button (or a focused push button) carries a black frame.
  if (Kind() == BS_DEFPUSHBUTTON || focused_) {
    dc.SelectPen(Pen{PS_SOLID, 0, Rgb(0, 0, 0)});
    dc.SelectBrush(Brush::Null());
    dc.Rectangle(face);
    face = Rect{face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
  }
  dc.DrawEdge(face, pushed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  const int shift = pushed_ ? 1 : 0;
  if (picture_ && (GetStyle() & (BS_ICON | BS_BITMAP))) {
    DrawPicture(dc, *picture_, (client.Width() - picture_->width()) / 2 + shift,
                (client.Height() - picture_->height()) / 2 + shift);
  } else {
    Rect text = Rect{face.left + 2 + shift, face.top + 2 + shift, face.right - 2 + shift, face.bottom - 2 + shift};
    dc.DrawText(GetWindowText(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  if (focused_) dc.DrawFocusRect(Rect{face.left + 3, face.top + 3, face.right - 3, face.bottom - 3});
}

void Button::PaintCheck(Dc& dc, const Rect& client) {
  const int top = (client.Height() - kBoxSize) / 2;
  const Rect box{0, top, kBoxSize, top + kBoxSize};
  const ColorRef ink = GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
  const Brush field = Brush::Solid(pushed_ ? DialogFaceColor() : GetSysColor(COLOR_WINDOW));
  if (IsRadio()) {
    dc.SelectPen(Pen{PS_SOLID, 0, GetSysColor(COLOR_BTNSHADOW)});
    dc.SelectBrush(field);
    dc.Ellipse(box);
    if (check_) {
      dc.SelectPen(Pen{PS_SOLID, 0, ink});
      dc.SelectBrush(Brush::Solid(ink));
      dc.Ellipse(Rect{box.left + 4, box.top + 4, box.right - 4, box.bottom - 4});
    }
  } else {
    dc.FillRect(box, field);
    dc.DrawEdge(box, EDGE_SUNKEN, BF_RECT);
    if (check_ == BST_CHECKED) {
      dc.SelectPen(Pen{PS_SOLID, 2, ink});
      dc.MoveTo(box.left + 3, box.top + 6);
      dc.LineTo(box.left + 5, box.top + 9);
      dc.LineTo(box.left + 10, box.top + 3);
    } else if (check_ == BST_INDETERMINATE) {
      dc.FillRect(Rect{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3},
                  Brush::Solid(GetSysColor(COLOR_GRAYTEXT)));
    }
  }
  Rect text{kBoxSize + 4, 0, client.right, client.bottom};
  Rect measured = text;
  dc.DrawText(GetWindowText(), measured, DT_SINGLELINE | DT_VCENTER | DT_CALCRECT);
  dc.DrawText(GetWindowText(), text, DT_SINGLELINE | DT_VCENTER);
  if (focused_) {
    const int height = measured.Height();
    const int y = (client.Height() - height) / 2;
    dc.DrawFocusRect(Rect{text.left - 1, y - 1, std::min(measured.right + 1, client.right), y + height + 1});
  }
}

void Button::PaintGroupBox(Dc& dc, const Rect& client) {
  const std::string caption = GetWindowText();
  const int half = MeasureText("X").cy / 2;
  const Rect frame{client.left, client.top + half, client.right, client.bottom};
  dc.DrawEdge(frame, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);  // etched
  if (caption.empty()) return;
  Rect text{8, 0, client.right - 8, half * 2 + 2};
  Rect measured = text;
  dc.DrawText(caption, measured, DT_SINGLELINE | DT_CALCRECT);
  dc.FillRect(Rect{6, 0, std::min(measured.right + 2, client.right), measured.bottom},
              Brush::Solid(DialogFaceColor()));
  dc.DrawText(caption, text, DT_SINGLELINE);
}

}  // namespace plat
