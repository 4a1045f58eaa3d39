#pragma once
// The listing as it goes onto pages: a table line wider than the page, or
// longer than 118 characters, goes on in the next printed line, broken at its
// last blank before the edge (or at the edge when it has none there), so that
// nothing of a line is lost. Pages are filled with printed lines; the pieces
// of one table line stay on one page where they fit on a page at all.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Zelko1/listing/print_lines.h"

namespace zevril {

// The most characters a printed line holds, whatever the page's width.
inline constexpr std::size_t kMaxPrintedLength = 118;

// The width of a text in the font of the page, in device units.
using TextWidth = std::function<int(std::string_view text)>;

// The pieces of one line no wider than `room`: each break at the last blank
// after the line's first word that leaves a fitting piece, the blanks at the
// break dropped; a piece without such a blank breaks at the edge. At least one
// character a piece; an empty line is one empty piece.
std::vector<std::string> WrapLine(std::string_view line, int room, const TextWidth& width);

struct PrintedListing {
  std::vector<std::string> lines;        // the printed lines, in order
  std::vector<std::size_t> page_starts;  // the index of each page's first printed line
  int page_count() const { return static_cast<int>(page_starts.size()); }
  // The printed lines of page `page` (1-based): [first, end).
  std::size_t PageFirst(int page) const;
  std::size_t PageEnd(int page) const;
};

// Lays the table out on pages of `lines_per_page` printed lines of at most
// `room` wide and kMaxPrintedLength characters; with `max_pages` above 0 it
// stops once so many pages are full.
PrintedListing LayOutListing(const PrintLineTable& table, int lines_per_page, int room, const TextWidth& width,
                             int max_pages = 0);

}  // namespace zevril
