#pragma once
// DRUCKER1.INI in the settings folder: the font and margins of printed text
// listings, four lines: font face, font size in points, left margin and upper
// margin in millimetres.
#include <string>

namespace common {

inline constexpr const char* kPrinterSettingsFile = "DRUCKER1.INI";

struct PrinterSettings {
  std::string font_face = "Courier New";
  std::string font_size = "10";    // points
  std::string left_margin = "20";  // millimetres
  std::string upper_margin = "10";  // millimetres
  bool operator==(const PrinterSettings&) const = default;
};

// The first line whole with trailing white space trimmed, then the next three
// words of the file. A missing file, an empty first line or a missing word
// keeps the default of that value.
PrinterSettings ReadPrinterSettingsFile(const std::string& path);
// Four lines, each ending in CR LF.
bool WritePrinterSettingsFile(const std::string& path, const PrinterSettings& settings);

}  // namespace common
