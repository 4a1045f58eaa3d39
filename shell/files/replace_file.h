#pragma once
// The message of a shell write that failed; the writes themselves replace a file whole through
// plat::ReplaceWholeFile (written beside, renamed over, the old file kept on any failure).
#include <string>

#include "common/result.h"

namespace quentaris {

// "The file %s cannot be stored!": a write that failed.
common::Result CannotStore(const std::string& path);

}  // namespace quentaris
