#pragma once
// The free texts: the places of the load labels of a load case, kept in
// TEXTTEMP0<lc>, TEXTLINE0<lc> and TEXTPUNKT0<lc> of the position folder as
// 12-byte entries {x, z, placed}, until the loads of the load case are edited.
#include <cstdint>
#include <string>

#include "graphics/picture/picture_state.h"
#include "graphics/state/viewer_state.h"

namespace revuzavi {

// The modification time of a file in nanoseconds; 0 when it cannot be read.
std::int64_t FileModificationTime(const std::string& path);

// Writes the files of the current load case whose loads are present.
void SaveFreeTexts(const ViewerState& state, const LabelTables& labels);

// Reads the files of the current load case. Line-load and point-load places
// older than the load case's PL file are stale (unless GETTEXTS exists in the
// settings folder): their placed markers are cleared. Entries a short file
// does not hold count as unplaced.
void ReadFreeTexts(const ViewerState& state, LabelTables& labels);

// The name of a free-text file of the current load case: "TEXTLINE01".
std::string FreeTextFile(const ViewerState& state, const char* base);

}  // namespace revuzavi
