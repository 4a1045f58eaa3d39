#pragma once
// The geometry editor's own state beside the frame model: the world window and
// its mapping, the zoom, the drawing switches and the modes of the view. One
// object on the user-interface thread; lost when the program ends (the pen
// width lives in the frame model's editor values, which KELMRDB keeps).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/dc/gdi_types.h"
#include "platform/dc/mapping.h"

namespace kelmf {

// A world rectangle in metres (x right, z up).
struct WorldBox {
  double x1 = 0.0;
  double z1 = 0.0;
  double x2 = 0.0;
  double z2 = 0.0;
};

struct ViewState {
  // ---- World window (DefineWorld) and its mapping (SetUpMapping) ----
  WorldBox world{0.0, 0.0, 50.0, 30.0};
  bool world_defined = false;
  // The window shown after the keyboard zoom: xmin, zmin, xmax, zmax.
  WorldBox mapped{0.0, 0.0, 50.0, 30.0};
  // The mapping of the last set-up, for the mouse conversions.
  plat::Mapping mapping;
  // Logical units of 3 device pixels, plus 1: node markers and snap marks.
  int marker_half_size = 1;
  // The larger of 4 device pixels in metres along x and z; 0.1 before a drawing.
  double picking_tolerance = 0.1;

  // ---- Zoom and sizes ----
  double keyboard_zoom = 1.0;      // scales the world window about its centre
  double window_scale = 1.0;       // multiplies the window extent: the picture shrinks
  double font_factor = 1.0;        // the labels' size is 80 x factor
  double mechanism_factor = 1.0;   // display factor of a mechanism
  int mechanism_sign = 1;
  bool zoom_active = false;
  WorldBox zoom;                   // the zoom window in metres
  int min_zoom_pixels = 10;        // a smaller zoom rectangle draws nothing

  // ---- Drawing switches ----
  bool extents_valid = true;       // DrawingExtents hold a box
  bool end_circles = false;        // circles at the ends of every world line
  bool label_overlap = false;      // labels never on their heads, none over another
  bool end_dots_only = false;      // support dots on the first and last node only
  bool aux_lines = false;          // the auxiliary-lines switch of "Aux. lines"
  std::optional<plat::PointD> marked_point;  // metres
  // A world window that DefineWorld refused: asked once, then the former one is kept.
  std::optional<WorldBox> refused_world;
  // The device rectangles of the labels of the picture being drawn.
  std::vector<plat::Rect> label_rects;

  // ---- Modes of the view ----
  bool graphical_input = false;
  int line_state = 0;
  // The right button went down to end a polyline: its release opens no menu.
  bool polyline_ended = false;
  bool grid_tool = false;
  double mesh_width = 2.0;
  double snap_radius = 0.15;
  int current_command = 32817;
  // Escape pressed once (1) at escape_ms (the program's elapsed milliseconds);
  // a second one within a second ends the editor.
  int escape_count = 0;
  std::int64_t escape_ms = 0;
  // The last mouse point in logical units, for the status bar (WM_USER+10).
  plat::Point mouse_logical;
  // The view's status text, for pane 0 of the status bar (WM_USER+1001).
  std::string status_text;

  // ---- Mouse input of the view ----
  // The current click point and the previous point of the polyline, metres.
  plat::PointD click_point;
  plat::PointD previous_point;
  // The rubber band: its anchor and its current point in pixels.
  plat::Point anchor;
  plat::Point rubber_point;
  bool rubber_band = false;
  bool rectangle_drawn = false;
  bool rubber_line_drawn = false;
  // The crosshair in pixels; (-1, -1) when none is drawn.
  plat::Point crosshair{-1, -1};
  // Ctrl held: the rubber line keeps to a horizontal or vertical.
  bool ctrl_held = false;
  // "Do not ask again" of the delete confirmation.
  bool delete_without_asking = false;
  // Elements drawn by the mouse since graphical input was switched on.
  int drawn_count = 0;
  // Where the Input panel opens next (a right click outside graphical input), screen pixels.
  std::optional<plat::Point> panel_point;
};

}  // namespace kelmf
