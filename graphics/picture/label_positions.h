#pragma once
// LabelPositionTable: the remembered places of a picture's labels, so that a
// label keeps its place across repaints and after the user moved it.
#include <array>

#include "common/records/label_position.h"

namespace revuzavi {

using common::LabelPosition;

inline constexpr int kLabelCapacity = 1000;

class LabelPositionTable {
 public:
  // Label n (1..1000): its remembered place, or (x, z) remembered now. A
  // label beyond the table is drawn at (x, z) without a remembered place.
  LabelPosition Place(int n, float x, float z);
  // Entry n (1..1000); an empty entry for any other n.
  LabelPosition At(int n) const;
  // Moves label n (1..1000) to a place the user chose; false for any other n.
  bool Move(int n, float x, float z);
  void Clear() { entries_.fill(LabelPosition{}); }
  // Entries 1..1000 in order, for the free-text files.
  const std::array<LabelPosition, kLabelCapacity>& entries() const { return entries_; }
  std::array<LabelPosition, kLabelCapacity>& entries() { return entries_; }

 private:
  std::array<LabelPosition, kLabelCapacity> entries_{};
};

}  // namespace revuzavi
