#pragma once
// What the dialog controls share: a font kept through WM_SETFONT and
// WM_GETFONT (nullptr: the system font), text measured and drawn in it, and
// notifications to the parent as WM_COMMAND (the control's id in the low word
// of wParam, the code in the high word, the control's handle in lParam).
#include <optional>
#include <string_view>

#include "platform/dc/bitmap.h"
#include "platform/window/window.h"

namespace plat {

// The id of statics and group boxes that nobody addresses.
inline constexpr UINT IDC_STATIC = 0xFFFF;

class Control : public Window {
 public:
  // Creates the control as a child of `parent` (WS_CHILD is added).
  bool Create(std::string_view text, DWORD style, const Rect& rect, Window* parent, UINT id);

  // WM_SETFONT, WM_GETFONT and WM_SETTEXT (which repaints) for every control;
  // the rest goes to Window::DefWindowProc.
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Sends WM_COMMAND with `code` to the parent.
  void NotifyParent(UINT code);
  // Selects the control's font into `dc`.
  void SelectControlFont(Dc& dc) const;
  // The size of a line of text in the control's font.
  Size MeasureText(std::string_view text);
  bool Has(DWORD style_bits) const { return (GetStyle() & style_bits) == style_bits; }

 private:
  std::optional<Font> font_;
  Bitmap scratch_{1, 1};  // where text is measured outside painting
};

// The first line a control that scrolls by lines shows after WM_VSCROLL with
// `wParam`, clamped to 0..count - page; nullopt for a code that moves nothing.
std::optional<int> ScrolledTopLine(WPARAM wParam, int top, int page, int count);

// The colour of a dialog's face, on which statics, buttons and group boxes are drawn.
ColorRef DialogFaceColor();

// Draws a picture pixel by pixel with its top-left corner at (x, y) (icons are small).
void DrawPicture(Dc& dc, const Bitmap& picture, int x, int y);

// The text of a caption without its '&' marks ("&&" is a plain '&').
std::string WithoutMnemonic(std::string_view text);
// The mnemonic of a caption (the character after a single '&'), upper case; 0 if none.
char MnemonicOf(std::string_view text);

}  // namespace plat
