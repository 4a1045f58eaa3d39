#pragma once
// The history of data paths, PATHHIST.TXT in the settings folder: one path a
// line, oldest first, each line ended by CR LF (read with any line end). A rewrite goes through
// PATHTEMPX beside it, which then takes the history's name.
#include <string>
#include <vector>

namespace quentaris {

inline constexpr const char* kPathHistoryFile = "PATHHIST.TXT";
inline constexpr const char* kPathHistoryTemp = "PATHTEMPX";

// The paths of the history (`history` is the file's path), without line ends;
// empty when the file is missing.
std::vector<std::string> ReadPathHistory(const std::string& history);
// Rewrites the history with `paths` through `temp`; false when a write fails.
bool WritePathHistory(const std::string& history, const std::string& temp, const std::vector<std::string>& paths);
// Appends `path` unless a line already holds it (then the file stays as it is).
bool AddToPathHistory(const std::string& history, const std::string& temp, const std::string& path);

}  // namespace quentaris
