#pragma once
// What the model check and the inversion of a Store tell the user and how the
// store ends. The library shows no window: the editor shows the messages in
// their order, then keeps itself open unless the inverse was completed.
#include <utility>
#include <vector>

#include "common/result.h"

namespace kelmf {

// The result of a model check that stopped before the inversion (an element
// without stiffness, too many equations, numbers outside the tables, a file
// that could not be written). Singular rows are positive.
inline constexpr int kModelCheckFailed = -1;

struct CheckReport {
  // 0 after a complete inversion: the geometry counts as stored. Otherwise the
  // row named by "Singularity in row %d", or kModelCheckFailed.
  int result = 0;
  // A matrix file could not be written: after the messages the program ends
  // with exit code -1.
  bool end_program = false;
  // Message boxes (text and caption) in the order they are shown; warnings
  // and errors alike.
  std::vector<common::Result> messages;

  bool stored() const { return result == 0; }
  void Show(common::Result message) { messages.push_back(std::move(message)); }
};

}  // namespace kelmf
