#include "platform/binary_io.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/whole_file.h"

namespace plat {
namespace {
struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File Open(const std::string& path, const char* mode) { return File(std::fopen(path.c_str(), mode)); }

}  // namespace

std::optional<std::vector<std::byte>> ReadWholeFile(const std::string& path) {
  File f = Open(path, "rb");
  if (!f) return std::nullopt;
  std::vector<std::byte> data;
  std::byte buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) data.insert(data.end(), buffer, buffer + n);
  if (std::ferror(f.get())) return std::nullopt;
  return data;
}

bool ReadBlock(const std::string& path, void* data, std::size_t size) {
  auto n = ReadUpTo(path, data, size);
  return n && *n == size;
}

std::optional<std::size_t> ReadUpTo(const std::string& path, void* data, std::size_t size) {
  File f = Open(path, "rb");
  if (!f) return std::nullopt;
  return std::fread(data, 1, size, f.get());
}

namespace detail {

int OpenToWriteOver(const std::string& path, std::int64_t& old_size) {
  // An existing file is opened as it is: opening to create takes the folder's lock, on which
  // every other file being opened in that folder would wait.
  int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) {
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      old_size = 0;  // new, and a regular file: nothing to ask of it
      return fd;
    }
    if (errno == EEXIST) fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);  // made meanwhile
  }
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  old_size = st.st_size;
  return fd;
}

namespace {

// Writes the pieces from the start of the file, gathered into as few writes as the system takes.
bool WritePieces(int fd, std::span<const BlockPiece> pieces) {
  std::vector<iovec> left;
  left.reserve(pieces.size());
  for (const BlockPiece& piece : pieces) {
    if (piece.size > 0) left.push_back(iovec{const_cast<void*>(piece.data), piece.size});
  }
  off_t offset = 0;
  for (std::size_t first = 0; first < left.size();) {
    const int count = static_cast<int>(std::min<std::size_t>(left.size() - first, IOV_MAX));
    ssize_t n = ::pwritev(fd, left.data() + first, count, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    offset += n;
    // Past the pieces written whole, into the one written in part.
    while (first < left.size() && static_cast<std::size_t>(n) >= left[first].iov_len) {
      n -= static_cast<ssize_t>(left[first].iov_len);
      ++first;
    }
    if (first < left.size()) {
      left[first].iov_base = static_cast<char*>(left[first].iov_base) + n;
      left[first].iov_len -= static_cast<std::size_t>(n);
    }
  }
  return true;
}

}  // namespace

bool FinishWriteOver(int fd, const std::string& path, std::int64_t old_size, std::span<const BlockPiece> pieces) {
  std::size_t size = 0;
  for (const BlockPiece& piece : pieces) size += piece.size;
  bool ok = WritePieces(fd, pieces);
  // Cut a longer old file to the new length, after the write: never to nothing first (ext4 writes
  // the data of a file cut to nothing out at close).
  if (ok && old_size > static_cast<std::int64_t>(size)) ok = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(path.c_str());  // no cut file stays behind
  return ok;
}

bool FinishWriteOver(int fd, const std::string& path, std::int64_t old_size, const void* data, std::size_t size) {
  const BlockPiece piece{data, size};
  return FinishWriteOver(fd, path, old_size, std::span<const BlockPiece>(&piece, 1));
}

}  // namespace detail

bool WriteBlock(const std::string& path, const void* data, std::size_t size) {
  const BlockPiece piece{data, size};
  return WriteBlock(path, std::span<const BlockPiece>(&piece, 1));
}

bool WriteBlock(const std::string& path, std::span<const BlockPiece> pieces) {
  if (detail::WriteFailsNow()) return false;
  std::int64_t old_size = 0;
  const int fd = detail::OpenToWriteOver(path, old_size);
  return fd >= 0 && detail::FinishWriteOver(fd, path, old_size, pieces);
}

bool AppendBlock(const std::string& path, const void* data, std::size_t size) {
  return AppendWhole(path, data, size);
}

TableFile ReadTableFile(const std::string& path, std::size_t record_size, int capacity) {
  TableFile table;
  auto bytes = ReadWholeFile(path);
  if (!bytes) return table;
  table.state = TableState::kOk;
  if (bytes->size() < 2) {
    table.state = TableState::kDamaged;
    return table;
  }
  std::int16_t declared;
  std::memcpy(&declared, bytes->data(), 2);
  table.declared = declared;
  const std::size_t present = record_size == 0 ? 0 : (bytes->size() - 2) / record_size;
  int count = std::max(0, static_cast<int>(declared));
  if (declared < 0 || count > capacity || static_cast<std::size_t>(count) > present) {
    table.state = TableState::kDamaged;
  }
  count = std::min({count, std::max(0, capacity), static_cast<int>(std::min<std::size_t>(present, 32767))});
  table.count = count;
  table.records.assign(bytes->begin() + 2, bytes->begin() + 2 + static_cast<std::ptrdiff_t>(count * record_size));
  return table;
}

bool WriteTableFile(const std::string& path, std::size_t record_size, int count,
                    std::span<const std::byte> records) {
  if (count < 0 || count > 32767 || records.size() < static_cast<std::size_t>(count) * record_size) return false;
  std::vector<std::byte> data(2 + static_cast<std::size_t>(count) * record_size);
  const std::int16_t n = static_cast<std::int16_t>(count);
  std::memcpy(data.data(), &n, 2);
  if (count > 0) std::memcpy(data.data() + 2, records.data(), static_cast<std::size_t>(count) * record_size);
  return ReplaceWholeFile(path, data.data(), data.size());
}

}  // namespace plat
