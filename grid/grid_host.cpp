#include "grid/grid_host.h"

#include "grid/grid_ctrl.h"
#include "grid/grid_notify.h"

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

}  // namespace grid
