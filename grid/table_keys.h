#pragma once
// The keys of the tables that move the focus as the shell's and the viewer's
// grids do (Tab, Enter, Page Up/Down, Home, End, the arrows, F5 and Ctrl with
// Left or Right), and the end of an edit that their hosts share. A host calls
// them from its GridHost::KeyDown and GridHost::EndEdit.
#include <string>

#include "grid/grid_ctrl.h"

namespace grid {

// The cell Tab (forward) or Shift+Tab leads to: across the row, then on to the
// next (previous) row; the focus itself at the grid's end.
CCellID TabTarget(const CGridCtrl& grid, CCellID focus, bool forward);

// Page Up or Down: scrolls the grid a page; the focus row follows the rows
// scrolled, or goes to the first or last row when the grid did not scroll.
CCellID PageTarget(CGridCtrl& grid, CCellID focus, bool down);

// Moves the focus to `cell` as a key does: the selection follows (from the
// anchor with Shift, else the anchor moves first) unless the mouse is busy,
// and the cell is scrolled into view.
void MoveFocusByKey(CGridCtrl& grid, CCellID cell, bool shift);

// Ctrl+Left and Ctrl+Right at the focus: a text copied into the left
// neighbour (from column 2 on) or the right one (when there is one), the
// modified flag set; the focus then stays (only from the last column one to
// the left) or goes two columns right, kept in the grid. False for other keys.
bool CopyToNeighbourKey(CGridCtrl& grid, UINT vk);

// The plain keys: Tab and Shift+Tab; Enter (an empty cell from row 2 on takes
// the text of the cell above, then on as Tab); Page Up and Down; Home and End
// (first and last row); the arrows kept within the non-fixed cells; F5 (the
// text into the cell below and down, not from the last row or an empty cell).
// False for any other key or without a focus cell.
bool MoveByTableKey(CGridCtrl& grid, UINT vk, bool shift);

// Stores the finished edit's `text` in its cell, sets the modified flag when
// the text changed (an edit ended by Esc never does), redraws the cell and
// tells the owner (-106); an edit ended by a key of KeyMovesOnAfterEdit then
// goes through the host's key handler and the next edit opens at the focus.
void StoreEditAndMoveOn(CGridCtrl& grid, const GridEditInfo& info, const std::string& text);

}  // namespace grid
