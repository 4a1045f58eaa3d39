#pragma once
// D2LOGW and D2LOG: the load-case numbers in the order of their first store
// (int16 count, then the numbers). D2LOGW tells whether a load case has a
// section in the listing D2.TXT, D2LOG whether it has an entry in the echo text.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"

namespace pundf {

struct LogEntry {
  bool found = false;
  int following = 0;  // the number after it in the log; 0 when it is the last or new
};

// Looks `number` up in the log file at `path`; a number not yet there is
// appended (a missing file is created). A damaged log adds a message to
// `messages` and is rewritten from the numbers it still holds.
LogEntry UpdateLoadCaseLog(const std::string& path, int number, std::vector<common::Result>& messages);

LogEntry UpdateD2LogW(const common::Position& position, int number, std::vector<common::Result>& messages);
LogEntry UpdateD2Log(const common::Position& position, int number, std::vector<common::Result>& messages);

// The numbers of a log file (empty when it is missing; what fits when damaged).
std::vector<int> ReadLoadCaseLog(const std::string& path);

// Writes a log file with these numbers (at most 99); false when it cannot be written.
bool WriteLoadCaseLog(const std::string& path, const std::vector<int>& numbers);

}  // namespace pundf
