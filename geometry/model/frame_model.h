#pragma once
// The state of the geometry input: the frame of one position with its tables,
// FrameParams, the equation list, the mechanism of the last check and the
// editor's working values that the model operations set. One object holds it
// all; operations take it by reference, and those that touch files take the
// position explicitly.
//
// Tables are the truth for counts; an operation that changes a table's count
// also sets the matching count of FrameParams (elements 128, nodes 130,
// supports 702, cross sections 126, equations 38 and 132).
//
// Model operations that can be refused (a limit, an index out of range) work
// on a copy and change nothing when they fail; they set
// editor.storey_frame_error for a limit. Files are written after the model in
// memory is complete, and a file that cannot be written is reported.
//
// Later work extends this object rather than keeping tables elsewhere: the
// start-up load and Store (settings such as the pen width, the stored-geometry
// marker), the echo text, the model check (which fills `kinematics`).
#include <cstdint>
#include <string>

#include "common/records/dof_record.h"
#include "common/records/drawing_extents.h"
#include "common/records/frame_params.h"
#include "common/records/model_tables.h"
#include "geometry/generators/generator_input.h"
#include "geometry/model/kinematic_result.h"
#include "geometry/model/parabola_input.h"

namespace kelmf {

// What the editor keeps of the model operations. The editor owns these values
// and will add its own beside them.
struct EditorState {
  // StoreyFrameError: 1 after a limit was exceeded by the node rebuild or by
  // the storey-frame generator; the editor reads and clears it.
  std::int32_t storey_frame_error = 0;
  // DrawingScale: logical drawing units per metre; 100 before the first choice.
  int drawing_scale = 100;
  // EditorViewExtents: the extents of the view when it is not zoomed.
  common::DrawingExtents view_extents = common::DrawingExtents::Default();
  // The model was changed since it was last stored; storing the echo text clears it.
  bool model_changed = false;

  // Read at start from the settings folder: the pen width (KELMRDB), the
  // margin (FMARGIN) and the two values of FANGEN; their meaning is the view's.
  int pen_width = 1;
  float margin = 0.05f;
  float fangen[2] = {0.05f, 1.0f};
  // The position has a load case 1 (PL01).
  bool load_cases_exist = false;
  // The position had a geometry echo text at the last load.
  bool echo_found = false;
  // The path of an echo text that was not read into the model (refused, or
  // the position was in use): the first write of that path keeps the text
  // beside it (EchoBackupPath), so that the master copy is never replaced by
  // a frame that did not come from it. Empty when none.
  std::string unread_echo;
  // Cleared when the position has no GEOMETRY marker.
  bool geometry_stored = false;
  // The FrameParams checksum (ParamsChecksum) when the frame was last loaded or
  // stored: the New command compares it with the current one.
  std::uint32_t stored_checksum = 0;
  // Pictures drawn so far; a rebuild from the echo text after the first one
  // lets the next drawing recompute the extents.
  int pictures_drawn = 0;
};

struct FrameModel {
  common::FrameParams params;
  common::ElementTable elements;
  common::NodeTable nodes;
  common::NodeRefTable supports;  // LKNOTENR
  common::CrossSectionTable cross_sections;
  common::MaterialTable materials;
  // The extents of the model (EXTENSIOR, or EXTENSIOPOLESR while poles are shown).
  common::DrawingExtents extents = common::DrawingExtents::Default();
  // Equations 1..n of the frame, as numbered by the node rebuild (DOFSK).
  common::DofTable dofs;
  // The mechanism and the poles found by the kinematic check of the last Store.
  KinematicResult kinematics;
  // The last input of the parabola generator.
  ParabolaInput parabola;
  EditorState editor;
  // The inputs of the generators: the spans (DLT, count at 698) and the
  // storeys (RAHMENDAT, count at 700).
  SpanTable spans;
  StoreyTable storeys;
};

}  // namespace kelmf
