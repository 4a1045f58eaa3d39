#pragma once
// The editor's values of the table input: which table is open, the character
// kind of each of its columns, and the flags the grid dialogs and the view read.
#include <optional>
#include <vector>

#include "platform/dc/gdi_types.h"

namespace plat {
class Window;
}

namespace kelmf {

// ActiveGridTable: the table whose own steps the grid runs. Every table has an
// id of its own, so that one table's steps never reach another.
enum class GridTable : int {
  kNone = 0,
  kMaterials = 2,
  kCrossSections = 3,
  kNodes = 4,
  kElements = 10,
  kStoreyFrame = 11,
  kContinuousBeam = 17,
};

struct GridInputState {
  GridTable active_table = GridTable::kNone;
  // GridColumnKinds: the character kind of each column of the open grid.
  std::vector<int> column_kinds;
  // F5 copied (or tried to copy) a value since the flag was last cleared.
  bool table_changed = false;
  // A key or an edit changed a cell since the table was filled.
  bool input_typed = false;
  // GridMarkX/Y: the point (x, vertical z) of the row whose heading was
  // clicked, metres; the window told of it (the view) by GridMsgRowsSelected.
  std::optional<plat::PointD> marked_point;
  plat::Window* mark_listener = nullptr;
  // GridPrintRowCount: one past the last row printing covers; 0 prints all.
  int print_row_count = 0;
  // Imported from a text file since the table opened.
  bool table_imported = false;

  int KindOf(int col) const {
    return col >= 0 && col < static_cast<int>(column_kinds.size()) ? column_kinds[static_cast<std::size_t>(col)] : 0;
  }
};

}  // namespace kelmf
