#pragma once
// Files that a later run reads and no program can compute again are replaced whole or not at all:
// the new bytes go to a work file beside the file (its name + "~"), are checked, and only then take
// the file's name; on any failure the old file stays as it was and the work file is removed.
// Appends are whole or nothing as well: a failed append cuts the file back to its old length.
#include <cstddef>
#include <string>
#include <string_view>

namespace plat {

enum class Sync {
  kNo,   // the data may stay in the cache: what can be rebuilt from the master copies
  kYes,  // synced to disk before it takes the name: the master copies (echo texts)
};

// The work file that ReplaceWholeFile writes beside `path`.
std::string WorkFileOf(const std::string& path);

// Creates (or truncates) `path` and writes the bytes, synced with Sync::kYes. False, with the
// file removed, when any step fails.
bool WriteNewFile(const std::string& path, const void* data, std::size_t size, Sync sync = Sync::kNo);

// Replaces `path` whole: the bytes go to WorkFileOf(path) and then take the name (with Sync::kYes
// by an atomic rename over the old file; otherwise the old name is freed first, which keeps a
// rewritten file's data in the cache). A small record (at most a page) that keeps its size is
// written over in place by one write instead, which a kill cannot cut. False, with the old file
// untouched, when anything fails.
bool ReplaceWholeFile(const std::string& path, const void* data, std::size_t size, Sync sync = Sync::kNo);
bool ReplaceWholeFile(const std::string& path, std::string_view bytes, Sync sync = Sync::kNo);

// Appends the bytes to the file (made when missing); on a failure the file is cut back to the
// length it had, so that no part of the bytes stays.
bool AppendWhole(const std::string& path, const void* data, std::size_t size);

namespace detail {
// Counts one file write of the process; true when plat::testing's switch makes this one fail.
bool WriteFailsNow();
// Writes over a regular file that holds exactly `size` bytes, where it lies: no new file and no
// truncation. False, with nothing written, for any other file.
bool OverwriteSameSize(const std::string& path, const void* data, std::size_t size);
}  // namespace detail

}  // namespace plat
