#include "platform/controls/control.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/controls/edit_text.h"
#include "platform/dc/painter_dc.h"

namespace plat {

bool Control::Create(std::string_view text, DWORD style, const Rect& rect, Window* parent, UINT id) {
  return Window::Create(text, style | WS_CHILD, rect, parent, id);
}

LRESULT Control::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETFONT:
      if (wParam) {
        font_ = *reinterpret_cast<const Font*>(wParam);
      } else {
        font_.reset();
      }
      if (LOWORD(static_cast<std::uint64_t>(lParam))) Invalidate();
      return 0;
    case WM_GETFONT: return font_ ? reinterpret_cast<LRESULT>(&*font_) : 0;
    case WM_SETTEXT: {
      const LRESULT result = Window::DefWindowProc(message, wParam, lParam);
      Invalidate();
      return result;
    }
    default: return Window::DefWindowProc(message, wParam, lParam);
  }
}

void Control::NotifyParent(UINT code) {
  if (Window* parent = GetParent()) {
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), HandleParam(GetSafeHwnd()));
  }
}

void Control::SelectControlFont(Dc& dc) const {
  if (font_) dc.SelectFont(*font_);
}

Size Control::MeasureText(std::string_view text) {
  PainterDc dc(scratch_);
  SelectControlFont(dc);
  if (text.empty()) return Size{0, dc.GetTextMetrics().height};
  return dc.GetTextExtent(text);
}

ColorRef DialogFaceColor() { return GetSysColor(COLOR_BTNFACE); }

void DrawPicture(Dc& dc, const Bitmap& picture, int x, int y) {
  for (int py = 0; py < picture.height(); ++py) {
    for (int px = 0; px < picture.width(); ++px) {
      dc.FillRect(Rect{x + px, y + py, x + px + 1, y + py + 1}, Brush::Solid(picture.Pixel(px, py)));
    }
  }
}

std::string WithoutMnemonic(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

char MnemonicOf(std::string_view text) {
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return UpperCp1252(text[i + 1]);
    ++i;
  }
  return 0;
}

std::optional<int> ScrolledTopLine(WPARAM wParam, int top, int page, int count) {
  switch (LOWORD(wParam)) {
    case SB_LINEUP: --top; break;
    case SB_LINEDOWN: ++top; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: top = HIWORD(wParam); break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = count; break;
    default: return std::nullopt;
  }
  return std::clamp(top, 0, std::max(0, count - page));
}

}  // namespace plat
