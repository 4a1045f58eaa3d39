#pragma once
// The check of a file the run cannot do without.
#include <string>

#include "common/result.h"

namespace zedir {

// Success when the file opens for reading, else " The file <path> does not exist ".
common::Result RequireFile(const std::string& path);

}  // namespace zedir
