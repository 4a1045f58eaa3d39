#pragma once
// Fine-grained wheels report fractions of a notch; the programs act per notch.
// The accumulator keeps the remainder until whole notches of WHEEL_DELTA (120)
// are reached; turning the other way drops a remainder of the old direction.
#include "platform/window/messages.h"

namespace plat::detail {

class WheelAccumulator {
 public:
  // Adds a raw delta; returns the whole notches now due (negative: towards the user).
  int Add(int delta) {
    if ((delta > 0 && rest_ < 0) || (delta < 0 && rest_ > 0)) rest_ = 0;
    rest_ += delta;
    const int notches = rest_ / WHEEL_DELTA;  // truncates toward zero
    rest_ -= notches * WHEEL_DELTA;
    return notches;
  }
  int rest() const { return rest_; }

 private:
  int rest_ = 0;
};

}  // namespace plat::detail
