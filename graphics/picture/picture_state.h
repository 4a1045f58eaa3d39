#pragma once
// The state of the result pictures: the world windows and the mapping last set,
// the point lists the polyline routines draw from, the boxes of the drawn texts
// and the remembered label places. The views reset it when a picture starts;
// the drawing routines fill it.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "graphics/picture/label_positions.h"
#include "graphics/picture/text_boxes.h"
#include "platform/dc/gdi_types.h"

namespace revuzavi {

inline constexpr int kWorldCount = 5;
inline constexpr int kFrameWorld = 2;    // the frame picture
inline constexpr int kDiagramWorld = 3;  // the diagram picture

// A world window: x from x1 to x2, y from y1 to y2.
struct WorldBox {
  float x1 = 0.0f, x2 = 0.0f, y1 = 0.0f, y2 = 0.0f;
};

// The bounds of the mapping last set.
struct WorldBounds {
  double left = 0.0, right = 0.0, bottom = 0.0, top = 0.0;
};

// The plotter page in world units.
struct PlotWindow {
  double xmin = 0.0, xmax = 0.0, ymin = 0.0, ymax = 0.0;
};

struct WorldPoint {
  float x = 0.0f;
  float y = 0.0f;
};

// The largest and smallest device x and y met near a border of the surface,
// each with the logical coordinate of the other axis at that point; labels use
// them to keep off the borders.
struct BorderExtremes {
  int max_x = -1000000, y_at_max_x = 0;
  int min_x = 1000000, y_at_min_x = 0;
  int max_y = -1000000, x_at_max_y = 0;
  int min_y = 1000000, x_at_min_y = 0;
};

// The points a polyline or polygon is drawn from: 1-based, slot 0 unused.
inline constexpr int kCurvePointCapacity = 1000;

// The remembered label places of the result pictures, one table each.
struct LabelTables {
  LabelPositionTable deflection;
  LabelPositionTable normal_force;
  LabelPositionTable moment;
  LabelPositionTable shear;
  LabelPositionTable reactions;  // support reactions and nodal loads
  LabelPositionTable loads;      // line loads
  LabelPositionTable point_loads;
  LabelPositionTable temperatures;  // by element
  // The result pictures' labels are placed afresh; the load labels keep their places (the free texts).
  void ClearResults() {
    deflection.Clear();
    normal_force.Clear();
    moment.Clear();
    shear.Clear();
    reactions.Clear();
  }
  void Clear() {
    ClearResults();
    loads.Clear();
    point_loads.Clear();
    temperatures.Clear();
  }
};

// How a composed picture sizes its result curve: the scale it was drawn with,
// whether the drawing fitted it, and the request to fit it whatever it was.
struct ScaleFit {
  bool active = false;  // curve scales are fitted where they would not read (a remembered scale)
  bool force = false;   // fit the next curve even when its scale lies in range
  bool to_bound = false;  // a scale out of range goes to the nearest in range (the wheel's steps stop there)
  bool fitted = false;  // the last curve drawn had its scale fitted
  double scale = 0.0;   // the scale the last curve was drawn with
};

struct PictureState {
  std::array<WorldBox, kWorldCount> worlds{};
  std::int16_t world_defined = 0;
  WorldBounds current_bounds;
  int diagram_unit = 1;  // diagram world units to logical units
  int pixel_step_x = 3;  // logical size of 3 device pixels
  int pixel_step_y = 3;
  float plot_scale = 0.0f;  // world units per millimetre of a printed frame picture
  PlotWindow plot_window;

  std::vector<WorldPoint> curve_points = std::vector<WorldPoint>(kCurvePointCapacity + 1);
  std::vector<WorldPoint> base_points = std::vector<WorldPoint>(kCurvePointCapacity + 1);
  std::vector<std::int16_t> sign_words = std::vector<std::int16_t>(kCurvePointCapacity + 1, 0);
  std::vector<plat::Point> device_points = std::vector<plat::Point>(kCurvePointCapacity + 1);
  BorderExtremes border;
  TextBoxTable text_boxes;
  LabelTables labels;

  // The device area a composed picture keeps its result curves and its texts
  // inside, off each other; empty for a routine drawn alone, which keeps its
  // scale and its label places as given.
  plat::Rect window;
  ScaleFit fit;
  std::vector<plat::Rect> text_rects;  // the device boxes of the texts drawn, for the next to keep off

  // 2 while the normal-force or the energy picture is drawn; the moment and
  // shear pictures leave it to their caller.
  int diagram_kind = 0;

  // While set, the texts are held here and drawn later (see TextsOnTop).
  std::vector<std::function<void()>>* held_texts = nullptr;

  int pen_index = 0;         // the pen of the table selected last
  bool end_dots = false;     // DrawWorldLine marks both ends
  float hinge_offset = 0.1f; // how far a hinge circle sits from its node

  // The larger of the two pixel steps, the size of small marks.
  int pixel_step() const { return pixel_step_x > pixel_step_y ? pixel_step_x : pixel_step_y; }
  // What the views do when a picture starts.
  void StartPicture() {
    border = BorderExtremes{};
    text_boxes.Clear();
    text_rects.clear();
    hinge_offset = 0.1f;
    fit.fitted = false;
  }
};

}  // namespace revuzavi
