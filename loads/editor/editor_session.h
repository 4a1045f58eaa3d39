#pragma once
// Everything the load editor's windows work on: the load model of the
// position, the editor's settings (MPUNDW1) and the view's display state. The
// application owns one; its document hands it to the view and the frame.
#include <string>

#include "loads/editor/load_editor_settings.h"
#include "loads/model/load_model.h"
#include "platform/dc/gdi_types.h"

namespace pundf {

struct DisplayState {
  float zoom = 0.7f;            // the view's zoom factor (wheel)
  int label_offset = 0;         // Ctrl+wheel
  bool element_numbers = true;  // key E
  bool node_numbers = true;     // key K
  bool filled_bands = false;    // command 32812
  bool line_pick = false;       // command 32788
  bool point_pick = false;      // command 32793
  bool pick_mode = false;       // command 32825, ended by WM_USER+11
  bool frame_switch = false;    // command 32816, cleared by New and stepping
  plat::Point mouse_logical;    // the last mouse point in the picture's logical units
  bool mouse_mapped = false;    // a drawing set the mapping that mouse_logical uses
};

struct EditorSession {
  LoadModel model;
  LoadEditorSettings settings = LoadEditorSettings::Defaults();
  DisplayState display;
  // "@G": the view draws nothing and the program ends.
  bool rebuild = false;
  // The echo question is still to come at the first drawing.
  bool first_draw = true;
  // A dialog's OK changed one of the load case's tables since the saved copy.
  bool tables_changed = false;
  // The caption of the main window, "Position NAME  LC n".
  std::string title;
};

}  // namespace pundf
