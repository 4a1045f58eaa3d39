#pragma once
// What the grid tells its owner (WM_NOTIFY payloads and codes) and the messages
// of the row operations.
#include "grid/grid_cell.h"
#include "platform/window/messages.h"

namespace grid {

inline constexpr int GridNotifyFocusChanged = -104;
inline constexpr int GridNotifyCellActivated = -105;
inline constexpr int GridNotifyEndEdit = -106;
inline constexpr int GridNotifyBeginDrag = -109;

// The in-place editor's control id.
inline constexpr plat::UINT kCellEditorId = 8;

// Posted to a row listener: wParam the row, lParam 0; rows selected: wParam 1.
inline constexpr plat::UINT GridMsgRowInserted = plat::WM_USER + 997;
inline constexpr plat::UINT GridMsgRowDeleted = plat::WM_USER + 998;
inline constexpr plat::UINT GridMsgRowsSelected = plat::WM_USER + 999;

// The grid's WM_NOTIFY payload.
struct GridNotifyInfo {
  plat::NMHDR hdr;
  int row = -1;
  int col = -1;
};

// The in-place editor's end-of-edit payload (GridNotifyEndEdit): the edited
// cell's row and column, mask kMaskText | kMaskData, the final text, and in
// `data` the virtual key that ended the edit (0 when none did).
struct GridEditInfo {
  plat::NMHDR hdr;
  GridItem item;
};

}  // namespace grid
