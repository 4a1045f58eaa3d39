#include "loads/picture/label_memory.h"

namespace pundf::picture {

void ClearPickMarks(LabelMemory& labels) {
  labels.boxes.clear();
  for (LabelPosition& p : labels.line_loads) p.placed = 0;
  // The pick tables keep their marker in the first word of an entry.
  for (LabelPosition& p : labels.pick_table_51) p.x = 0.0f;
  for (LabelPosition& p : labels.pick_table_60) p.x = 0.0f;
  for (LabelPosition& p : labels.pick_table_100) p.x = 0.0f;
}

void ForgetLabelPlaces(LabelMemory& labels) {
  ClearPickMarks(labels);
  for (LabelPosition& p : labels.temperature) p.placed = 0;
}

}  // namespace pundf::picture
