#include "loads/store/load_case_log.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "common/records/capacities.h"
#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace pundf {
namespace {

constexpr std::size_t kEntrySize = sizeof(std::int16_t);

struct Log {
  bool damaged = false;
  std::vector<int> numbers;
};

// The numbers of a log's bytes: what fits when its count claims more than it holds or than a
// log can hold.
Log Parse(const std::optional<std::string>& bytes) {
  Log log;
  if (!bytes) return log;
  if (bytes->size() < kEntrySize) {
    log.damaged = true;
    return log;
  }
  std::int16_t declared;
  std::memcpy(&declared, bytes->data(), kEntrySize);
  const std::size_t present = (bytes->size() - kEntrySize) / kEntrySize;
  int count = std::max(0, static_cast<int>(declared));
  log.damaged = declared < 0 || count > common::kMaxLoadCases || static_cast<std::size_t>(count) > present;
  count = std::min({count, common::kMaxLoadCases, static_cast<int>(present)});
  for (int k = 0; k < count; ++k) {
    std::int16_t n;
    std::memcpy(&n, bytes->data() + kEntrySize * (1 + static_cast<std::size_t>(k)), kEntrySize);
    log.numbers.push_back(n);
  }
  return log;
}

std::optional<std::string> DiskBytes(const std::string& path) {
  auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

}  // namespace

std::string LoadCaseLogBytes(const std::vector<int>& numbers) {
  const std::size_t count = std::min(numbers.size(), static_cast<std::size_t>(common::kMaxLoadCases));
  std::string bytes((1 + count) * kEntrySize, '\0');
  const auto n = static_cast<std::int16_t>(count);
  std::memcpy(bytes.data(), &n, kEntrySize);
  for (std::size_t k = 0; k < count; ++k) {
    const auto number = static_cast<std::int16_t>(numbers[k]);
    std::memcpy(bytes.data() + kEntrySize * (1 + k), &number, kEntrySize);
  }
  return bytes;
}

std::vector<int> ReadLoadCaseLog(const std::string& path) { return Parse(DiskBytes(path)).numbers; }

bool WriteLoadCaseLog(const std::string& path, const std::vector<int>& numbers) {
  if (numbers.size() > static_cast<std::size_t>(common::kMaxLoadCases)) return false;
  return plat::ReplaceWholeFile(path, LoadCaseLogBytes(numbers));
}

LogEntry UpdateLoadCaseLog(StagedFiles& staged, const std::string& path, int number,
                           std::vector<common::Result>& messages) {
  Log log = Parse(staged.Bytes(path));
  if (log.damaged) {
    messages.push_back(common::Result::Fail("The file " + path + " is damaged; it is written anew.", "Error"));
  }
  LogEntry entry;
  const auto it = std::find(log.numbers.begin(), log.numbers.end(), number);
  if (it != log.numbers.end()) {
    entry.found = true;
    if (it + 1 != log.numbers.end()) entry.following = *(it + 1);
    if (!log.damaged) return entry;
  } else if (static_cast<int>(log.numbers.size()) < common::kMaxLoadCases) {
    log.numbers.push_back(number);
  }
  staged.Set(path, LoadCaseLogBytes(log.numbers));
  return entry;
}

LogEntry UpdateD2LogW(StagedFiles& staged, const common::Position& position, int number,
                      std::vector<common::Result>& messages) {
  return UpdateLoadCaseLog(staged, position.FolderFile("D2LOGW"), number, messages);
}

LogEntry UpdateD2Log(StagedFiles& staged, const common::Position& position, int number,
                     std::vector<common::Result>& messages) {
  return UpdateLoadCaseLog(staged, position.FolderFile("D2LOG"), number, messages);
}

}  // namespace pundf
