#include "graphics/picture/label_positions.h"

namespace revuzavi {
namespace {

bool InTable(int n) { return n >= 1 && n <= kLabelCapacity; }

}  // namespace

LabelPosition LabelPositionTable::Place(int n, float x, float z) {
  if (!InTable(n)) return LabelPosition{x, z, 0};
  LabelPosition& entry = entries_[static_cast<std::size_t>(n - 1)];
  if (entry.placed == 0) entry = LabelPosition{x, z, 1};
  return entry;
}

LabelPosition LabelPositionTable::At(int n) const {
  return InTable(n) ? entries_[static_cast<std::size_t>(n - 1)] : LabelPosition{};
}

bool LabelPositionTable::Move(int n, float x, float z) {
  if (!InTable(n)) return false;
  entries_[static_cast<std::size_t>(n - 1)] = LabelPosition{x, z, 1};
  return true;
}

}  // namespace revuzavi
