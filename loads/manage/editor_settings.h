#pragma once
// The load editor's settings files in the settings folder.
#include "common/result.h"
#include "common/settings.h"
#include "common/settings_files.h"

namespace pundf {

// The drawing pen width lies in 0..kMaxPenWidth.
using common::kMaxPenWidth;

// The pen width of PUNDRDB; 1 when the file is missing or its value lies
// outside 0..kMaxPenWidth.
int ReadPenWidth(const common::SettingsContext& settings);

// Writes the pen width as an int32 into PUNDRDB.
common::Result SavePenWidth(const common::SettingsContext& settings, int pen_width);

}  // namespace pundf
