#include "platform/whole_file.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/testing/write_faults.h"

namespace plat {
namespace {

// A page of the page cache: a write within it is done whole or not at all.
constexpr std::size_t kOnePage = 4096;

std::atomic<long> g_writes{0};
std::atomic<long> g_failing_write{0};  // 0: no write fails

bool WriteAll(int fd, const void* data, std::size_t size) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t n = ::write(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// WriteNewFile without counting the write.
bool WriteNew(const std::string& path, const void* data, std::size_t size, Sync sync) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, data, size);
  if (ok && sync == Sync::kYes) ok = ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) ::unlink(path.c_str());
  return ok;
}

}  // namespace

namespace detail {

bool WriteFailsNow() {
  const long number = g_writes.fetch_add(1) + 1;
  return number == g_failing_write.load();
}

}  // namespace detail

namespace testing {
void FailFileWrite(long n) {
  g_writes = 0;
  g_failing_write = n;
}
long FileWritesSoFar() { return g_writes.load(); }
}  // namespace testing

std::string WorkFileOf(const std::string& path) { return path + "~"; }

namespace detail {

bool OverwriteSameSize(const std::string& path, const void* data, std::size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat st;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) == size;
  if (ok) ok = ::pwrite(fd, data, size, 0) == static_cast<ssize_t>(size);
  return ::close(fd) == 0 && ok;
}

}  // namespace detail

bool WriteNewFile(const std::string& path, const void* data, std::size_t size, Sync sync) {
  if (detail::WriteFailsNow()) {
    ::unlink(path.c_str());
    return false;
  }
  return WriteNew(path, data, size, sync);
}

bool ReplaceWholeFile(const std::string& path, const void* data, std::size_t size, Sync sync) {
  if (detail::WriteFailsNow()) return false;
  // A small record that keeps its size is written over in place by one write into the file's one
  // page: a kill cannot cut it, and a full disk has its blocks already.
  if (sync == Sync::kNo && size > 0 && size <= kOnePage && detail::OverwriteSameSize(path, data, size)) return true;
  const std::string work = WorkFileOf(path);
  if (!WriteNew(work, data, size, sync)) return false;
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {  // a folder in its place stays
    ::unlink(work.c_str());
    return false;
  }
  const bool moved = sync == Sync::kYes ? RenameFile(work, path) : MoveOntoFreedName(work, path);
  if (!moved && FileExists(path)) ::unlink(work.c_str());  // else the work file keeps the only copy
  return moved;
}

bool ReplaceWholeFile(const std::string& path, std::string_view bytes, Sync sync) {
  return ReplaceWholeFile(path, bytes.data(), bytes.size(), sync);
}

bool AppendWhole(const std::string& path, const void* data, std::size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  struct stat st;
  bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  if (ok) ok = !detail::WriteFailsNow() && WriteAll(fd, data, size);
  if (!ok && S_ISREG(st.st_mode)) {
    const int cut = ::ftruncate(fd, st.st_size);
    (void)cut;
  }
  return ::close(fd) == 0 && ok;
}

}  // namespace plat
