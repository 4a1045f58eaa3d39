#pragma once
// Where a pass works: the position from EXTR, the data path from DPATH (both in
// the settings folder), the position folder and the developer trace folder.
#include "Quon/run/run.h"
#include "common/result.h"
#include "common/settings.h"

namespace zedir {

// Settings value files of the shell.
inline constexpr const char* kPositionExtFile = "EXTR";
inline constexpr const char* kDataPathFile = "DPATH";
// A developer marker in the settings folder that switches on the trace folder.
inline constexpr const char* kTraceMarkerFile = "ZEDIRTRACE";
inline constexpr const char* kTraceFolder = "TRACE";

// EXTR when it opens gives the position (a leading dot is dropped; a missing
// EXTR keeps the position of the previous pass); DPATH is required. A missing
// or empty DPATH ends the run.
common::Result FindPosition(Run& run, const common::SettingsContext& settings);

}  // namespace zedir
