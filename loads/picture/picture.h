#pragma once
// What every routine of the load picture draws with: the device context, the
// model (read only), the view's display state, the label memory (the one thing
// a drawing writes) and the sizes worked out at the start of a drawing.
//
// Coordinates: a world point is (x, z) in metres, z the user's vertical
// coordinate, up; it is drawn at the logical point (S x, S z), rounded. What is
// built in the records' (x, y) (load ordinates, arrow heads, band corners) is
// drawn at (x, sign y), sign being the frame's vertical sign, which is (x, z).
#include <string>
#include <vector>

#include "loads/model/load_model.h"
#include "loads/picture/label_memory.h"
#include "loads/picture/picture_view.h"
#include "platform/dc/dc.h"

namespace pundf::picture {

// A text of the picture to be drawn after its lines and fills: its font, the
// logical start of its baseline (left aligned) and its characters.
struct PendingText {
  plat::Font font;
  plat::Point start;
  std::string text;
};

struct Picture {
  plat::Dc& dc;
  const LoadModel& model;
  const PictureView& view;
  LabelMemory& labels;
  int scale = 100;           // S, logical units per metre
  int pixel_unit = 1;        // logical size of 3 device pixels
  double symbol_size = 0.0;  // metres: 1 % of the larger side of the extents
  double sign = -1.0;        // records' y times sign is z
  std::vector<PendingText> texts;  // drawn last, by DrawTexts

  const Geometry& geometry() const { return model.geometry; }
  const LoadCase& load_case() const { return model.load_case; }
};

// The sign of the frame's vertical axis: FrameParams 696, 0 taken as -1.
double VerticalSign(const common::FrameParams& params);

// The logical point of the world point (x, z).
plat::Point At(const Picture& picture, double x, double z);
// The logical point of a point given in the records' (x, y).
plat::Point AtRecords(const Picture& picture, double x, double y);

// A world point in metres.
struct WorldPoint {
  double x = 0.0;
  double z = 0.0;
};

// The node's point; the node number must lie in 1..node count.
WorldPoint NodePoint(const Geometry& geometry, int node);

// The ends of an element in the world (a) and (b).
struct ElementEnds {
  WorldPoint a, b;
  double Length() const;
};
ElementEnds EndsOf(const common::ElementRecord& element);

// True when n is a node (element) number of the frame.
bool IsNode(const Geometry& geometry, int n);
bool IsElement(const Geometry& geometry, int e);

// A straight line from a to b with the selected pen.
void Line(Picture& picture, WorldPoint a, WorldPoint b);
// A circle of `radius` logical units about the point, filled with the brush.
void Circle(Picture& picture, WorldPoint centre, int radius, const plat::Brush& brush);

}  // namespace pundf::picture
