#pragma once
// The results viewer's state: the position, its model and current load case,
// the solver's results of that load case and the viewer's remembered settings.
// Start-up fills it; the pictures and the reanalysis read it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/records/dof_record.h"
#include "common/records/drawing_extents.h"
#include "common/records/frame_params.h"
#include "common/records/load_case_diary.h"
#include "common/records/load_case_params.h"
#include "common/records/load_tables.h"
#include "common/records/model_tables.h"
#include "common/records/print_scales.h"
#include "common/settings.h"
#include "graphics/state/graphics_settings.h"
#include "mechanics/dense_matrix.h"

namespace revuzavi {

// Room of the displacement and load vectors: equations 1..1000, slot 0 unused.
inline constexpr int kVectorSlots = common::kMaxEquations + 1;

// A supported degree of freedom: its equation, its node and its direction.
struct SupportDof {
  enum Direction : int { kX = 1, kZ = 2, kRotation = 3 };
  int dof = 0;
  int node = 0;
  int direction = kX;
  friend bool operator==(const SupportDof&, const SupportDof&) = default;
};

// The page margins of a printed picture as fractions of the page.
struct PageMargins {
  float left = 0.05f;
  float right = 0.95f;
  float height = 0.8f;
};

struct ViewerState {
  // Where the viewer works.
  common::Position position;
  common::SettingsContext settings;
  bool position_open = false;  // a position was read before
  bool saving = false;         // set while a position is read: the pictures draw nothing

  // The frame model.
  common::FrameParams params;
  common::ElementTable elements;
  common::NodeTable nodes;
  common::NodeTable original_nodes;  // the nodes as read
  common::NodeRefTable supports;
  common::CrossSectionTable sections;
  common::MaterialTable materials;
  common::DofTable dofs;
  std::vector<SupportDof> support_dofs;
  common::DrawingExtents extents = common::DrawingExtents::Default();
  float drawing_width = 50.0f;
  int drawing_scale = 100;
  int vertical_sign = -1;  // +1 when FrameParams byte 679 is non-zero

  // The load case shown.
  common::LoadCaseDiary diary;
  int start_load_case = 0;  // asked for on the command line; 0 the diary's first
  int current_load_case = 0;
  std::string current_load_case_text = "00";
  std::array<std::int16_t, 15> load_case_marks{};  // the views' load-case marker list
  common::LoadCaseParams load_case_params;
  common::PointLoadTable point_loads;
  common::LineLoadTable line_loads;
  common::TemperatureTable temperatures;  // by element
  common::PrestressTable prestress;

  // The solver's results of the load case shown.
  std::vector<double> displacements = std::vector<double>(kVectorSlots, 0.0);
  std::vector<double> right_hand_side = std::vector<double>(kVectorSlots, 0.0);
  std::vector<float> energies = std::vector<float>(common::kMaxElements + 1, 0.0f);  // [0] the largest
  bool results_present = false;
  bool energies_present = false;
  bool no_results = false;  // the views' "no results" switches: no usable UT8 for the load case shown
  // The displacements hold another field than the load case's results: a Green's function, an
  // eigenmode or a unit displacement. Reading UT8 (or a working copy of it) clears it.
  bool foreign_field = false;
  mechanics::Matrix inverse_rows;  // K^-1 of the reanalysis, n x n

  // Remembered settings.
  common::PrintScales print_scales = common::PrintScales::Default();
  float text_scale = 1.0f;
  double second_print_factor = 1.0;
  GraphicsSettings graphics = GraphicsSettings::Default();
  std::uint8_t solid_band_mirror = 0;  // of GraphicsSettings byte 116
  std::int32_t mirror_124 = 1;
  std::int32_t mirror_128 = 1;
  int page_head_style = 1;
  PageMargins page_margins;
  float scales_factor = 0.0f;  // first float of "Scales"
  bool scales_factor_zero = true;
  int page_number = 1;
  int picture_counter = 0;
  int line_width = 1;
  int second_line_width = 1;

  int equation_count() const { return params.equation_count(); }
};

}  // namespace revuzavi
