#pragma once
// Reading and writing the position's record files: table files (int16 count,
// then records), record files without a count, single blocks, and PRESTRESS
// (int32 count, then entries). Every write replaces the file whole or not at
// all (plat::ReplaceWholeFile): a failed one leaves the old file. A read never
// goes past the table or the file; a count beyond the capacity or beyond the
// records present, or a number that is not finite where a record keeps its
// numbers, marks the file as damaged, and the caller reports it (CheckFile)
// instead of computing with it.
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "common/records/load_tables.h"
#include "common/records/number_runs.h"
#include "common/result.h"
#include "platform/binary_io.h"
#include "platform/whole_file.h"

namespace common {

struct FileStatus {
  plat::TableState state = plat::TableState::kMissing;
  std::string problem;  // what is wrong with a damaged file, for the message

  bool ok() const { return state == plat::TableState::kOk; }
  bool missing() const { return state == plat::TableState::kMissing; }
  bool damaged() const { return state == plat::TableState::kDamaged; }
};

// Success unless the file is damaged; then the message names the file.
Result CheckFile(const std::string& path, const FileStatus& status);
// "The file <path> is damaged: <problem>." with the caption "Error".
Result DamagedFile(const std::string& path, const std::string& problem);

template <class Tab>
struct TableRead {
  Tab table;  // the records that fit the table and the file (empty when missing)
  FileStatus status;
};

template <class R>
struct BlockRead {
  R record;  // zero when missing; what was present when damaged (too short)
  FileStatus status;
};

namespace detail {

struct RawRecords {
  FileStatus status;
  int count = 0;  // records in `bytes`
  std::vector<std::byte> bytes;
};

RawRecords ReadCounted(const std::string& path, std::size_t record_size, int capacity);
// `count` records of the file from byte `offset` on.
RawRecords ReadUncounted(const std::string& path, std::size_t offset, std::size_t record_size, int capacity,
                         int count);
// The int32 count at the start of the file, then that many records.
RawRecords ReadInt32Counted(const std::string& path, std::size_t record_size, int capacity);
FileStatus ReadBlock(const std::string& path, std::byte* data, std::size_t size);
bool WriteBytes(const std::string& path, const std::vector<std::byte>& head, std::span<const std::byte> records);

template <class R>
void TerminateTexts(R& record) {
  if constexpr (requires { record.TerminateTexts(); }) record.TerminateTexts();
}

// A record read whole whose numbers are not all finite marks the file as
// damaged (the first problem found stays); `where` names the record.
template <class R>
void CheckNumbers(const R& record, const std::string& where, FileStatus& status) {
  if (status.damaged()) return;
  if (const auto at = FirstNonFiniteNumber(record)) {
    status.state = plat::TableState::kDamaged;
    status.problem = where + " holds a number that is not finite at byte " + std::to_string(*at);
  }
}

template <class Tab>
TableRead<Tab> ToTable(RawRecords raw) {
  TableRead<Tab> read;
  read.status = std::move(raw.status);
  const std::size_t size = Tab::Record::kSize;
  read.table.SetCount(raw.count);
  for (int k = 1; k <= raw.count; ++k) {
    auto& record = read.table[k];
    std::memcpy(record.bytes().data(), raw.bytes.data() + static_cast<std::size_t>(k - 1) * size, size);
    TerminateTexts(record);
    CheckNumbers(record, "record " + std::to_string(k), read.status);
  }
  return read;
}

}  // namespace detail

// A table file: int16 count, then the records. A missing file is an empty table.
template <class Tab>
[[nodiscard]] TableRead<Tab> ReadTable(const std::string& path) {
  return detail::ToTable<Tab>(detail::ReadCounted(path, Tab::Record::kSize, Tab::kCapacity));
}
template <class Tab>
bool WriteTable(const std::string& path, const Tab& table) {
  return plat::WriteTableFile(path, Tab::Record::kSize, table.count(), table.used_bytes());
}

// A file of records without a count field, whose count is known elsewhere:
// records 1..count; surplus records in the file are ignored.
template <class Tab>
[[nodiscard]] TableRead<Tab> ReadRecords(const std::string& path, int count) {
  return detail::ToTable<Tab>(detail::ReadUncounted(path, 0, Tab::Record::kSize, Tab::kCapacity, count));
}
template <class Tab>
bool WriteRecords(const std::string& path, const Tab& table) {
  return detail::WriteBytes(path, {}, table.used_bytes());
}

// A file of one block; a shorter file is damaged, surplus bytes are ignored.
template <class R>
[[nodiscard]] BlockRead<R> ReadBlockRecord(const std::string& path) {
  BlockRead<R> read;
  read.status = detail::ReadBlock(path, read.record.bytes().data(), R::kSize);
  detail::TerminateTexts(read.record);
  if (read.status.ok()) detail::CheckNumbers(read.record, "it", read.status);
  return read;
}
template <class R>
bool WriteBlockRecord(const std::string& path, const R& record) {
  return plat::ReplaceWholeFile(path, record.bytes().data(), R::kSize);
}

// PRESTRESS with the count of the file.
[[nodiscard]] TableRead<PrestressTable> ReadPrestressFile(const std::string& path);
// PRESTRESS with the count kept elsewhere (the file's own count is skipped).
[[nodiscard]] TableRead<PrestressTable> ReadPrestressFile(const std::string& path, int count);
bool WritePrestressFile(const std::string& path, const PrestressTable& table);

}  // namespace common
