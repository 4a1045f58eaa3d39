// Members whose work comes with the grid's clipboard and printing. Until then each does nothing and reports failure, so
// that programs and derived grids already reach them through the virtual table.
#include "grid/grid_ctrl.h"

namespace grid {

std::shared_ptr<plat::DataObject> CGridCtrl::CutSelection() { return nullptr; }
std::shared_ptr<plat::DataObject> CGridCtrl::CopySelectionToData() { return nullptr; }
bool CGridCtrl::PasteDataAtCell(int, int, const plat::DataObject&) { return false; }
void CGridCtrl::OnEditCut() {}
void CGridCtrl::OnEditCopy() {}
void CGridCtrl::OnEditPaste() {}
void CGridCtrl::InsertRowAtFocus() {}
void CGridCtrl::DeleteRowAtFocus() {}
void CGridCtrl::OnBeginPrinting(plat::Dc&, plat::PrintInfo&) {}
void CGridCtrl::OnPrint(plat::Dc&, plat::PrintInfo&) {}
void CGridCtrl::OnEndPrinting(plat::Dc&, plat::PrintInfo&) {}
void CGridCtrl::PrintHeadingRow(plat::Dc&, plat::PrintInfo&) {}
void CGridCtrl::PrintPageHeader(plat::Dc&, plat::PrintInfo&) {}
void CGridCtrl::PrintPageFooter(plat::Dc&, plat::PrintInfo&) {}
bool CGridCtrl::MakeDragBitmap(plat::Bitmap*, plat::Point*) { return false; }
void CGridCtrl::StartCellDrag() {}

}  // namespace grid
