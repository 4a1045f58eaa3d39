#pragma once
// The progress bar (Win32's msctls_progress32, MFC's CProgressCtrl): a bar
// that fills from the left as its position moves through its range (0..100
// at the start). The position is kept within the range.
#include "platform/controls/control.h"

namespace plat {

inline constexpr UINT PBM_SETRANGE = WM_USER + 1;    // lParam: MAKELPARAM(low, high); returns the old range
inline constexpr UINT PBM_SETPOS = WM_USER + 2;      // wParam: the position; returns the old one
inline constexpr UINT PBM_DELTAPOS = WM_USER + 3;    // wParam: added to the position; returns the old one
inline constexpr UINT PBM_SETSTEP = WM_USER + 4;     // wParam: the step (10 at the start); returns the old one
inline constexpr UINT PBM_STEPIT = WM_USER + 5;      // advances by the step, wrapping to the low end past the high one
inline constexpr UINT PBM_SETRANGE32 = WM_USER + 6;  // wParam low, lParam high
inline constexpr UINT PBM_GETRANGE = WM_USER + 7;    // wParam: true for the low end; lParam: PBRANGE* (or 0)
inline constexpr UINT PBM_GETPOS = WM_USER + 8;
inline constexpr UINT PBM_SETBARCOLOR = WM_USER + 9; // lParam: the bar's ColorRef

struct PBRANGE {
  int iLow = 0;
  int iHigh = 0;
};

class ProgressCtrl : public Control {
 public:
  bool Create(DWORD style, const Rect& rect, Window* parent, UINT id);

  // CProgressCtrl's members; each sends its message.
  void SetRange(int low, int high);  // PBM_SETRANGE32
  void GetRange(int& low, int& high) const;
  int SetPos(int pos);
  int GetPos() const;
  int OffsetPos(int delta);
  int SetStep(int step);
  int StepIt();
  void SetBarColor(ColorRef color);

  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  void OnPaint(Dc& dc) override;
  bool OnEraseBkgnd(Dc& dc) override;

 private:
  int Clamped(long long pos) const;
  int MovePos(long long pos);

  int low_ = 0;
  int high_ = 100;
  int pos_ = 0;
  int step_ = 10;
  ColorRef bar_ = Rgb(0, 120, 215);
};

}  // namespace plat
