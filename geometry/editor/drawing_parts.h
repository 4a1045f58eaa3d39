#pragma once
// The parts of the frame picture, drawn by Zeichnen in this order.
#include "geometry/editor/world_drawing.h"
#include "geometry/model/frame_model.h"

namespace kelmf::drawing {

struct Picture {
  WorldCanvas canvas;
  PenSet& pens;
  double symbol_size;  // f: 1 % of the larger span, metres
  int s5;              // logical units of 5 device pixels
  int s12;             // logical units of 12 device pixels
  // Metres between a label and what it names: 12 pixels of the screen (as
  // large on a printed page, where device pixels are much smaller).
  double label_gap;
};

// A circle of `radius` logical units around a world point, filled with `fill`.
void FilledCircle(Picture& picture, double x, double z, int radius, const plat::Brush& fill);
// A line from A to B with two strokes back from B (a quarter of the length
// back, 5 % of it to each side); lengths below 0.01 m count as 0.01 m.
void Arrow(Picture& picture, double xa, double za, double xb, double zb);

void DrawElements(Picture& picture, const FrameModel& model);
void DrawNodes(Picture& picture, const FrameModel& model);
void DrawSupportSymbols(Picture& picture, const FrameModel& model);
void DrawHinges(Picture& picture, const FrameModel& model);
void DrawHingeMarks(Picture& picture, const FrameModel& model);
void DrawMechanism(Picture& picture, const FrameModel& model);

}  // namespace kelmf::drawing
