#pragma once
// The text a table's grid is saved as, read back: a line per row, cells split
// at ",".
#include <string_view>

#include "loads/tables/cell_texts.h"

namespace pundf::tables {

// Reads whole lines (any length) into at most `rows` rows of `cols` cells.
// The first line (the heading the grid writes before its rows) is skipped;
// the next fill rows 0, 1, ... Fields past the last column belong to it (a
// note with commas stays whole). Line ends "\n" and "\r\n".
CellTexts ReadGridText(std::string_view text, int rows, int cols);

}  // namespace pundf::tables
