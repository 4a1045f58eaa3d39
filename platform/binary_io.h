#pragma once
// Binary files: whole blocks and table files (int16 count + fixed-size records).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace plat {

std::optional<std::vector<std::byte>> ReadWholeFile(const std::string& path);
// Reads exactly `size` bytes from the start of the file; false when the file is
// missing or shorter.
bool ReadBlock(const std::string& path, void* data, std::size_t size);
// Reads up to `size` bytes; the number read, or nullopt when the file cannot be opened.
std::optional<std::size_t> ReadUpTo(const std::string& path, void* data, std::size_t size);
// Writes a result file that a run writes afresh: an existing file is opened as it is (a missing
// one made), the bytes written over from the start in one write, the file cut to their length
// when it was longer: four system calls. A file that cannot be written whole is removed. Files
// that no program can compute again go through ReplaceWholeFile (whole_file.h).
bool WriteBlock(const std::string& path, const void* data, std::size_t size);
// A part of a file's bytes, for a file written from several places in memory at once.
struct BlockPiece {
  const void* data;
  std::size_t size;
};
// WriteBlock of the pieces one after the other, gathered into one write.
bool WriteBlock(const std::string& path, std::span<const BlockPiece> pieces);
// Appends whole or not at all (AppendWhole).
bool AppendBlock(const std::string& path, const void* data, std::size_t size);

namespace detail {
// WriteBlock in two steps: the file opened (or made) with its old size, -1 when it cannot be or
// is no regular file; then the bytes written over, the file cut and closed (removed on failure).
int OpenToWriteOver(const std::string& path, std::int64_t& old_size);
bool FinishWriteOver(int fd, const std::string& path, std::int64_t old_size, const void* data, std::size_t size);
bool FinishWriteOver(int fd, const std::string& path, std::int64_t old_size, std::span<const BlockPiece> pieces);
}  // namespace detail

enum class TableState {
  kOk,       // count and records agree and fit the table
  kMissing,  // no file: an empty table
  kDamaged,  // the count is negative, beyond the capacity, or beyond the records present
};

struct TableFile {
  TableState state = TableState::kMissing;
  int declared = 0;  // the count the file claims
  int count = 0;     // the records actually read: min(declared, capacity, present)
  std::vector<std::byte> records;  // count * record size bytes
};

// Reads a table file; never reads past `capacity` records or past the end of the file.
TableFile ReadTableFile(const std::string& path, std::size_t record_size, int capacity);
// Writes the int16 count followed by `count` records from `records`, replacing the file whole.
bool WriteTableFile(const std::string& path, std::size_t record_size, int count,
                    std::span<const std::byte> records);

}  // namespace plat
