#include "shell/print/text_page.h"

#include <cstdlib>

#include "common/page/listing_font.h"

namespace quentaris {
namespace {

int Number(const std::string& text) { return static_cast<int>(std::strtol(text.c_str(), nullptr, 10)); }

std::string Join(const std::vector<std::string>& lines, std::size_t first, std::size_t count) {
  std::string text;
  for (std::size_t i = first; i < first + count; ++i) {
    if (i > first) text += '\n';
    text += lines[i];
  }
  return text;
}

}  // namespace

plat::Font PrinterSettingsFont(const common::PrinterSettings& settings, int dpi_y) {
  int points = Number(settings.font_size);
  if (points < 1 || points > 10000) points = points < 1 ? kDefaultPrintPoints : 10000;
  return common::ListingFont(points, dpi_y);
}

plat::Rect ListingArea(const common::PrinterSettings& settings, const plat::Dc& dc) {
  const int width = dc.GetDeviceCaps(plat::HORZRES);
  const int height = dc.GetDeviceCaps(plat::VERTRES);
  const int mm_x = dc.GetDeviceCaps(plat::HORZSIZE);
  const int mm_y = dc.GetDeviceCaps(plat::VERTSIZE);
  const int per_mm_x = mm_x > 0 ? width / mm_x : 1;
  const int per_mm_y = mm_y > 0 ? height / mm_y : 1;
  // A margin outside the page would leave no room for a line.
  const auto margin = [](const std::string& text, int limit) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(value < 1 ? 1 : value > limit ? limit : value);
  };
  const int left = per_mm_x * margin(settings.left_margin, mm_x > 1 ? mm_x - 1 : 1);
  const int top = per_mm_y * margin(settings.upper_margin, mm_y > 1 ? mm_y - 1 : 1);
  return plat::Rect{left, top, width, height};
}

int TextHeight(plat::Dc& dc, const std::string& text, const plat::Rect& area) {
  plat::Rect rect{area.left, area.top, area.right, area.top};
  dc.DrawText(text.empty() ? std::string(" ") : text, rect, kTextFormat | plat::DT_CALCRECT);
  return rect.bottom - rect.top;
}

std::size_t LinesThatFit(plat::Dc& dc, const std::vector<std::string>& lines, std::size_t first,
                         const plat::Rect& area) {
  std::size_t count = 1;
  while (first + count < lines.size() &&
         area.top + TextHeight(dc, Join(lines, first, count + 1), area) < area.bottom) {
    ++count;
  }
  return count;
}

void DrawLines(plat::Dc& dc, const std::vector<std::string>& lines, std::size_t first, std::size_t count,
               const plat::Rect& area) {
  plat::Rect rect = area;
  const std::string text = Join(lines, first, count);
  const bool fits = area.top + TextHeight(dc, text, area) < area.bottom;
  dc.DrawText(text, rect, kTextFormat | (fits ? plat::DT_NOCLIP : 0u));
}

}  // namespace quentaris
