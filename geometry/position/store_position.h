#pragma once
// The Store command: every model file of the position, the echo text, the
// model check and the inverse of K.
#include "common/position/position.h"
#include "common/settings.h"
#include "geometry/check/check_report.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// In this order: the position folder made when missing; "EXTR" in the settings
// folder with the position suffix (a 241-byte block; skipped silently when it
// cannot be written); the FrameParams checksum taken as the stored one;
// WriteDrawingExtents; RebuildNodes; WriteEchoFile into the position's echo
// text; FlexibilityDiagonal. A result of 0 writes the int32 1 into
// "GEOMETRY": the geometry counts as stored and the editor ends.
//
// A step before the model check that fails (a folder that cannot be made, a
// file that cannot be written, an input error) is shown, the later steps do
// not run, INVERSE, FLEXDIA and FLEXMAX are removed (they belong to another
// model now) and the result is kModelCheckFailed. A "GEOMETRY" that cannot be
// written is shown and the result is kModelCheckFailed too, so that the store
// never counts as done without its marker.
//
// The store holds the position's lock (common::PositionLock) while it works; a
// lock that stays busy is shown and nothing is written.
CheckReport StorePosition(FrameModel& model, const common::Position& position,
                          const common::SettingsContext& settings);
// The same for a caller that holds the position's lock already.
CheckReport StorePositionLocked(FrameModel& model, const common::Position& position,
                                const common::SettingsContext& settings);

}  // namespace kelmf
