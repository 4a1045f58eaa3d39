#include "common/page/printer_settings_file.h"

#include <array>
#include <sstream>

#include "common/trim.h"
#include "platform/text_file.h"

namespace common {

PrinterSettings ReadPrinterSettingsFile(const std::string& path) {
  PrinterSettings settings;
  const auto lines = plat::ReadLines(path);
  if (!lines || lines->empty()) return settings;
  if (std::string face = TrimTrailingWhiteSpace((*lines)[0]); !face.empty()) settings.font_face = std::move(face);
  std::string rest;
  for (std::size_t i = 1; i < lines->size(); ++i) rest += (*lines)[i] + "\n";
  std::istringstream words(rest);
  for (std::string* value : std::array{&settings.font_size, &settings.left_margin, &settings.upper_margin}) {
    std::string word;
    if (!(words >> word)) break;
    *value = std::move(word);
  }
  return settings;
}

bool WritePrinterSettingsFile(const std::string& path, const PrinterSettings& settings) {
  return plat::WriteTextFile(path, settings.font_face + "\n" + settings.font_size + "\n" + settings.left_margin +
                                       "\n" + settings.upper_margin + "\n");
}

}  // namespace common
