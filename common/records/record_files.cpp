#include "common/records/record_files.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "platform/files.h"
#include "platform/whole_file.h"

namespace common {
namespace {

FileStatus Damaged(std::string problem) {
  return FileStatus{plat::TableState::kDamaged, std::move(problem)};
}

// Why `count` records cannot be taken from a file that holds `present`.
std::string CountProblem(long long count, int capacity, long long present) {
  if (count < 0) return "its count " + std::to_string(count) + " is negative";
  if (count > capacity) {
    return "it claims " + std::to_string(count) + " records, the table holds at most " + std::to_string(capacity);
  }
  return "it claims " + std::to_string(count) + " records and holds " + std::to_string(present);
}

// Takes min(count, capacity, present) records of `data` from byte `offset` on.
detail::RawRecords Take(const std::vector<std::byte>& data, std::size_t offset, std::size_t record_size,
                        int capacity, long long count) {
  detail::RawRecords raw;
  raw.status.state = plat::TableState::kOk;
  const long long present =
      data.size() > offset ? static_cast<long long>((data.size() - offset) / record_size) : 0;
  if (count < 0 || count > capacity || count > present) raw.status = Damaged(CountProblem(count, capacity, present));
  raw.count = static_cast<int>(std::max(0LL, std::min({count, static_cast<long long>(capacity), present})));
  const std::size_t n = static_cast<std::size_t>(raw.count) * record_size;
  if (n > 0) {
    raw.bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(offset),
                     data.begin() + static_cast<std::ptrdiff_t>(offset + n));
  }
  return raw;
}

}  // namespace

Result CheckFile(const std::string& path, const FileStatus& status) {
  if (!status.damaged()) return Result::Ok();
  return DamagedFile(path, status.problem);
}

Result DamagedFile(const std::string& path, const std::string& problem) {
  return Result::Fail("The file " + path + " is damaged: " + problem + ".", "Error");
}

namespace detail {

RawRecords ReadCounted(const std::string& path, std::size_t record_size, int capacity) {
  plat::TableFile file = plat::ReadTableFile(path, record_size, capacity);
  RawRecords raw;
  raw.status.state = file.state;
  raw.count = file.count;
  raw.bytes = std::move(file.records);
  if (file.state == plat::TableState::kDamaged) {
    const auto size = plat::FileSize(path).value_or(0);
    if (size < 2) {
      raw.status.problem = "it is shorter than its count";
    } else {
      const long long present = static_cast<long long>(size - 2) / static_cast<long long>(record_size);
      raw.status.problem = CountProblem(file.declared, capacity, present);
    }
  }
  return raw;
}

RawRecords ReadUncounted(const std::string& path, std::size_t offset, std::size_t record_size, int capacity,
                         int count) {
  auto data = plat::ReadWholeFile(path);
  if (!data) return RawRecords{};
  return Take(*data, offset, record_size, capacity, count);
}

RawRecords ReadInt32Counted(const std::string& path, std::size_t record_size, int capacity) {
  auto data = plat::ReadWholeFile(path);
  if (!data) return RawRecords{};
  if (data->size() < sizeof(std::int32_t)) {
    RawRecords raw;
    raw.status = Damaged("it is shorter than its count");
    return raw;
  }
  std::int32_t count;
  std::memcpy(&count, data->data(), sizeof count);
  return Take(*data, sizeof count, record_size, capacity, count);
}

FileStatus ReadBlock(const std::string& path, std::byte* data, std::size_t size) {
  auto n = plat::ReadUpTo(path, data, size);
  if (!n) return FileStatus{};
  if (*n < size) {
    return Damaged("it holds " + std::to_string(*n) + " bytes instead of " + std::to_string(size));
  }
  return FileStatus{plat::TableState::kOk, {}};
}

bool WriteBytes(const std::string& path, const std::vector<std::byte>& head, std::span<const std::byte> records) {
  std::vector<std::byte> data(head);
  data.insert(data.end(), records.begin(), records.end());
  return plat::ReplaceWholeFile(path, data.data(), data.size());
}

}  // namespace detail

TableRead<PrestressTable> ReadPrestressFile(const std::string& path) {
  return detail::ToTable<PrestressTable>(
      detail::ReadInt32Counted(path, PrestressEntry::kSize, PrestressTable::kCapacity));
}

TableRead<PrestressTable> ReadPrestressFile(const std::string& path, int count) {
  return detail::ToTable<PrestressTable>(
      detail::ReadUncounted(path, sizeof(std::int32_t), PrestressEntry::kSize, PrestressTable::kCapacity, count));
}

bool WritePrestressFile(const std::string& path, const PrestressTable& table) {
  const std::int32_t count = table.count();
  std::vector<std::byte> head(sizeof count);
  std::memcpy(head.data(), &count, sizeof count);
  return detail::WriteBytes(path, head, table.used_bytes());
}

}  // namespace common
