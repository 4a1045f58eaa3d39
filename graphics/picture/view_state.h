#pragma once
// What the views hold that the drawing reads: their switches, the label offset,
// the picked lists, the Green point, the plotter sink and its pen. The views
// fill it; the pictures read it and write only the marked fields.
#include <string>
#include <vector>

#include "platform/dc/gdi_objects.h"

namespace revuzavi {

// The point of a Green-function picture or an influence query.
struct GreenPoint {
  enum Kind : int { kNone = 0, kU = 1, kW = 2, kRotation = 3, kNormalForce = 4, kShear = 5, kMoment = 6 };
  int element = 0;      // 0: no Green point
  float position = 0.0f;  // metres from the start node
  int sample = 0;       // position = sample * 0.02 * length
  int kind = kNone;
};

// The margins of the picture area in device pixels.
struct PictureMargins {
  int left = 0, top = 0, width = 0, height = 0;
};

struct ViewState {
  // Texts are drawn even when the text scale is 0.
  bool force_texts = false;
  bool new_loads = false;
  int first_new_load = 0;
  // Moves a centred label across its direction (logical units).
  int label_offset = 0;
  bool plot_clip = false;
  bool binding_margin = false;
  bool fixed_scale = false;
  float paper_width = 0.0f;   // world units at the drawing scale
  float paper_height = 0.0f;
  float paper_aspect = 0.0f;  // height / width of the page; 0 for none
  // What the wheel made of the arrows: the loads, the support reactions and
  // the equivalent nodal forces, 1 as drawn by their own measure.
  double load_factor = 1.0;
  double reaction_factor = 1.0;
  double force_factor = 1.0;
  // The views' zoom factors of the frame picture.
  float zoom_x = 1.0f;
  float zoom_y = 1.0f;

  // The plotter output: HPGL text goes here while it is set.
  std::string* plotter = nullptr;
  int plotter_pen = 0;

  plat::Pen default_pen;
  plat::Brush positive_brush = plat::Brush::Solid(plat::Rgb(230, 230, 230));
  plat::Brush negative_brush = plat::Brush::Solid(plat::Rgb(255, 200, 200));

  std::vector<int> picked_elements;
  std::vector<int> picked_nodes;
  GreenPoint green;
  bool element_energy_display = false;

  // The reanalysis view is shown, and its switches.
  bool reanalysis_view = false;
  bool reanalysis_mode = false;  // modified elements use their modified stiffness
  // Switches no window sets: they stay off.
  bool show_switched_off = false;
  bool axis_swap = false;

  // Per element (1-based): the sample 1..51 whose diagram value is written, 0 none.
  std::vector<int> label_samples;
  // The values the moment and shear diagrams store in value-query mode, by slot.
  std::vector<float> value_queries;

  bool ElementPicked(int e) const;
  bool NodePicked(int n) const;
};

}  // namespace revuzavi
