#pragma once
// The printed page of a listing: the frame with its header box and footer
// strip, the header texts, the page number and the listing's lines, on any
// target of W x H device units (the screen, a printer page, a recording).
// Positions are laid out on a page of 2363 x 3383 units and scaled to the
// target; the lines are written in the Dc's current font, a line wider than
// the frame going on in the next printed line.
#include <optional>

#include "Zelko1/listing/printed_listing.h"
#include "Zelko1/page/zevril_state.h"
#include "platform/dc/dc.h"

namespace zevril {

inline constexpr int kLayoutWidth = 2363;
inline constexpr int kLayoutHeight = 3383;

struct PageOptions {
  int width = 0;   // the target in device units (MM_TEXT, origin top left)
  int height = 0;
  std::optional<int> page_number;  // printed pages only
  // The listing laid out for the job and the page of it to draw (1-based);
  // without one, the table's lines from `first_line` (0-based) on are laid out here.
  const PrintedListing* listing = nullptr;
  int page = 1;
  int first_line = 0;
};

// Portrait when the target is taller than wide.
bool IsPortrait(int width, int height);

// The lines a page of this height holds in a font of this line height (at least 1).
int LinesPerPage(int width, int height, int line_height);

// The width a printed line has: from the lines' left edge to the frame's right edge.
int LineRoom(int width, int height);

// The table laid out on pages of this target in the Dc's current font (see
// LayOutListing); `max_pages` above 0 stops after so many pages.
PrintedListing LayOutForPage(const PrintLineTable& table, int width, int height, plat::Dc& dc, int max_pages = 0);

// Draws the page and its printed lines; returns how many lines it drew.
int DrawPage(const ZevrilState& state, const PageOptions& options, plat::Dc& dc);

}  // namespace zevril
