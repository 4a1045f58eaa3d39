#include "geometry/tables/table_text.h"

#include <cerrno>
#include <fstream>

#include "grid/grid_ctrl.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/message_box.h"

namespace kelmf {

int FirstEmptyGridRow(const grid::CGridCtrl& grid) {
  const int rows = grid.GetRowCount();
  if (rows <= 1) return 2;
  for (int r = 1; r < rows; ++r) {
    if (grid.GetItemText(r, 1).empty()) return r + 1;
  }
  return rows + 1;
}

bool ReadTableText(grid::CGridCtrl& grid, const std::string& path) {
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    plat::FileErrorBox(path, plat::FileAccess::kRead, errno);
    return false;
  }
  std::string line;
  std::getline(in, line);  // the heading line
  const int rows = grid.GetRowCount();
  const int cols = grid.GetColumnCount();
  for (int row = 0; row < rows && std::getline(in, line); ++row) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t start = 0;
    for (int col = 0; col < cols; ++col) {
      const std::size_t comma = line.find(',', start);
      grid.SetItemText(row, col, line.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
      if (comma == std::string::npos) break;
      start = comma + 1;
    }
  }
  return true;
}

bool ExportTableText(grid::CGridCtrl& grid, const std::string& base, const common::Position& position,
                     plat::Window* owner) {
  plat::FileDialog dialog(false, {}, base + position.ext(), plat::OFN_HIDEREADONLY | plat::OFN_OVERWRITEPROMPT, {},
                          owner);
  dialog.SetInitialFolder(position.folder());
  if (dialog.DoModal() != plat::IDOK) return false;
  return grid.Save(dialog.GetPathName());
}

bool ImportTableText(grid::CGridCtrl& grid, const std::string& base, const std::string& filter,
                     const common::Position& position, plat::Window* owner) {
  std::string ext = position.ext();
  if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
  plat::FileDialog dialog(true, ext, base, plat::OFN_HIDEREADONLY, filter, owner);
  dialog.SetInitialFolder(position.folder());
  if (dialog.DoModal() != plat::IDOK) return false;
  if (!ReadTableText(grid, dialog.GetPathName())) return false;
  for (int r = 1; r < grid.GetRowCount(); ++r) grid.FitRowHeight(r);
  grid.Invalidate();
  return true;
}

}  // namespace kelmf
