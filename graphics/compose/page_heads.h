#pragma once
// The three heads of a printed picture page: 1 a line with the position and
// the page number, 2 the page form box filled from FKOPF, 3 the heading of
// INC1 (on a landscape page turned along the right edge).
#include <string>

#include "graphics/picture/view_state.h"
#include "graphics/state/viewer_state.h"
#include "platform/dc/dc.h"

namespace revuzavi {

// "Pos. <name>  <title of the position>".
std::string PositionHeading(const ViewerState& state);

// Style 1: border 5 mm inside the page, a line at 15 mm, the position heading
// centred and "Page <n>" on the right.
void DrawPageHeading(const ViewerState& state, plat::Dc& dc, int page);

// Style 3: the first line of INC1 (the position heading without it).
void DrawHeadingLines(const ViewerState& state, plat::Dc& dc, int page);

// Today as "dd.mm.yyyy".
std::string TodayText();

// Style 2: the page form box with the nine fields of FKOPF (the date replaced
// by `date`), "ARIAL" of `font_height`; "SEITE:" alone for a page below 1.
void DrawPageHead(const ViewerState& state, const ViewState& view, plat::Dc& dc, int font_height, int page,
                  const std::string& date);

// The head of the state's page-head style (1, 2 or 3; another counts as 1).
void DrawStyledPageHead(const ViewerState& state, const ViewState& view, plat::Dc& dc, int page);

}  // namespace revuzavi
