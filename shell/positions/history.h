#pragma once
// The history of a position: TTABLE in its folder (no extension), one 256-byte HistoryRecord per
// event, appended by the shell (archive store and load, clone, reset) and by the load input.
#include <string>
#include <string_view>
#include <vector>

#include "common/records/history_record.h"
#include "common/result.h"

namespace quentaris {

inline constexpr const char* kHistoryFile = "TTABLE";

// The texts of the shell's events.
std::string StoredToArchiveText(std::string_view stored_geometry_echo);  // "Data stored in file %s."
std::string ReadFromArchiveText(std::string_view geometry_echo);         // "Frame data read from file %s."
inline constexpr const char* kResetText = "Position zur\xFC" "ckgesetzt.";

// A record of now, flag 0 and the text (cut to 243 bytes).
common::HistoryRecord MakeHistoryRecord(std::string_view text);

// Appends MakeHistoryRecord(text) to <folder>TTABLE; a failure names the file.
common::Result AppendHistoryRecord(const std::string& folder, std::string_view text);

// The whole records of a TTABLE (a partial last record is dropped), texts terminated; empty when
// the file is missing.
std::vector<common::HistoryRecord> ReadHistory(const std::string& path);

// Replaces the TTABLE whole with the records; false when it cannot be written (the old file stays).
bool WriteHistory(const std::string& path, const std::vector<common::HistoryRecord>& records);

}  // namespace quentaris
