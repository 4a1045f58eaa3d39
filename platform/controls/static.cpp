#include "platform/controls/static.h"

namespace plat {

bool Static::Create(std::string_view text, DWORD style, const Rect& rect, Window* parent, UINT id) {
  return Control::Create(text, style, rect, parent, id);
}

void Static::SetBitmap(const Bitmap* picture) {
  SendMessage(STM_SETIMAGE, 0, reinterpret_cast<LPARAM>(picture));
}

LRESULT Static::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case STM_SETIMAGE:
      if (const auto* picture = reinterpret_cast<const Bitmap*>(lParam)) {
        picture_ = *picture;
      } else {
        picture_.reset();
      }
      Invalidate();
      return 0;
    case STM_GETIMAGE: return picture_ ? reinterpret_cast<LRESULT>(&*picture_) : 0;
    case WM_LBUTTONDOWN:
      if (GetStyle() & SS_NOTIFY) NotifyParent(STN_CLICKED);
      return 0;
    case WM_GETDLGCODE: return DLGC_STATIC;
    default: return Control::DefWindowProc(message, wParam, lParam);
  }
}

bool Static::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void Static::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(DialogFaceColor()));
  const DWORD style = GetStyle();
  const DWORD type = style & SS_TYPEMASK;
  if (style & SS_SUNKEN) dc.DrawEdge(client, BDR_SUNKENOUTER, BF_RECT);
  if (type == SS_ICON || type == SS_BITMAP) {
    if (!picture_) return;
    const Bitmap& p = *picture_;
    int x = 0, y = 0;
    if (style & SS_CENTERIMAGE) {
      x = (client.Width() - p.width()) / 2;
      y = (client.Height() - p.height()) / 2;
    }
    DrawPicture(dc, p, x, y);
    return;
  }
  SelectControlFont(dc);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetSysColor(IsWindowEnabled() ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
  unsigned format = DT_EXPANDTABS;
  if (type == SS_CENTER) format |= DT_CENTER;
  if (type == SS_RIGHT) format |= DT_RIGHT;
  if (type != SS_LEFTNOWORDWRAP) format |= DT_WORDBREAK;
  if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
  Rect area = client;
  dc.DrawText(GetWindowText(), area, format);
}

}  // namespace plat
