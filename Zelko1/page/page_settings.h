#pragma once
// What the page printer takes from the settings folder once a run: the page
// form (FKOPF), the folder its page counter lies in (FKPFAD) and the size of
// its printing font.
#include <optional>
#include <string>
#include <string_view>

#include "common/page/page_header_file.h"
#include "common/settings.h"

namespace zevril {

inline constexpr int kDefaultFontSize = 8;  // points, for a size text out of 1..14
inline constexpr int kMaxFontSize = 14;

struct PageSettings {
  common::PageHeader header;   // the eleven fields, trailing white space trimmed
  std::string counter_folder;  // FKPFAD, ending in "/"; empty when missing
  int font_size = kDefaultFontSize;
};

// The leading integer of a number text, as C's atoi reads it (blanks, a
// sign, digits); nullopt when it has none or it does not fit an int.
std::optional<int> NumberFromText(std::string_view text);

// The leading integer of a size text; below 1, above 14 or unreadable gives 8.
int FontSizeFromText(std::string_view text);

// Reads FKPFAD and FKOPF. Without a readable FKOPF the nine form fields are
// empty, Erste Seite is "1" and the size text "10".
PageSettings LoadPageHeader(const common::SettingsContext& settings);

}  // namespace zevril
