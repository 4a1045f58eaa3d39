#pragma once
// The printed page of a listing: the frame with its header box and footer
// strip, the header texts, the page number and the listing's lines, on any
// target of W x H device units (the screen, a printer page, a recording).
// Positions are laid out on a page of 2363 x 3383 units and scaled to the
// target; the lines are written in the Dc's current font.
#include <optional>

#include "Zelko1/page/zevril_state.h"
#include "platform/dc/dc.h"

namespace zevril {

inline constexpr int kLayoutWidth = 2363;
inline constexpr int kLayoutHeight = 3383;

struct PageOptions {
  int width = 0;   // the target in device units (MM_TEXT, origin top left)
  int height = 0;
  std::optional<int> page_number;  // printed pages only
  int first_line = 0;              // 0-based table index of the page's first line
};

// Portrait when the target is taller than wide.
bool IsPortrait(int width, int height);

// The lines a page of this height holds in a font of this line height (at least 1).
int LinesPerPage(int width, int height, int line_height);

// Draws the page and the table lines from `first_line` on, as many as the
// page holds and the table has; returns how many lines it drew.
int DrawPage(const ZevrilState& state, const PageOptions& options, plat::Dc& dc);

}  // namespace zevril
