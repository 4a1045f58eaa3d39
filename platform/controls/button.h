#pragma once
// The button control (Win32's BUTTON class, MFC's CButton): push buttons,
// check boxes, radio buttons and group boxes.
//
// - A push button sends BN_CLICKED to its parent when it is clicked (pressed
//   and released over it), when Space is pressed and released while it has the
//   focus, and on BM_CLICK. BS_DEFPUSHBUTTON draws it as the default button
//   (Enter in a dialog presses it). BS_ICON / BS_BITMAP show the picture of
//   BM_SETIMAGE instead of the text.
// - A check box or radio button keeps a check state (BM_SETCHECK,
//   BM_GETCHECK). The automatic kinds change it themselves when clicked:
//   BS_AUTOCHECKBOX toggles, BS_AUTORADIOBUTTON checks itself and unchecks the
//   other radio buttons of its group (the siblings from the control with
//   WS_GROUP up to the next one). Then BN_CLICKED follows.
// - A group box draws a frame with its text; it takes neither focus nor clicks.
// WM_GETDLGCODE tells a dialog which kind it is (DLGC_DEFPUSHBUTTON,
// DLGC_UNDEFPUSHBUTTON, DLGC_RADIOBUTTON, DLGC_BUTTON, DLGC_STATIC).
#include <optional>

#include "platform/controls/control.h"

namespace plat {

// Button styles (the low bits of the window style).
inline constexpr DWORD BS_PUSHBUTTON = 0x0000;
inline constexpr DWORD BS_DEFPUSHBUTTON = 0x0001;
inline constexpr DWORD BS_CHECKBOX = 0x0002;
inline constexpr DWORD BS_AUTOCHECKBOX = 0x0003;
inline constexpr DWORD BS_RADIOBUTTON = 0x0004;
inline constexpr DWORD BS_3STATE = 0x0005;
inline constexpr DWORD BS_AUTO3STATE = 0x0006;
inline constexpr DWORD BS_GROUPBOX = 0x0007;
inline constexpr DWORD BS_AUTORADIOBUTTON = 0x0009;
inline constexpr DWORD BS_TYPEMASK = 0x000F;
inline constexpr DWORD BS_ICON = 0x0040;
inline constexpr DWORD BS_BITMAP = 0x0080;

// Button messages.
inline constexpr UINT BM_GETCHECK = 0x00F0;
inline constexpr UINT BM_SETCHECK = 0x00F1;  // wParam: BST_
inline constexpr UINT BM_GETSTATE = 0x00F2;  // BST_ check state | BST_PUSHED | BST_FOCUS
inline constexpr UINT BM_SETSTATE = 0x00F3;  // wParam: pushed or not
inline constexpr UINT BM_SETSTYLE = 0x00F4;  // wParam: the BS_ style, lParam: redraw
inline constexpr UINT BM_CLICK = 0x00F5;
inline constexpr UINT BM_GETIMAGE = 0x00F6;
inline constexpr UINT BM_SETIMAGE = 0x00F7;  // lParam: a plat::Bitmap* (copied; nullptr: none)

inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
inline constexpr int BST_INDETERMINATE = 2;
inline constexpr int BST_PUSHED = 0x0004;
inline constexpr int BST_FOCUS = 0x0008;

// Button notifications (the high word of WM_COMMAND's wParam; BN_CLICKED is 0).
inline constexpr UINT BN_DOUBLECLICKED = 5;

class Button : public Control {
 public:
  bool Create(std::string_view text, DWORD style, const Rect& rect, Window* parent, UINT id);

  // CButton's members; each sends its message.
  int GetCheck() const;
  void SetCheck(int check);
  UINT GetState() const;
  void SetState(bool pushed);
  void SetButtonStyle(UINT style, bool redraw = true);
  UINT GetButtonStyle() const;
  void SetBitmap(const Bitmap* picture);
  void Click();

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  DWORD Kind() const { return GetStyle() & BS_TYPEMASK; }
  bool IsPushButton() const { return Kind() == BS_PUSHBUTTON || Kind() == BS_DEFPUSHBUTTON; }
  bool IsRadio() const { return Kind() == BS_RADIOBUTTON || Kind() == BS_AUTORADIOBUTTON; }
  // What a click does: the automatic kinds change their check, then BN_CLICKED.
  void Clicked();
  void SetPushed(bool pushed);
  void PaintPushButton(Dc& dc, const Rect& client);
  void PaintCheck(Dc& dc, const Rect& client);
  void PaintGroupBox(Dc& dc, const Rect& client);

  int check_ = BST_UNCHECKED;
  bool pushed_ = false;
  bool focused_ = false;
  bool tracking_ = false;  // the left button went down on the button
  bool space_down_ = false;
  std::optional<Bitmap> picture_;
};

// The radio buttons of the group that `button` belongs to, in sibling order:
// from the control with WS_GROUP at or before it up to the next one.
std::vector<Window*> RadioGroupOf(Window* button);

}  // namespace plat
