#pragma once
// Reading and writing PSCALA. A writer replaces the 100 bytes of the block and
// keeps whatever the file holds beyond them (the shell's own value).
#include <optional>
#include <string>

#include "common/records/print_scales.h"

namespace common {

// The block, or nullopt when the file is missing or shorter than 100 bytes.
std::optional<PrintScales> ReadPrintScalesFile(const std::string& path);
// Writes the block over the first 100 bytes; false when the file cannot be written.
bool WritePrintScalesFile(const std::string& path, const PrintScales& scales);

}  // namespace common
