#pragma once
// The columns of KELMF's grid tables: the heading the grid shows (and a
// message names), the character kind of the table input and the type a
// number of the column is stored in. Column 0 of each list is the row number.
#include <string>
#include <vector>

#include "common/table_number.h"

namespace kelmf {

struct TableColumn {
  std::string header;
  int kind;  // character kind of the table input
  common::CellType type = common::CellType::kFloat;
  // The widest text the table shows in the column (its formats, its own
  // steps): the column is at least as wide at the start.
  std::string sample = "0";
};

// xa, ya, xb, yb, material, section, C, T, hinge left, hinge right.
const std::vector<TableColumn>& ElementColumns();
// x, y, u, v, phi.
const std::vector<TableColumn>& NodeColumns();
// width, height, area, I.
const std::vector<TableColumn>& CrossSectionColumns();
// number (or concrete class), E.
const std::vector<TableColumn>& MaterialColumns();
// x of the span end.
const std::vector<TableColumn>& SpanColumns();
// floor height, number of piers, spacing.
const std::vector<TableColumn>& StoreyColumns();

}  // namespace kelmf
