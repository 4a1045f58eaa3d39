#include "loads/editor/wheel.h"

#include "loads/manage/editor_settings.h"
#include "platform/message_box.h"

namespace pundf {
namespace {

constexpr float kZoomStep = 1.2f;
constexpr float kStep = 1.1f;
constexpr int kLabelStep = 5;
constexpr int kWidestPen = 71;

float Turned(float value, float step, bool up) { return up ? value * step : value / step; }

}  // namespace

bool TurnWheel(EditorSession& session, WheelKeys keys, int delta) {
  if (delta == 0) return false;
  const bool up = delta > 0;
  LoadModel& model = session.model;
  if (keys.alt) {
    int& pen = model.editor.pen_width;
    if (up ? pen >= kWidestPen : pen <= 0) return false;
    pen += up ? 2 : -1;
    if (auto saved = SavePenWidth(model.settings, pen); !saved) {
      plat::MessageBox(saved.text(), saved.caption(), plat::MB_OK);
    }
  }
  LoadEditorSettings& s = session.settings;
  if (keys.ctrl && keys.shift) {
    s.set_text_size(Turned(s.text_size(), kStep, up));
  } else if (keys.shift) {
    s.set_load_scale(Turned(s.load_scale(), kStep, up));
  } else if (keys.ctrl) {
    session.display.label_offset += up ? kLabelStep : -kLabelStep;
    picture::ForgetLabelPlaces(model.editor.labels);
  } else {
    session.display.zoom = Turned(session.display.zoom, kZoomStep, up);
    s.set_global_zoom(Turned(s.global_zoom(), kZoomStep, up));
  }
  return true;
}

picture::PictureView PictureViewOf(const EditorSession& session, const plat::Rect& drawing_rect) {
  picture::PictureView view;
  view.drawing_rect = drawing_rect;
  view.zoom = session.display.zoom;
  view.global_zoom = session.settings.global_zoom();
  view.load_scale = session.settings.load_scale();
  view.text_size = session.settings.text_size();
  view.label_offset = session.display.label_offset;
  view.filled_bands = session.display.filled_bands;
  view.element_numbers = session.display.element_numbers;
  view.node_numbers = session.display.node_numbers;
  view.pen_width = session.model.editor.pen_width;
  return view;
}

}  // namespace pundf
