#include "Zelko1/listing/printed_listing.h"

#include <algorithm>

namespace zevril {
namespace {

// The longest start of `text` that fits (widths grow with length); at least one character.
std::size_t FittingLength(std::string_view text, int room, const TextWidth& width) {
  std::size_t low = 1, high = text.size();
  while (low < high) {
    const std::size_t mid = (low + high + 1) / 2;
    if (width(text.substr(0, mid)) <= room) {
      low = mid;
    } else {
      high = mid - 1;
    }
  }
  return low;
}

}  // namespace

std::vector<std::string> WrapLine(std::string_view line, int room, const TextWidth& width) {
  std::vector<std::string> pieces;
  while (!line.empty() && width(line) > room) {
    const std::size_t fits = FittingLength(line, room, width);
    // A blank after the first word of the piece (an indentation is no place to break).
    const std::size_t word = line.find_first_not_of(' ');
    std::size_t blank = fits < line.size() && line[fits] == ' ' ? fits : line.rfind(' ', fits - 1);
    if (blank == std::string_view::npos || word == std::string_view::npos || blank <= word) blank = fits;
    std::string_view piece = line.substr(0, blank);
    while (piece.size() > 1 && piece.back() == ' ') piece.remove_suffix(1);
    pieces.emplace_back(piece);
    line.remove_prefix(blank);
    const std::size_t next = line.find_first_not_of(' ');
    line.remove_prefix(next == std::string_view::npos ? line.size() : next);
    if (line.empty()) return pieces;
  }
  pieces.emplace_back(line);
  return pieces;
}

std::size_t PrintedListing::PageFirst(int page) const {
  if (page < 1 || page > page_count()) return lines.size();
  return page_starts[static_cast<std::size_t>(page - 1)];
}

std::size_t PrintedListing::PageEnd(int page) const {
  if (page < 1 || page > page_count()) return lines.size();
  return page < page_count() ? page_starts[static_cast<std::size_t>(page)] : lines.size();
}

PrintedListing LayOutListing(const PrintLineTable& table, int lines_per_page, int room, const TextWidth& width,
                             int max_pages) {
  const std::size_t per_page = static_cast<std::size_t>(std::max(lines_per_page, 1));
  // A text of more characters than a printed line holds is too wide, unmeasured.
  const TextWidth printed_width = [&](std::string_view text) {
    return text.size() > kMaxPrintedLength ? std::max(room, 0) + 1 : width(text);
  };
  PrintedListing listing;
  std::size_t used = 0;  // printed lines on the last page
  for (const std::string& table_line : table.lines) {
    std::vector<std::string> pieces = WrapLine(table_line, room, printed_width);
    // A line that fits on a fresh page is not split between two.
    if (listing.page_starts.empty() || (used > 0 && used + pieces.size() > per_page)) {
      if (max_pages > 0 && listing.page_count() == max_pages) break;
      listing.page_starts.push_back(listing.lines.size());
      used = 0;
    }
    for (std::string& piece : pieces) {
      if (used == per_page) {
        if (max_pages > 0 && listing.page_count() == max_pages) return listing;
        listing.page_starts.push_back(listing.lines.size());
        used = 0;
      }
      listing.lines.push_back(std::move(piece));
      ++used;
    }
  }
  return listing;
}

}  // namespace zevril
