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

// PSCALA as the shell keeps it: the block and, right after it, the shell's
// float second factor of the frame picture.
struct PrintScalesSettings {
  PrintScales block = PrintScales::Default();
  float second_factor = 1.0f;
};
// Defaults when the file is missing or shorter than the block; a file of the
// block alone, or one whose factor is not a finite number, gives the factor 1.
PrintScalesSettings ReadPrintScalesSettings(const std::string& path);
// Writes the block and the factor over the first 104 bytes, keeping the rest.
bool WritePrintScalesSettings(const std::string& path, const PrintScalesSettings& settings);

}  // namespace common
