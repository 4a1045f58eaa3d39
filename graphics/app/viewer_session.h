#pragma once
// What the windows of the results viewer share: the position and its load
// case shown, the picture state with the label places, the reanalysis run,
// the drawing's request and memory, and the marks the frames read.
#include <string>

#include "graphics/compose/picture_request.h"
#include "graphics/picture/picture_state.h"
#include "graphics/picture/view_state.h"
#include "graphics/plot/element_plot.h"
#include "graphics/reanalysis/reanalysis_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// Set by the main frame before it opens the text window: which listing it shows (the geometry
// listing D1, the load listing D2 or the listing of the load case shown); `open` while it exists.
struct TextWindowMarks {
  bool geometry = false;
  bool loads = false;
  bool results = false;
  bool open = false;
};

struct ViewerSession {
  ViewerState state;
  ViewState view;
  PictureState picture;
  PictureMemory memory;
  PictureRequest request;
  ReanalysisState run;
  ReanalysisView reanalysis_view;
  float font_scale = 1.0f;
  // Set before a text or element-plot window opens beside the picture: the
  // one frame opened next is narrow.
  bool narrow_next_frame = false;
  TextWindowMarks text_marks;
  // The picture's text for status pane 2, shown on WM_USER+1.
  std::string status_text;
  // Panes 1 and 3 after a mouse move: the wheel's target, the cursor in metres.
  std::string wheel_status;
  std::string cursor_status;
  // The element and function the next element-plot window shows.
  ElementPlotChoice next_plot;
  // Printer setup was used in this run: printing keeps the orientation chosen there.
  bool printer_setup_chosen = false;
};

}  // namespace revuzavi
