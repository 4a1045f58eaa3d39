#pragma once
// What the load picture remembers of its labels between drawings: where each
// label stands (the view may move one), the rotated boxes of the labels drawn
// (the view picks labels by them) and the rectangles of the node and support
// texts placed (a text that would meet one is left out).
#include <array>
#include <cstdint>
#include <vector>

#include "common/records/capacities.h"
#include "common/records/label_position.h"
#include "platform/dc/gdi_types.h"

namespace pundf::picture {

using common::LabelPosition;

// Kinds of LabelBox.
inline constexpr int kTemperatureLabel = 2;
inline constexpr int kLineLoadLabel = 4;

// A drawn label: its kind, its index in its table and the four device corners
// of its turned box.
struct LabelBox {
  int kind = 0;
  int index = 0;
  std::array<plat::Point, 4> corners{};
};

// A text's turned box: its four device corners and their bounds.
struct TextBox {
  std::array<plat::Point, 4> corners{};
  plat::Rect bounds;
};

struct LabelMemory {
  static constexpr int kMaxLineLoadLabels = 2 * common::kMaxLineLoads;  // start and end value of each load
  static constexpr int kMaxBoxes = 2000;
  static constexpr int kMaxPlacedRects = 200;

  // 1-based by element.
  std::array<LabelPosition, common::kMaxElements + 1> temperature{};
  // 1-based: 2k - 1 the start (or only) value of line load k, 2k its end value.
  std::array<LabelPosition, kMaxLineLoadLabels + 1> line_loads{};
  // The view's pick tables, 1-based, cleared with the marks.
  std::array<LabelPosition, 51 + 1> pick_table_51{};
  std::array<LabelPosition, 60 + 1> pick_table_60{};
  std::array<LabelPosition, 100 + 1> pick_table_100{};
  // At most kMaxBoxes; the labels of the last drawing.
  std::vector<LabelBox> boxes;
  // At most kMaxPlacedRects, device rectangles, normalised.
  std::vector<plat::Rect> placed_rects;
  // The turned boxes of the texts of the last drawing that later texts keep
  // clear of.
  std::vector<TextBox> text_boxes;
};

// Forgets the label boxes, the places of the line-load labels and the pick
// tables' entries (the view's New, the end of a pick).
void ClearPickMarks(LabelMemory& labels);

// ClearPickMarks and the places of the temperature labels: another load case
// comes in.
void ForgetLabelPlaces(LabelMemory& labels);

}  // namespace pundf::picture
