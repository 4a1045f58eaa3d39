#pragma once
// What the main view asks of one drawing: the device area and its margins, the
// plot box, the switches of the frame picture and of the one result diagram,
// the remembered scales and the world box the drawing reports back.
#include <array>

#include "graphics/picture/picture_state.h"
#include "graphics/picture/view_state.h"

namespace revuzavi {

// The remembered scale factors of a load case, in the order of MEMSCALEGLF1.
struct PictureScales {
  float moment = 0.0f;
  float shear = 0.0f;
  float normal_force = 0.0f;
  float fourth = 0.0f;
  std::array<float, 4> further{};
  float displacement = 0.0f;
  friend bool operator==(const PictureScales&, const PictureScales&) = default;
};

struct PictureRequest {
  int client_width = 0;
  int client_height = 0;
  PictureMargins margins;
  WorldPoint plot_box[4]{};
  int plot_box_mode = 0;  // 1: the world is the box around the plot corners

  bool node_labels = false;
  bool geometry_details = false;
  bool element_labels = false;
  bool energies = false;
  bool energies_off = false;  // the element energies are not refreshed

  // The result switches; at most one is on.
  bool deflection = false;
  bool normal_forces = false;
  bool moments = false;
  bool shear_forces = false;
  bool eigenmode = false;
  int eigenmode_number = 1;
  bool influence = false;  // the influence function of a picked dof
  int influence_column = 0;
  bool support_green = false;  // the Green function of a supported dof
  int support_dof_index = 0;   // 1-based entry of the support dof list
  bool green_family_1 = false;  // Green displacements with the unit reaction
  bool green_family_2 = false;  // Green forces of the element-function view
  bool shape_function = false;  // the unit displacement of one equation, held in the displacements
  int shape_dof = 0;
  bool hide_picks = false;      // the picked elements are drawn unpicked in a Green picture
  bool influence_reactions = false;
  bool rotations = false;
  bool modified_frame = false;

  bool nodal_loads = false;

  bool exponent_labels = false;  // value labels in exponential format
  // The views' display switches the result pictures follow.
  bool horizontal_only = false;     // only the horizontal displacements
  bool vertical_only = false;       // only the vertical displacements
  bool green_arrows = false;        // the unit displacement of a support with its elements' arrows
  bool stacked_labels = false;      // two labels meeting at a node stacked, not one left out
  bool resultants = false;          // displacements labelled at the nodes by their resultant
  bool grey_frame = false;          // the undeformed frame drawn grey beneath the deflected shape

  bool dof_marker = false;
  int marked_dof = 0;

  PictureScales scales;
  bool scales_given = false;  // the caller's own scales: drawn as given, never fitted
  bool scales_read = false;
  bool fit_scales = false;    // the next drawing fits its curve whatever its scale (cleared by it)
  bool wheeled = false;       // the wheel changed the scale: out of range it stops at the bound (cleared)

  WorldBox world;  // world 2 after the drawing

  bool AnyResult() const {
    return deflection || normal_forces || moments || shear_forces || eigenmode || influence || support_green ||
           green_family_1 || green_family_2 || influence_reactions || rotations || modified_frame;
  }
  bool AnyGreen() const { return influence || support_green || green_family_1 || green_family_2; }
};

// What the drawing keeps from one call to the next.
struct PictureMemory {
  int scales_load_case = -1;  // of the last MEMSCALEGLF1 read
  int influence_column = 0;   // the INVERSE column in the displacements
  int support_column = 0;
};

}  // namespace revuzavi
