#include "shell/positions/history.h"

#include <cstring>

#include "platform/binary_io.h"
#include "platform/clock.h"
#include "shell/files/replace_file.h"

namespace quentaris {

std::string StoredToArchiveText(std::string_view stored_geometry_echo) {
  return "Data stored in file " + std::string(stored_geometry_echo) + ".";
}

std::string ReadFromArchiveText(std::string_view geometry_echo) {
  return "Frame data read from file " + std::string(geometry_echo) + ".";
}

common::HistoryRecord MakeHistoryRecord(std::string_view text) {
  common::HistoryRecord record;
  record.set_time(plat::NowSeconds());
  record.set_flag(0);
  record.set_text(text);
  return record;
}

common::Result AppendHistoryRecord(const std::string& folder, std::string_view text) {
  const common::HistoryRecord record = MakeHistoryRecord(text);
  const std::string path = folder + kHistoryFile;
  if (!plat::AppendBlock(path, record.bytes().data(), record.kSize)) return CannotStore(path);
  return common::Result::Ok();
}

std::vector<common::HistoryRecord> ReadHistory(const std::string& path) {
  std::vector<common::HistoryRecord> records;
  const auto bytes = plat::ReadWholeFile(path);
  if (!bytes) return records;
  const std::size_t count = bytes->size() / common::HistoryRecord::kSize;
  records.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    std::memcpy(records[i].bytes().data(), bytes->data() + i * common::HistoryRecord::kSize,
                common::HistoryRecord::kSize);
    records[i].TerminateTextAt<12, 244>();
  }
  return records;
}

bool WriteHistory(const std::string& path, const std::vector<common::HistoryRecord>& records) {
  std::string bytes;
  bytes.reserve(records.size() * common::HistoryRecord::kSize);
  for (const common::HistoryRecord& record : records) {
    bytes.append(reinterpret_cast<const char*>(record.bytes().data()), record.kSize);
  }
  return ReplaceFileWhole(path, bytes);
}

}  // namespace quentaris
