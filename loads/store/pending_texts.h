#pragma once
// Text files that a rebuild of every load case keeps in memory while it stores the load cases one
// after the other, and writes once at its end: otherwise the echo text and the listing are read
// and written whole (through their work files) for every load case. Each file is held as the
// bytes it would have on disk. Without a PendingTexts (a null pointer) every call goes to the
// files at once.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_file.h"

namespace pundf {

class PendingTexts {
 public:
  // The bytes of a file held here; null when the file is not held.
  const std::string* Held(const std::string& path) const;
  // Holds `bytes` as the whole file.
  void Set(const std::string& path, std::string bytes);
  // Takes the file as missing until it is held (a rebuild writes it anew); the file on disk stays.
  void HoldMissing(const std::string& path);
  bool HeldMissing(const std::string& path) const { return missing_.contains(path); }
  // The text of a held file to append to: the file's bytes on disk first (none when it is missing).
  std::string& ForAppend(const std::string& path);
  const std::map<std::string, std::string>& files() const { return files_; }

 private:
  std::map<std::string, std::string> files_;
  std::set<std::string> missing_;
};

// Opens `writer` on the file as plat::TextWriter::Open does, or on its held text: replacing
// starts it empty, appending goes on after its bytes.
bool OpenTextFile(plat::TextWriter& writer, PendingTexts* pending, const std::string& path,
                  plat::TextWriter::Mode mode);
// Whether the file exists: held, or on disk.
bool TextFileExists(const PendingTexts* pending, const std::string& path);
// The lines of the file as plat::ReadLines gives them; nullopt when it cannot be read.
std::optional<std::vector<std::string>> TextFileLines(const PendingTexts* pending, const std::string& path);

}  // namespace pundf
