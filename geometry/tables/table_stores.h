#pragma once
// OK of the grid tables: the checked cells into the model's tables and files.
// A table that is refused changes neither the model nor a file.
#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"
#include "geometry/tables/table_cells.h"

namespace kelmf {

// One element row (xa, ya, xb, yb, material, section, C, T, hinge a, hinge
// b; the y columns are the vertical z) and back, as the table shows it.
common::ElementRecord ElementOfRow(const std::vector<std::string>& row);
std::vector<std::string> RowOfElement(const common::ElementRecord& e);

// Elements (columns xa, ya, xb, yb, material, section, C, T, hinge a, hinge b;
// ya and yb are the vertical z): the element table, the nodes rebuilt, the
// drawing extents, the inverse files removed and GEOMETRY 0.
common::Result StoreElementTable(FrameModel& model, const common::Position& position, const TableCells& cells);

// Cross sections (width, height, area, I) into CROSS.
common::Result StoreCrossSectionTable(FrameModel& model, const common::Position& position, const TableCells& cells);

// Materials (class text or number, E) into MATR; E of material 1 becomes the
// default modulus.
common::Result StoreMaterialTable(FrameModel& model, const common::Position& position, const TableCells& cells);

// Nodes (x, y, u, v, phi): NODES and LKNOTENR.
common::Result StoreNodeTable(FrameModel& model, const common::Position& position, const TableCells& cells);

// The base stiffness: the largest modulus times the largest area.
double BaseStiffness(const FrameModel& model);

}  // namespace kelmf
