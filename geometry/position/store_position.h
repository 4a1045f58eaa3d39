#pragma once
// The Store command: every model file of the position, the echo text, the
// model check and the inverse of K.
#include "common/position/position.h"
#include "common/settings.h"
#include "geometry/check/check_report.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// What a store refuses before anything is written: a frame without elements
// ("The frame has no elements: there is nothing to store and check."), and
// elements that CheckElementsToWrite refuses.
common::Result CheckFrameToStore(const FrameModel& model);

// In this order: the position folder made when missing; "EXTR" in the settings
// folder with the position suffix (a 241-byte block; one that cannot be
// written is named after the store's own messages, the store goes on); the FrameParams checksum taken as the stored one;
// WriteDrawingExtents; RebuildNodes; WriteEchoFile into the position's echo
// text; FlexibilityDiagonal. A result of 0 writes the int32 1 into
// "GEOMETRY": the geometry counts as stored and the editor ends.
//
// Refused before anything is written (kModelCheckFailed, the message shown):
// what CheckFrameToStore refuses.
//
// Before the first model file is written, GEOMETRY becomes 0 (one that cannot
// be written stops the store there, nothing changed). A later step that fails (a file that cannot be written, an
// input error) is shown, the later steps do not run, and the result is
// kModelCheckFailed; a model check that fails leaves the same: no inverse,
// GEOMETRY 0. A "GEOMETRY" 1 that cannot be written at the end is shown and
// the result is kModelCheckFailed too, so that the store never counts as done
// without its marker.
//
// The store holds the position's lock (common::PositionLock) while it works; a
// lock that stays busy is shown and nothing is written.
CheckReport StorePosition(FrameModel& model, const common::Position& position,
                          const common::SettingsContext& settings);
// The same for a caller that holds the position's lock already.
CheckReport StorePositionLocked(FrameModel& model, const common::Position& position,
                                const common::SettingsContext& settings);

}  // namespace kelmf
