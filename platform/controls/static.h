#pragma once
// The static control (Win32's STATIC class, MFC's CStatic): a text that the
// user cannot change, drawn on the dialog's face in the control's font. Line
// breaks ("\n") start new lines and long lines wrap at words unless
// SS_LEFTNOWORDWRAP; "&" underlines the next character unless SS_NOPREFIX.
// SS_ICON and SS_BITMAP show a picture (STM_SETIMAGE) instead of text.
// Statics take no focus; with SS_NOTIFY a click sends STN_CLICKED.
#include <optional>

#include "platform/controls/control.h"
#include "platform/dc/bitmap.h"

namespace plat {

inline constexpr DWORD SS_LEFT = 0x0000;
inline constexpr DWORD SS_CENTER = 0x0001;
inline constexpr DWORD SS_RIGHT = 0x0002;
inline constexpr DWORD SS_ICON = 0x0003;
inline constexpr DWORD SS_LEFTNOWORDWRAP = 0x000C;
inline constexpr DWORD SS_BITMAP = 0x000E;
inline constexpr DWORD SS_NOPREFIX = 0x0080;
inline constexpr DWORD SS_NOTIFY = 0x0100;
inline constexpr DWORD SS_CENTERIMAGE = 0x0200;
inline constexpr DWORD SS_SUNKEN = 0x1000;
inline constexpr DWORD SS_TYPEMASK = 0x001F;

inline constexpr UINT STM_SETIMAGE = 0x0172;  // lParam: a plat::Bitmap* (nullptr: none); returns the previous
inline constexpr UINT STM_GETIMAGE = 0x0173;
inline constexpr UINT STN_CLICKED = 0;

class Static : public Control {
 public:
  bool Create(std::string_view text, DWORD style, const Rect& rect, Window* parent, UINT id = IDC_STATIC);
  // The picture of SS_ICON / SS_BITMAP (copied); nullptr removes it.
  void SetBitmap(const Bitmap* picture);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  std::optional<Bitmap> picture_;
};

}  // namespace plat
