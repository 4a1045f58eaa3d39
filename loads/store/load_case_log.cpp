#include "loads/store/load_case_log.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/records/capacities.h"
#include "common/records/record_files.h"
#include "platform/binary_io.h"

namespace pundf {
namespace {

constexpr std::size_t kEntrySize = sizeof(std::int16_t);

struct Log {
  plat::TableFile file;
  std::vector<int> numbers;
};

Log Read(const std::string& path) {
  Log log;
  log.file = plat::ReadTableFile(path, kEntrySize, common::kMaxLoadCases);
  for (int k = 0; k < log.file.count; ++k) {
    std::int16_t n;
    std::memcpy(&n, log.file.records.data() + k * kEntrySize, kEntrySize);
    log.numbers.push_back(n);
  }
  return log;
}

bool Write(const std::string& path, const std::vector<int>& numbers) {
  std::vector<std::byte> records(numbers.size() * kEntrySize);
  for (std::size_t k = 0; k < numbers.size(); ++k) {
    const auto n = static_cast<std::int16_t>(numbers[k]);
    std::memcpy(records.data() + k * kEntrySize, &n, kEntrySize);
  }
  return plat::WriteTableFile(path, kEntrySize, static_cast<int>(numbers.size()), records);
}

}  // namespace

std::vector<int> ReadLoadCaseLog(const std::string& path) { return Read(path).numbers; }

bool WriteLoadCaseLog(const std::string& path, const std::vector<int>& numbers) {
  if (numbers.size() > static_cast<std::size_t>(common::kMaxLoadCases)) return false;
  return Write(path, numbers);
}

LogEntry UpdateLoadCaseLog(const std::string& path, int number, std::vector<common::Result>& messages) {
  Log log = Read(path);
  const bool damaged = log.file.state == plat::TableState::kDamaged;
  if (damaged) {
    messages.push_back(common::Result::Fail("The file " + path + " is damaged; it is written anew.", "Error"));
  }
  LogEntry entry;
  const auto it = std::find(log.numbers.begin(), log.numbers.end(), number);
  if (it != log.numbers.end()) {
    entry.found = true;
    if (it + 1 != log.numbers.end()) entry.following = *(it + 1);
    if (!damaged) return entry;
  } else if (static_cast<int>(log.numbers.size()) < common::kMaxLoadCases) {
    log.numbers.push_back(number);
  }
  if (!Write(path, log.numbers)) {
    messages.push_back(common::Result::Fail("The file " + path + " cannot be written.", "Error"));
  }
  return entry;
}

LogEntry UpdateD2LogW(const common::Position& position, int number, std::vector<common::Result>& messages) {
  return UpdateLoadCaseLog(position.FolderFile("D2LOGW"), number, messages);
}

LogEntry UpdateD2Log(const common::Position& position, int number, std::vector<common::Result>& messages) {
  return UpdateLoadCaseLog(position.FolderFile("D2LOG"), number, messages);
}

}  // namespace pundf
