#include "geometry/editor/editor_commands.h"

#include <cmath>

#include "common/position/file_names.h"
#include "geometry/app/show_messages.h"
#include "geometry/echo/echo_file.h"
#include "geometry/model/drawing_extents.h"
#include "geometry/model/element_ends.h"
#include "geometry/model/model_file_writer.h"
#include "geometry/model/model_files.h"
#include "geometry/model/node_finding.h"
#include "geometry/model/node_rebuild.h"
#include "geometry/position/editor_lock.h"
#include "geometry/position/load_old_data.h"
#include "geometry/position/load_position_files.h"
#include "geometry/position/store_position.h"
#include "platform/message_box.h"

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

namespace {

// The nodes no longer fit the elements: an end names no node, or lies away
// from its node (elements drawn or moved since the nodes were found).
bool TopologyStale(const FrameModel& model) {
  const int nodes = model.nodes.count();
  for (const common::ElementRecord& e : model.elements.used()) {
    for (const ElementEnd& end : EndsOf(e)) {
      if (end.node < 1 || end.node > nodes) return true;
      const common::NodeRecord& node = model.nodes[end.node];
      if (std::hypot(static_cast<double>(node.x()) - end.x, static_cast<double>(node.y()) - end.y) >= kNodeTolerance) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace

common::Result SaveFrame(EditorSession& editor) {
  if (editor.model.materials.empty() || editor.model.elements.empty()) return common::Result::Ok();
  common::PositionLock lock;
  if (common::Result held = HoldEditorLock(lock, editor.position); !held) return held;
  FrameModel frame = editor.model;
  ModelFileWriter files(editor.position);
  if (TopologyStale(frame)) {
    if (common::Result nodes = RebuildTopology(frame); !nodes) return nodes;
    namespace names = common::file_names;
    const common::Result written =
        FirstFailure({files.Table(names::kNodes, frame.nodes), files.Table(names::kSupports, frame.supports)});
    if (!written) return written;
  }
  if (common::Result echo = WriteEchoFile(EchoFilePath(editor.position), frame, editor.position); !echo) return echo;
  editor.model = std::move(frame);
  return common::Result::Ok();
}

std::optional<int> EndCommand(EditorSession& editor) {
  const common::Result saved = SaveFrame(editor);
  if (saved) return kEditorQuitCode;
  // Nothing keeps a person from leaving: the program ends unless asked to stay.
  const std::string question = saved.text() + "\n\nThe frame was not saved: the echo text " +
                               EchoFilePath(editor.position) +
                               " keeps what it held before, and the changes since are lost when the program ends."
                               "\n\nEnd all the same?";
  if (plat::MessageBox(question, saved.caption(), plat::MB_YESNO | plat::MB_ICONEXCLAMATION) == plat::IDNO) {
    return std::nullopt;
  }
  return kEditorQuitCode;
}

common::Result WriteEditedEcho(EditorSession& editor) {
  common::PositionLock lock;
  if (common::Result held = HoldEditorLock(lock, editor.position); !held) return held;
  return WriteEchoFile(EchoEditFilePath(editor.position), editor.model, editor.position);
}

LoadReport RebuildFromEditedEcho(EditorSession& editor) {
  common::PositionLock lock;
  if (common::Result held = HoldEditorLock(lock, editor.position); !held) {
    LoadReport report;
    report.Show(held);
    report.Show(common::Result::Fail("The edited text stays in " + EchoEditFilePath(editor.position) +
                                         "; the frame was not rebuilt from it.",
                                     "Hint"));
    return report;
  }
  return LoadOldData(editor.model, editor.position, TextInput::kEditedEcho);
}

LoadReport LoadEditorPosition(EditorSession& editor) {
  LoadReport load = LoadPositionFiles(editor.model, editor.position, editor.settings);
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
