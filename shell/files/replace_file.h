#pragma once
// The one place where the shell replaces a file that no program can compute again (TTABLE, FILES,
// the echo texts): the bytes go to a work file beside it (its name + "~") and take the file's name
// only when written whole; on any failure the old file stays as it was.
#include <string>
#include <string_view>

#include "common/result.h"

namespace quentaris {

enum class SyncToDisk {
  kNo,
  kYes,  // the master copies (echo texts): on the disk before they take the name
};

bool ReplaceFileWhole(const std::string& path, std::string_view bytes, SyncToDisk sync = SyncToDisk::kNo);

// "The file %s cannot be stored!": a write that failed.
common::Result CannotStore(const std::string& path);

}  // namespace quentaris
