#pragma once
// Everything the geometry editor's windows work on: the frame model of the
// position, the editor's own view state and pens, the position and the
// settings folder. The application owns one; its document hands it to the
// view and the frame.
#include "common/position/position.h"
#include "common/settings.h"
#include "geometry/editor/view_state.h"
#include "geometry/editor/world_drawing.h"
#include "geometry/model/frame_model.h"
#include "geometry/tables/grid_input_state.h"

namespace kelmf {

struct EditorSession {
  EditorSession(common::Position position_in, common::SettingsContext settings_in)
      : position(std::move(position_in)), settings(std::move(settings_in)) {}

  common::Position position;
  common::SettingsContext settings;
  FrameModel model;
  ViewState view;
  PenSet pens;
  // The open table of the grid dialogs and its values.
  GridInputState tables;
};

}  // namespace kelmf
