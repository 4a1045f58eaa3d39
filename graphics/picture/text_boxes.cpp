#include "graphics/picture/text_boxes.h"

namespace revuzavi {

bool TextBoxTable::Add(const TextBox& box) {
  if (count() >= kTextBoxCapacity) return false;
  boxes_.push_back(box);
  return true;
}

}  // namespace revuzavi
