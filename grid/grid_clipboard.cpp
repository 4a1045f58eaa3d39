// Cell text through the clipboard: copy, cut and paste of the selected cells.
#include <optional>

#include "grid/grid_ctrl.h"
#include "grid/pasted_text.h"
#include "platform/message_box.h"

namespace grid {

std::shared_ptr<plat::DataObject> CGridCtrl::CopySelectionToData() {
  const CellRange range = SelectedCellRange();
  if (!range.IsValid()) return nullptr;
  std::string text;
  for (int row = range.min_row; row <= range.max_row; ++row) {
    for (int col = range.min_col; col <= range.max_col; ++col) {
      if (GetItemState(row, col) & kStateSelected) {
        const std::string cell = GetItemText(row, col);
        text += cell.empty() ? std::string(" ") : cell;
      }
      if (col < range.max_col) text += '\t';
    }
    if (row < range.max_row) text += '\n';
  }
  return plat::DataObject::FromText(text);
}

void CGridCtrl::CutSelection() {
  if (!editable_) return;
  // DiscardCell changes the selected-cell set: walk a copy.
  const std::set<CCellID> cells = selected_;
  for (const CCellID& cell : cells) {
    if (GetItemState(cell.row, cell.col) & kStateReadOnly) continue;
    DiscardCell(GetCell(cell.row, cell.col), cell.row, cell.col);
    modified_ = true;
  }
  if (GetSafeHwnd()) Invalidate();
}

void CGridCtrl::OnEditCopy() {
  if (const std::shared_ptr<plat::DataObject> data = CopySelectionToData()) data->SetClipboard();
}

void CGridCtrl::OnEditCut() {
  if (!editable_) return;
  const std::shared_ptr<plat::DataObject> data = CopySelectionToData();
  if (!data) return;
  data->SetClipboard();
  CutSelection();
}

void CGridCtrl::OnEditPaste() {
  if (!editable_) return;
  const CCellID target = IsValid(focus_) ? focus_ : TopLeftScrollableCell();
  if (!IsValid(target)) return;
  const std::shared_ptr<plat::DataObject> data = plat::DataObject::FromClipboard();
  if (!data) return;
  PasteDataAtCell(target.row, target.col, *data);
  if (GetSafeHwnd()) Invalidate();
}

bool CGridCtrl::PasteDataAtCell(int row, int col, const plat::DataObject& data) {
  if (!editable_ || !data.HasText() || !IsValid(row, col) || (GetItemState(row, col) & kStateReadOnly)) return false;
  const PasteReading reading = host_->PasteReadAttempts(*this);
  std::optional<std::string> text;
  for (int attempt = 0; attempt < reading.attempts && !text; ++attempt) text = data.GetText();
  if (!text) {
    if (reading.report_failure) plat::MessageBox("Ole NullPtr, try again");
    return false;
  }
  const std::vector<std::vector<std::string>> lines = SplitPastedText(*text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = 0; j < lines[i].size(); ++j) {
      const int r = row + static_cast<int>(i);
      const int c = col + static_cast<int>(j);
      // Read-only cells keep their text; the fields after them keep their columns.
      if (!IsValid(r, c) || (GetItemState(r, c) & kStateReadOnly)) continue;
      SetItemText(r, c, lines[i][j]);
      SetItemState(r, c, GetItemState(r, c) & ~kStateSelected);
      modified_ = true;
    }
  }
  if (GetSafeHwnd()) Invalidate();
  return true;
}

}  // namespace grid
