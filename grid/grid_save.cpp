// The grid text file: row 0, then every row from row 0 on, each a line of the
// cell texts joined by "," (no quoting), CR LF at every line's end.
#include <cerrno>

#include "grid/grid_ctrl.h"
#include "platform/message_box.h"
#include "platform/text_file.h"

namespace grid {

bool CGridCtrl::Save(const std::string& path) {
  plat::TextWriter writer;
  errno = 0;
  if (!writer.Open(path)) {
    plat::FileErrorBox(path, plat::FileAccess::kCreate, errno);
    return false;
  }
  const auto write_row = [&](int row) {
    for (int col = 0; col < GetColumnCount(); ++col) {
      writer.Write(GetItemText(row, col));
      writer.Write(col + 1 < GetColumnCount() ? "," : "\n");
    }
  };
  if (GetRowCount() > 0 && GetColumnCount() > 0) {
    write_row(0);
    for (int row = 0; row < GetRowCount(); ++row) write_row(row);
  }
  if (!writer.Close()) {
    plat::FileErrorBox(path, plat::FileAccess::kCreate, errno);
    return false;
  }
  return true;
}

}  // namespace grid
