#include "platform/binary_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
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
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  struct stat st;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return -1;
  }
  old_size = st.st_size;
  return fd;
}

bool FinishWriteOver(int fd, const std::string& path, std::int64_t old_size, const void* data, std::size_t size) {
  const char* p = static_cast<const char*>(data);
  bool ok = true;
  for (std::size_t done = 0; ok && done < size;) {
    const ssize_t n = ::pwrite(fd, p + done, size - done, static_cast<off_t>(done));
    if (n < 0 && errno == EINTR) continue;
    ok = n > 0;
    if (ok) done += static_cast<std::size_t>(n);
  }
  // Cut a longer old file to the new length, after the write: never to nothing first (ext4 writes
  // the data of a file cut to nothing out at close).
  if (ok && old_size > static_cast<std::int64_t>(size)) ok = ::ftruncate(fd, static_cast<off_t>(size)) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(path.c_str());  // no cut file stays behind
  return ok;
}

}  // namespace detail

bool WriteBlock(const std::string& path, const void* data, std::size_t size) {
  if (detail::WriteFailsNow()) return false;
  std::int64_t old_size = 0;
  const int fd = detail::OpenToWriteOver(path, old_size);
  return fd >= 0 && detail::FinishWriteOver(fd, path, old_size, data, size);
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
