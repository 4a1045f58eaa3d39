#pragma once
// Storing a position's geometry: the echo text and the files written with it.
#include <string>

#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// The name of the position's echo text in its folder: "ECHO_G" + ext + ".TXT".
std::string EchoFileName(const common::Position& position);
// The name of the echo text of the editor's echo command: "ECHO_G.TMP.TXT".
std::string EchoEditFileName();
// The same names with the position folder.
std::string EchoFilePath(const common::Position& position);
std::string EchoEditFilePath(const common::Position& position);
// Where the text of an echo that was not read is kept: "ECHO_G" + ext + ".BAK".
std::string EchoBackupPath(const common::Position& position);

// The store sequence, in this order: the echo text at `path` (WriteEchoSections;
// when `path` is the model's unread echo text, that text is first kept at
// EchoBackupPath, and the echo is not written when it cannot be);
// the dimension listing "D1.TXT"; "GRAFIKGO" (int32 1: show the frame in the
// results viewer); the support stiffness (FrameParams 704) and the equations
// numbered again, then "PARAMR" with the table counts; "DOFSK"; "ELEMENTS" with
// EA and EI (these three through a ModelFileWriter: one that changes gives up
// the stored geometry; PARAMR as ModelFileWriter::Params); "FILES" with the line of the dimension listing when the
// position has none (an existing one is left as it is). Every step runs; the
// first failure is returned (a file that cannot be written is named). On
// success the model counts as stored (editor.model_changed cleared).
common::Result WriteEchoFile(const std::string& path, FrameModel& model, const common::Position& position);

}  // namespace kelmf
