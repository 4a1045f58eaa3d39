#include "platform/controls/progress.h"

#include <algorithm>

namespace plat {

bool ProgressCtrl::Create(DWORD style, const Rect& rect, Window* parent, UINT id) {
  return Control::Create("", style, rect, parent, id);
}

void ProgressCtrl::SetRange(int low, int high) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(low), high); }

void ProgressCtrl::GetRange(int& low, int& high) const {
  PBRANGE range;
  const_cast<ProgressCtrl*>(this)->SendMessage(PBM_GETRANGE, 1, reinterpret_cast<LPARAM>(&range));
  low = range.iLow;
  high = range.iHigh;
}

int ProgressCtrl::SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, static_cast<WPARAM>(pos))); }
int ProgressCtrl::GetPos() const { return static_cast<int>(const_cast<ProgressCtrl*>(this)->SendMessage(PBM_GETPOS)); }
int ProgressCtrl::OffsetPos(int delta) {
  return static_cast<int>(SendMessage(PBM_DELTAPOS, static_cast<WPARAM>(delta)));
}
int ProgressCtrl::SetStep(int step) { return static_cast<int>(SendMessage(PBM_SETSTEP, static_cast<WPARAM>(step))); }
int ProgressCtrl::StepIt() { return static_cast<int>(SendMessage(PBM_STEPIT)); }
void ProgressCtrl::SetBarColor(ColorRef color) { SendMessage(PBM_SETBARCOLOR, 0, static_cast<LPARAM>(color)); }

int ProgressCtrl::Clamped(long long pos) const {
  return static_cast<int>(std::clamp<long long>(pos, std::min(low_, high_), std::max(low_, high_)));
}

int ProgressCtrl::MovePos(long long pos) {
  const int old = pos_;
  pos_ = Clamped(pos);
  if (pos_ != old) Invalidate(false);
  return old;
}

LRESULT ProgressCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Positions and ranges travel as ints in the parameters.
  const auto as_int = [](std::uint64_t v) { return static_cast<int>(static_cast<std::int32_t>(v)); };
  switch (message) {
    case PBM_SETRANGE:
    case PBM_SETRANGE32: {
      const LRESULT old = MAKELPARAM(static_cast<unsigned>(low_), static_cast<unsigned>(high_));
      if (message == PBM_SETRANGE) {
        low_ = static_cast<std::int16_t>(LOWORD(static_cast<std::uint64_t>(lParam)));
        high_ = static_cast<std::int16_t>(HIWORD(static_cast<std::uint64_t>(lParam)));
      } else {
        low_ = as_int(wParam);
        high_ = as_int(static_cast<std::uint64_t>(lParam));
      }
      pos_ = Clamped(pos_);
      Invalidate(false);
      return old;
    }
    case PBM_GETRANGE:
      if (auto* range = reinterpret_cast<PBRANGE*>(lParam)) *range = PBRANGE{low_, high_};
      return wParam ? low_ : high_;
    case PBM_SETPOS: return MovePos(as_int(wParam));
    case PBM_GETPOS: return pos_;
    case PBM_DELTAPOS: return MovePos(static_cast<long long>(pos_) + as_int(wParam));
    case PBM_SETSTEP: {
      const int old = step_;
      step_ = as_int(wParam);
      return old;
    }
    case PBM_STEPIT: {
      long long next = static_cast<long long>(pos_) + step_;
      // Past the high end the bar starts again from the low end.
      if (next > std::max(low_, high_)) next = std::min(low_, high_) + (next - std::max(low_, high_));
      return MovePos(next);
    }
    case PBM_SETBARCOLOR: {
      const ColorRef old = bar_;
      bar_ = static_cast<ColorRef>(lParam);
      Invalidate(false);
      return old;
    }
    default: return Control::DefWindowProc(message, wParam, lParam);
  }
}

bool ProgressCtrl::OnEraseBkgnd(Dc&) { return true; }  // OnPaint fills it all

void ProgressCtrl::OnPaint(Dc& dc) {
  Rect client;
  GetClientRect(&client);
  dc.FillRect(client, Brush::Solid(DialogFaceColor()));
  dc.DrawEdge(client, BDR_SUNKENOUTER, BF_RECT);
  const Rect inside{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
  const long long span = static_cast<long long>(high_) - low_;
  if (span <= 0 || inside.IsEmpty()) return;
  const long long filled = (static_cast<long long>(pos_) - low_) * inside.Width() / span;
  if (filled > 0) {
    dc.FillRect(Rect{inside.left, inside.top, inside.left + static_cast<int>(filled), inside.bottom},
                Brush::Solid(bar_));
  }
}

}  // namespace plat
