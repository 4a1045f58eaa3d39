#pragma once
// The files of a store held as the bytes they are to have, and put in place together. Every step
// of a store reads the files through the staging (a file staged earlier is read as staged) and
// stages what it writes; Commit then writes each staged file beside its own and, only when every
// one is written, gives them their names in the order they were first staged. A failure leaves
// every file as it was. A rebuild of every load case stages all its stores in one staging.
//
// Without a StagedFiles (a null pointer) the text helpers below go to the files at once.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/result.h"
#include "platform/text_file.h"
#include "platform/whole_file.h"

namespace pundf {

class StagedFiles {
 public:
  // The bytes staged for a file; null when it is not staged.
  const std::string* Held(const std::string& path) const;
  // Stages `bytes` as the whole file. A file staged again keeps its place in the order; a synced
  // file stays synced.
  void Set(const std::string& path, std::string bytes, plat::Sync sync = plat::Sync::kNo);
  // The staged bytes to append to, staged now when they were not: the file's bytes on disk first
  // (none when it is missing).
  std::string& ForAppend(const std::string& path, plat::Sync sync = plat::Sync::kNo);
  // The file as the staging sees it: staged, or its bytes on disk (nullopt when missing or unreadable).
  std::optional<std::string> Bytes(const std::string& path) const;
  bool Exists(const std::string& path) const;
  // Whether the staging can give the file's bytes: staged, missing, or read from disk.
  bool Readable(const std::string& path) const;
  // Takes a file out of the staging again: it stays as it is on disk.
  void Drop(const std::string& path);
  bool empty() const { return files_.empty(); }

  // Writes every staged file beside its own (its name + "~", synced where staged so), then gives
  // each its name; a file not synced that holds the staged bytes already is left as it is. A work file that cannot be written, or a name that cannot be taken, leaves
  // every file as it was before (those renamed already get their old bytes back) and names the
  // file: "The file <path> cannot be written." (caption "Error"). The staging is empty afterwards.
  common::Result Commit();

 private:
  struct File {
    std::string path;
    std::string bytes;
    plat::Sync sync = plat::Sync::kNo;
  };
  File* Find(const std::string& path);
  const File* Find(const std::string& path) const;

  std::vector<File> files_;
};

// "The file <path> cannot be written." (caption "Error").
common::Result CannotWrite(const std::string& path);

// Whether the file exists: staged, or on disk.
bool TextFileExists(const StagedFiles* staged, const std::string& path);
// The bytes of the file as plat::ReadText gives them; nullopt when it cannot be read.
std::optional<std::string> TextFileBytes(const StagedFiles* staged, const std::string& path);
// The lines of the file as plat::ReadLines gives them; nullopt when it cannot be read.
std::optional<std::vector<std::string>> TextFileLines(const StagedFiles* staged, const std::string& path);
// A text in the files' line ends (CR LF).
std::string TextBytes(std::string_view text);

}  // namespace pundf
