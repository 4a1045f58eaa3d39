// Keys and the wheel in the geometry editor's view: the keyboard zoom, Space
// and Escape, the Ctrl constraint, and the wheel's factors and pen width.
#include "geometry/app/show_messages.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/graphic_input.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/position_commands.h"
#include "geometry/position/editor_settings.h"
#include "platform/clock.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {
namespace {

// Two Escapes within this time end the editor.
constexpr std::int64_t kDoubleEscapeMs = 1000;
constexpr double kKeyZoomStep = 1.2;
constexpr double kWindowScaleStep = 1.5;
constexpr double kFontStep = 1.1;
constexpr double kMechanismStep = 1.5;
constexpr int kMaxPen = 10;

bool Held(int vk) { return plat::GetKeyState(vk) < 0; }

}  // namespace

void CKELMWView::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  ViewState& view = session().view;
  view.ctrl_held = vk == plat::VK_CONTROL;
  if (vk == plat::VK_ESCAPE) {
    OnEscape();
    return;
  }
  view.escape_count = 0;
  if (vk == plat::VK_ADD && Held(plat::VK_CONTROL)) {
    if (view.keyboard_zoom > 1.0) view.keyboard_zoom = BoundFactor(view.keyboard_zoom / kKeyZoomStep);
    Invalidate();
  } else if (vk == plat::VK_SUBTRACT && Held(plat::VK_CONTROL)) {
    view.keyboard_zoom = BoundFactor(view.keyboard_zoom * kKeyZoomStep);
    Invalidate();
  } else if (vk == plat::VK_SPACE && view.current_command == static_cast<int>(ids::kGraphicalInput)) {
    OnGraphicalInput();
  }
  plat::View::OnKeyDown(vk, repeat, flags);
}

void CKELMWView::OnKeyUp(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  if (vk == plat::VK_CONTROL) session().view.ctrl_held = false;
  plat::View::OnKeyUp(vk, repeat, flags);
}

void CKELMWView::OnEscape() {
  EditorSession& editor = session();
  ViewState& view = editor.view;
  if (view.grid_tool) {
    if (view.graphical_input) {
      EraseRubberLine();
      view.graphical_input = false;
      view.line_state = 0;
    } else {
      view.grid_tool = false;
      EraseCrosshair();
      ShowHint(false);
      if (editor.model.elements.count() > 0) PostMessage(kOpenElementsTable);
    }
    Invalidate();
    return;
  }
  ShowHint(false);
  if (view.zoom_active) {
    view.zoom_active = false;
    EraseRubberLine();
    Invalidate();
    if (view.line_state > 0) {
      UpdateWindow();
      view.anchor = ToPixel(view.previous_point);
    }
    return;
  }
  if (view.graphical_input) {
    EraseRubberLine();
    ClearEditorModes(view);
    Invalidate();
    return;
  }
  const std::int64_t now = plat::ElapsedMilliseconds();
  if (view.escape_count == 1) {
    view.escape_count = 0;
    if (now - view.escape_ms < kDoubleEscapeMs) OnEnd();
    return;
  }
  EraseCrosshair();
  view.escape_count = 1;
  view.escape_ms = now;
  Invalidate();
}

bool CKELMWView::OnMouseWheel(plat::UINT flags, short delta, plat::Point point) {
  EditorSession& editor = session();
  ViewState& view = editor.view;
  const bool forward = delta > 0;
  if (Held(plat::VK_MENU)) {
    int& pen = editor.model.editor.pen_width;
    if (forward && pen < kMaxPen) ++pen;
    if (!forward && pen >= 1) --pen;
    if (common::Result written = WritePenWidth(editor.model.editor, editor.settings); !written) {
      ShowMessages({written});
    }
  } else if ((flags & plat::MK_CONTROL) && (flags & plat::MK_SHIFT)) {
    view.font_factor = BoundFactor(forward ? view.font_factor * kFontStep : view.font_factor / kFontStep);
  } else if (flags & plat::MK_SHIFT) {
    view.window_scale =
        BoundFactor(forward ? view.window_scale * kWindowScaleStep : view.window_scale / kWindowScaleStep);
  } else {
    view.mechanism_factor =
        BoundFactor(forward ? view.mechanism_factor * kMechanismStep : view.mechanism_factor / kMechanismStep);
  }
  Invalidate();
  return plat::View::OnMouseWheel(flags, delta, point);
}

}  // namespace kelmf
