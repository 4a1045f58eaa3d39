#pragma once
// The start-up load of the geometry input: the model files of a position into
// the frame model, rebuilt from the echo text when the position has one.
#include "common/position/position.h"
#include "common/settings.h"
#include "geometry/model/frame_model.h"
#include "geometry/position/load_report.h"

namespace kelmf {

// In this order:
// 1. Write test: "TEST" + ext is created in the position folder and removed
//    again. When it cannot be created: "The file <path> cannot be stored!"
//    under "Does the directory <data path> exist?", ends_program, and nothing
//    else is done (the model stays as it was).
// 2. The position's lock (HoldEditorLock). While another program holds it the
//    load says so and writes nothing: no default table, no rebuild.
// 3. Defaults: FrameParams 496 = 0.16, 536 = 26700000, 716 = 50000; the
//    default material and cross section as tables of one.
// 4. The editor's settings (ReadEditorSettings).
// 5. PARAMR (a missing one keeps the defaults), whether PL01 exists, ELEMENTS,
//    NODES and LKNOTENR (missing: empty); CROSS and MATR (missing: the default,
//    written at once); the FrameParams counts set from the tables.
// 6. The drawing extents (ReadDrawingExtents).
// 7. With an echo text (CheckEchoFile): tolerance 1e-6, angle convention 1;
//    when the model files are all there and the text is the one they give
//    (EchoTextOf), nothing is rebuilt (its parabola input is read); else
//    LoadOldData(kEchoFile), and after a picture was drawn the extents of model
//    and view become the empty box (1000, 1000, -1000, -1000). An echo text
//    that was not read (refused, or the lock busy) leaves the model as its
//    files hold it: a hint says so, and editor.unread_echo keeps the text's
//    path for its first rewrite. Without an echo text: title cleared,
//    FrameParams 68 = -1, 108 = 20, 686 = 1, 496 = 0.16, tolerance 1e-6, angle
//    convention 1.
// 8. The FrameParams checksum as the stored one; no "GEOMETRY": the geometry
//    does not count as stored.
// A damaged file is reported by name and its table stays empty (or default);
// the load goes on. GEOMETRY, INVERSE, FLEXDIA and FLEXMAX change only when a
// model file is rewritten with other bytes (ModelFileWriter): opening a stored
// position leaves it stored and checked. The shell's "@G" asks for nothing
// beyond this.
LoadReport LoadPositionFiles(FrameModel& model, const common::Position& position,
                             const common::SettingsContext& settings);
// The same for a caller that holds the position's lock already.
LoadReport LoadPositionFilesLocked(FrameModel& model, const common::Position& position,
                                   const common::SettingsContext& settings);

// The sum of FrameParams bytes 1..743 (all but the first), by which the
// editor tells whether the frame changed since it was loaded or stored.
std::uint32_t ParamsChecksum(const common::FrameParams& params);

}  // namespace kelmf
