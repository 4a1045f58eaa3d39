#pragma once
// Text files as the programs wrote them on Windows: every line ends in CR LF on
// writing; readers accept CR LF, LF and a last line without an end.
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// Splits text into lines, stripping the line end (LF, CR LF, or a lone CR before
// LF). A last line without an end is a line; an empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);
// The same lines as views into `text`, which outlives them.
std::vector<std::string_view> SplitLineViews(std::string_view text);
// The bytes of a text file as they are, or nullopt when it cannot be opened.
std::optional<std::string> ReadText(const std::string& path);
// All lines of a file, or nullopt when it cannot be opened.
std::optional<std::vector<std::string>> ReadLines(const std::string& path);

// Reads a text file line by line without splitting long lines.
class LineReader {
 public:
  explicit LineReader(const std::string& path);
  ~LineReader();
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;

  bool is_open() const { return file_ != nullptr; }
  // The next line without its end; false at the end of the file. With a limit,
  // a longer line is cut to `limit` characters and the rest of it is skipped.
  bool Next(std::string& line, std::size_t limit = 0);

 private:
  std::FILE* file_ = nullptr;
};

// The one writer of text files: every "\n" becomes CR LF (a "\r\n" stays as it is).
class TextWriter {
 public:
  enum class Mode {
    kReplace,        // the fast rewrite of a file that a run writes afresh (a listing page)
    kAppend,         // appended at Close, whole or not at all (AppendWhole)
    kReplaceWhole,   // replaced at Close, whole or not at all (ReplaceWholeFile)
    kReplaceSynced,  // the same, synced to disk before it takes the name: the echo texts
  };
  TextWriter() = default;
  TextWriter(const std::string& path, Mode mode = Mode::kReplace) { Open(path, mode); }
  ~TextWriter();
  TextWriter(const TextWriter&) = delete;
  TextWriter& operator=(const TextWriter&) = delete;

  bool Open(const std::string& path, Mode mode = Mode::kReplace);
  // Writes to the end of `out` instead of a file, with the same line ends; `out` outlives the
  // writing.
  bool OpenText(std::string& out);
  bool is_open() const { return text_ != nullptr; }
  void Write(std::string_view text);
  void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void VPrintf(const char* format, va_list args);
  // Closes (and writes a file held for Close); false when any write failed.
  bool Close();

 private:
  std::string* text_ = nullptr;  // where the text goes: whole_, or the caller's string
  int over_fd_ = -1;              // kReplace: the file opened at Open, written over at Close
  std::int64_t over_old_size_ = 0;
  std::string whole_;      // the bytes of a file written at Close
  std::string whole_path_;  // that file, empty when none
  Mode whole_mode_ = Mode::kReplace;
  bool last_was_cr_ = false;
  bool failed_ = false;
};

// Writes a whole text file through the writer's line-end rule, in one block as WriteBlock does.
bool WriteTextFile(const std::string& path, std::string_view text);

}  // namespace plat
