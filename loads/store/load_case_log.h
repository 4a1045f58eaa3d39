#pragma once
// D2LOGW and D2LOG: the load-case numbers in the order of their first store
// (int16 count, then the numbers). D2LOGW tells whether a load case has a
// section in the listing D2.TXT, D2LOG whether it has an entry in the echo text.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "loads/store/staged_files.h"

namespace pundf {

struct LogEntry {
  bool found = false;
  int following = 0;  // the number after it in the log; 0 when it is the last or new
};

// Looks `number` up in the log file at `path` as the staging sees it; a number
// not yet there is appended (a missing file is made) in the staging. A damaged
// log adds a message to `messages` and is staged anew from the numbers it still
// holds.
LogEntry UpdateLoadCaseLog(StagedFiles& staged, const std::string& path, int number,
                           std::vector<common::Result>& messages);

LogEntry UpdateD2LogW(StagedFiles& staged, const common::Position& position, int number,
                      std::vector<common::Result>& messages);
LogEntry UpdateD2Log(StagedFiles& staged, const common::Position& position, int number,
                     std::vector<common::Result>& messages);

// The numbers of a log file (empty when it is missing; what fits when damaged).
std::vector<int> ReadLoadCaseLog(const std::string& path);

// Writes a log file with these numbers (at most 99); false when it cannot be written.
bool WriteLoadCaseLog(const std::string& path, const std::vector<int>& numbers);
// The bytes of a log file of these numbers (the first 99).
std::string LoadCaseLogBytes(const std::vector<int>& numbers);

}  // namespace pundf
