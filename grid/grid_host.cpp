#include "grid/grid_host.h"

#include "grid/grid_ctrl.h"
#include "grid/grid_notify.h"
#include "platform/window/virtual_keys.h"

namespace grid {

GridHost::~GridHost() = default;

bool GridHost::KeyDown(CGridCtrl&, plat::UINT, plat::UINT, plat::UINT) { return false; }

void GridHost::EndEdit(CGridCtrl& grid, const GridEditInfo& info) {
  grid.SetItemText(info.item.row, info.item.col, info.item.text);
  grid.RepaintCell(info.item.row, info.item.col);
  grid.NotifyOwner(info.item.row, info.item.col, GridNotifyEndEdit);
}

plat::UINT GridHost::TranslateChar(CGridCtrl&, plat::UINT ch) { return ch; }

bool GridHost::IsSwitchCell(const CGridCtrl&, int, int) const { return false; }

void GridHost::RowsSelected(CGridCtrl&, int, int) {}

void GridHost::EditorKeyTyped(CGridCtrl&, plat::UINT) {}

bool GridHost::UpperCaseEditor(const CGridCtrl&) const { return false; }

int GridHost::PrintRowCount(const CGridCtrl& grid) const { return grid.GetRowCount(); }

void GridHost::RowInserted(CGridCtrl&, int) {}

void GridHost::RowDeleted(CGridCtrl&, int) {}

PasteReading GridHost::PasteReadAttempts(const CGridCtrl&) const { return PasteReading{}; }

bool GridHost::SideButton(CGridCtrl&, plat::UINT, plat::UINT, plat::Point) { return false; }

std::string GridHost::ApplicationTitle(const CGridCtrl&) const { return std::string(); }

bool KeyMovesOnAfterEdit(plat::UINT key) {
  switch (key) {
    case plat::VK_RETURN: case plat::VK_PRIOR: case plat::VK_NEXT: case plat::VK_END: case plat::VK_HOME:
    case plat::VK_LEFT: case plat::VK_UP: case plat::VK_RIGHT: case plat::VK_DOWN: case plat::VK_F5:
      return true;
    default:
      return false;
  }
}

}  // namespace grid
