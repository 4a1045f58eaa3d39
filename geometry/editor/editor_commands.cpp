#include "geometry/editor/editor_commands.h"

#include "common/position/file_names.h"
#include "common/settings_files.h"
#include "geometry/app/show_messages.h"
#include "geometry/check/inverse_files.h"
#include "geometry/echo/echo_file.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/position/load_position_files.h"
#include "geometry/position/store_position.h"

namespace kelmf {
namespace {

void Show(const common::Result& result) {
  if (!result.ok()) ShowMessages({result});
}

}  // namespace

std::optional<int> StoreCommand(EditorSession& editor) {
  const CheckReport report = StorePosition(editor.model, editor.position, editor.settings);
  ShowMessages(report.messages);
  if (report.end_program) return -1;
  if (report.stored()) return kEditorQuitCode;
  if (editor.model.kinematics.found()) {
    Show(WritePoleExtents(editor.model, editor.position));
    editor.view.extents_valid = true;
  }
  return std::nullopt;
}

std::optional<int> EndCommand(EditorSession& editor) {
  FrameModel& model = editor.model;
  bool changed = model.editor.model_changed;
  if (model.elements.count() > 0 && model.nodes.count() == 0) {
    const common::Result nodes = RebuildNodes(model, editor.position);
    if (!nodes) {
      Show(nodes);
      return std::nullopt;
    }
    changed = true;  // NODES and LKNOTENR are new model files
  }
  if (model.materials.count() > 0 && model.elements.count() > 0 && model.nodes.count() > 0) {
    const common::Result echo = WriteEchoFile(EchoFilePath(editor.position), model, editor.position);
    if (!echo) {
      Show(echo);
      return std::nullopt;
    }
  }
  if (changed) {
    DeleteInverseFiles(editor.position);
    const std::string marker = editor.position.File(common::file_names::kGeometryMarker);
    if (!common::WriteInt32File(marker, 0)) {
      Show(CannotStore(marker));
      return std::nullopt;
    }
  }
  return kEditorQuitCode;
}

LoadReport LoadEditorPosition(EditorSession& editor, bool rebuild_from_echo) {
  LoadReport load = LoadPositionFiles(editor.model, editor.position, editor.settings, rebuild_from_echo);
  if (load.ends_program) return load;
  const common::DrawingExtents& e = editor.model.extents;
  if (load.rebuilt_from_echo || e.xmin() > e.xmax() || e.zmin() > e.zmax()) ResetExtents(editor);
  return load;
}

void ResetExtents(EditorSession& editor) {
  FrameModel& model = editor.model;
  model.extents = model.elements.count() > 0 ? ElementExtents(model) : common::DrawingExtents::Default();
  model.editor.view_extents = model.extents;
  model.editor.drawing_scale = ChooseScale(model.extents);
  editor.view.extents_valid = true;
}

void NewFrameReset(EditorSession& editor) {
  FrameModel& model = editor.model;
  model.spans.Clear();
  model.storeys.Clear();
  model.params.set_span_count(0);
  model.params.set_storey_count(0);
  model.parabola = ParabolaInput{};
  editor.view.extents_valid = false;
}

}  // namespace kelmf
