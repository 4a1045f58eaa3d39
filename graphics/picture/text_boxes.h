#pragma once
// TextBoxTable: the boxes of the texts drawn in a picture (logical units), so
// that the user can pick a label and drag it.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/dc/gdi_types.h"

namespace revuzavi {

struct TextBox {
  std::array<plat::Point, 4> corners{};  // around the text, in drawing order
  std::int32_t kind = 0;
  std::int32_t reserved = 0;
  std::int32_t tag = 0;
};

inline constexpr int kTextBoxCapacity = 1000;

class TextBoxTable {
 public:
  // Appends a box while fewer than 1000 are held; false for the 1001st.
  bool Add(const TextBox& box);
  int count() const { return static_cast<int>(boxes_.size()); }
  // Box b (1..count).
  const TextBox& operator[](int b) const { return boxes_.at(static_cast<std::size_t>(b - 1)); }
  void Clear() { boxes_.clear(); }

 private:
  std::vector<TextBox> boxes_;
};

}  // namespace revuzavi
