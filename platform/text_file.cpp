#include "platform/text_file.h"

#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

#include "platform/binary_io.h"
#include "platform/files.h"
#include "platform/whole_file.h"

namespace plat {

std::vector<std::string_view> SplitLineViews(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
    if (end == std::string_view::npos) end = text.size();
    std::size_t stop = end;
    while (stop > start && text[stop - 1] == '\r') --stop;
    lines.push_back(text.substr(start, stop - start));
    start = next;
  }
  return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
  const std::vector<std::string_view> views = SplitLineViews(text);
  return std::vector<std::string>(views.begin(), views.end());
}

std::optional<std::string> ReadText(const std::string& path) {
  // The whole file in a few reads.
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return std::nullopt;
  std::string text;
  char buffer[65536];
  std::size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  std::fclose(file);
  return text;
}

std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  const auto text = ReadText(path);
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

LineReader::LineReader(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {}

LineReader::~LineReader() {
  if (file_) std::fclose(file_);
}

bool LineReader::Next(std::string& line, std::size_t limit) {
  line.clear();
  if (!file_) return false;
  int c;
  bool any = false;
  while ((c = getc_unlocked(file_)) != EOF) {  // the reader's own file: no other thread uses it
    any = true;
    if (c == '\n') break;
    if (limit == 0 || line.size() < limit) line += static_cast<char>(c);
  }
  if (!any) return false;
  while (!line.empty() && line.back() == '\r') line.pop_back();
  return true;
}

TextWriter::~TextWriter() { Close(); }

bool TextWriter::Open(const std::string& path, Mode mode) {
  Close();
  failed_ = false;
  last_was_cr_ = false;
  if (mode == Mode::kReplace) {  // opened now, so that a file that cannot be written shows at once
    over_fd_ = detail::OpenToWriteOver(path, over_old_size_);
    if (over_fd_ < 0) return false;
  } else if (mode == Mode::kAppend) {  // made when missing, as an append always did; written at Close
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    ::close(fd);
  }
  whole_.clear();
  whole_path_ = path;
  whole_mode_ = mode;
  text_ = &whole_;
  return true;
}

bool TextWriter::OpenText(std::string& out) {
  Close();
  whole_path_.clear();
  failed_ = false;
  last_was_cr_ = false;
  text_ = &out;
  return true;
}

namespace {

// Appends text with every "\n" as CR LF; `last_was_cr` carries a CR at the end of a run over to
// the next call. Whole runs up to each line feed at once: listings of megabytes pass here.
void AppendCrLf(std::string& out, std::string_view text, bool& last_was_cr) {
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    const std::string_view run = text.substr(0, lf);
    if (!run.empty()) {
      out.append(run);
      last_was_cr = run.back() == '\r';
    }
    if (lf == std::string_view::npos) break;
    if (!last_was_cr) out += '\r';
    out += '\n';
    last_was_cr = false;
    text.remove_prefix(lf + 1);
  }
}

}  // namespace

void TextWriter::Write(std::string_view text) {
  if (!is_open()) return;
  AppendCrLf(*text_, text, last_was_cr_);
}

void TextWriter::Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  VPrintf(format, args);
  va_end(args);
}

void TextWriter::VPrintf(const char* format, va_list args) {
  char small[512];
  va_list copy;
  va_copy(copy, args);
  int n = std::vsnprintf(small, sizeof small, format, copy);
  va_end(copy);
  if (n < 0) {
    failed_ = true;
    return;
  }
  if (static_cast<std::size_t>(n) < sizeof small) {
    Write(std::string_view(small, static_cast<std::size_t>(n)));
    return;
  }
  std::string big(static_cast<std::size_t>(n) + 1, '\0');
  std::vsnprintf(big.data(), big.size(), format, args);
  big.resize(static_cast<std::size_t>(n));
  Write(big);
}

bool TextWriter::Close() {
  if (!text_) return !failed_;
  text_ = nullptr;
  if (!whole_path_.empty()) {
    const std::string path = std::exchange(whole_path_, std::string());
    const int fd = std::exchange(over_fd_, -1);
    if (whole_mode_ == Mode::kReplace) {
      // A switched fault fails the close, after the bytes went, as a failing close of a
      // streamed page would.
      const bool fault = detail::WriteFailsNow();
      if (failed_) {  // nothing written: an older page stays as it was, an empty new one goes
        ::close(fd);
        if (over_old_size_ == 0) ::unlink(path.c_str());
      } else {
        failed_ = !detail::FinishWriteOver(fd, path, over_old_size_, whole_.data(), whole_.size()) || fault;
      }
    } else if (!failed_) {
      failed_ = !(whole_mode_ == Mode::kAppend
                      ? AppendWhole(path, whole_.data(), whole_.size())
                      : ReplaceWholeFile(path, whole_, whole_mode_ == Mode::kReplaceSynced ? Sync::kYes : Sync::kNo));
    }
    whole_.clear();
  }
  return !failed_;
}

bool WriteTextFile(const std::string& path, std::string_view text) {
  // In one block, so that a file of the same size is written over in place (see WriteBlock).
  std::string bytes;
  bytes.reserve(text.size() + text.size() / 16);
  bool last_was_cr = false;
  AppendCrLf(bytes, text, last_was_cr);
  return WriteBlock(path, bytes.data(), bytes.size());
}

}  // namespace plat
