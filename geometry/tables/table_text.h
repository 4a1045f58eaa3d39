#pragma once
// A grid table as comma-separated text: export through the grid's Save, import
// back into the grid, and the rows a print covers.
#include <string>

#include "common/position/position.h"

namespace grid {
class CGridCtrl;
}
namespace plat {
class Window;
}

namespace kelmf {

// One past the first row (from 1) whose column 1 is empty; one past the last
// row when none is; 2 for a grid of one row.
int FirstEmptyGridRow(const grid::CGridCtrl& grid);

// Fills the grid from a text the grid's Save wrote: the first line is skipped,
// every further whole line goes into the next row from row 0 on, field k
// (split at ",") into column k. Lines beyond the last row and fields beyond
// the last column are skipped. A file that cannot be opened gets the file-error
// box and the grid stays as it was.
bool ReadTableText(grid::CGridCtrl& grid, const std::string& path);

// A save dialog in the position folder proposing `base` + the position's
// suffix; OK writes the whole grid (Save). False when nothing was written.
bool ExportTableText(grid::CGridCtrl& grid, const std::string& base, const common::Position& position,
                     plat::Window* owner);

// An open dialog in the position folder with `filter`; the chosen file fills
// the grid and its rows are fitted to their contents.
bool ImportTableText(grid::CGridCtrl& grid, const std::string& base, const std::string& filter,
                     const common::Position& position, plat::Window* owner);

}  // namespace kelmf
