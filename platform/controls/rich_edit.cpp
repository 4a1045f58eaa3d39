#include "platform/controls/rich_edit.h"

#include <cmath>

namespace plat {

bool RichEdit::Create(DWORD style, const Rect& rect, Window* parent, UINT id) {
  if (!Edit::Create(style | ES_MULTILINE, rect, parent, id)) return false;
  SetLimitText(32767);
  return true;
}

Font RichEdit::FontOf(const CharFormat& format) {
  Font font;
  font.face = format.face;
  // Twips to pixels: 1440 twips are an inch of 96 pixels.
  font.height = -static_cast<int>(std::lround(format.height_twips * 96.0 / 1440.0));
  font.weight = format.bold ? FW_BOLD : FW_NORMAL;
  font.italic = format.italic;
  font.underline = format.underline;
  return font;
}

void RichEdit::SetDefaultCharFormat(const CharFormat& format) {
  format_ = format;
  const Font font = FontOf(format);
  SetFont(&font);
}

LRESULT RichEdit::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == EM_EXLIMITTEXT) return Edit::DefWindowProc(EM_SETLIMITTEXT, static_cast<WPARAM>(lParam), 0);
  return Edit::DefWindowProc(message, wParam, lParam);
}

}  // namespace plat
