#pragma once
// Rebuilding the model files from the geometry echo text.
#include "common/position/position.h"
#include "geometry/model/frame_model.h"
#include "geometry/position/load_report.h"

namespace kelmf {

// The text inputs of LoadOldData.
enum class TextInput {
  kEchoFile = 3,    // "ECHO_G" + ext + ".TXT", else "ECHO_G" + ext
  kEditedEcho = 4,  // "ECHO_G.TMP.TXT" of the editor's echo command
};

// 3 when the position's echo text "ECHO_G" + ext + ".TXT" exists and is not
// empty, else 0.
int CheckEchoFile(const common::Position& position);

// Rebuilds the model and its files from a text of the position folder:
// FrameParams reset, then PARAMR read over it when present; the text read and
// converted (ConvertTextInput, which gives up the stored geometry only when a
// model file comes out changed); the drawing extents read. A text that is
// missing or does not convert is reported, the model stays as it was (but for
// FrameParams) and the other steps still run; rebuilt_from_echo tells whether
// the conversion was done. The caller holds the position's lock.
LoadReport LoadOldData(FrameModel& model, const common::Position& position, TextInput input);

}  // namespace kelmf
