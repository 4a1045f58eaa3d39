#pragma once
// The settings of the geometry editor in the settings folder.
#include "common/result.h"
#include "common/settings.h"
#include "geometry/model/frame_model.h"

namespace kelmf {

// The pen width (KELMRDB, an int32; 1 when missing or out of range), the
// margin (FMARGIN, one number; 0.05) and the two numbers of FANGEN (0.05 and
// 1). Numbers are read as text in the "C" locale, separated by white space; a
// number that is missing or does not read keeps its default.
void ReadEditorSettings(EditorState& editor, const common::SettingsContext& settings);

// Writes the pen width into KELMRDB (an int32); a failure names the file.
common::Result WritePenWidth(const EditorState& editor, const common::SettingsContext& settings);

}  // namespace kelmf
