#pragma once
// Text listings on printer pages: the page area that the printer settings
// leave, and lines gathered while they fit, word-wrapped with tabs expanded.
#include <cstddef>
#include <string>
#include <vector>

#include "common/page/printer_settings_file.h"
#include "platform/dc/dc.h"
#include "platform/dc/gdi_objects.h"

namespace quentaris {

inline constexpr unsigned kTextFormat = plat::DT_WORDBREAK | plat::DT_EXPANDTABS | plat::DT_NOPREFIX;
inline constexpr int kDefaultPrintPoints = 10;

// The font of printed listings for DRUCKER1.INI's size on a device of `dpi_y`;
// a size below 1 point prints in 10.
plat::Font PrinterSettingsFont(const common::PrinterSettings& settings, int dpi_y);

// The printable area less the margins (whole millimetres of pixels each; a
// margin below 1 counts as 1).
plat::Rect ListingArea(const common::PrinterSettings& settings, const plat::Dc& dc);

// The height `text` takes in `area`'s width, word-wrapped, tabs expanded.
int TextHeight(plat::Dc& dc, const std::string& text, const plat::Rect& area);

// The lines from `first` on that fit between area.top and area.bottom: at
// least one (a line taller than the area goes alone). Returns the count.
std::size_t LinesThatFit(plat::Dc& dc, const std::vector<std::string>& lines, std::size_t first,
                         const plat::Rect& area);

// Draws lines [first, first + count) from area.top; a single line taller than
// the area is clipped to it.
void DrawLines(plat::Dc& dc, const std::vector<std::string>& lines, std::size_t first, std::size_t count,
               const plat::Rect& area);

}  // namespace quentaris
