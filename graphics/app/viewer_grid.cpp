#include "graphics/app/viewer_grid.h"

#include <array>

#include "grid/cell_filter.h"
#include "grid/table_keys.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr std::array<std::string_view, 7> kClassCharacters = {
    "",                  // 0: any text
    "0123456789-,.+",    // 1
    "0123456789-,.+Ee",  // 2
    "0123456789",        // 3
    "jnJN",              // 4
    "kKmM",              // 5
    "eEkKmMsS",          // 6
};

bool Held(int vk) { return plat::GetKeyState(vk) < 0; }

}  // namespace

std::string FilterByColumnClass(std::string_view text, int column_class) {
  if (column_class == 0) return std::string(text);
  if (column_class < 0 || column_class >= static_cast<int>(kClassCharacters.size())) return std::string();
  return grid::KeepAllowedCharacters(text, kClassCharacters[static_cast<std::size_t>(column_class)]);
}

int ViewerGridHost::ColumnClass(int col) const {
  if (col < 1 || col > static_cast<int>(column_classes_.size())) return 0;
  return column_classes_[static_cast<std::size_t>(col - 1)];
}

void ViewerGridHost::SetColumnClass(int col, int column_class) {
  if (col < 1) return;
  if (col > static_cast<int>(column_classes_.size())) column_classes_.resize(static_cast<std::size_t>(col), 0);
  column_classes_[static_cast<std::size_t>(col - 1)] = column_class;
}

bool ViewerGridHost::KeyDown(grid::CGridCtrl& grid, plat::UINT vk, plat::UINT, plat::UINT) {
  const grid::CCellID focus = grid.GetFocusCell();
  if (!grid.IsValid(focus)) return false;
  if (Held(plat::VK_CONTROL)) {
    if (vk == 'C') {
      grid.OnEditCopy();
      return true;
    }
    if (grid::CopyToNeighbourKey(grid, vk)) return true;
    // Any other key with Ctrl acts as the key alone.
  }
  if (vk == plat::VK_DELETE) {
    if (grid.IsEditable() && !(grid.GetItemState(focus.row, focus.col) & grid::kStateReadOnly)) {
      grid.SetItemText(focus.row, focus.col, "");
      grid.RepaintCell(focus.row, focus.col);
      grid.SetModified(true);
    }
    return true;
  }
  return grid::MoveByTableKey(grid, vk, Held(plat::VK_SHIFT));
}

void ViewerGridHost::EndEdit(grid::CGridCtrl& grid, const grid::GridEditInfo& info) {
  if (grid.GetSafeHwnd() == nullptr) return;
  grid::StoreEditAndMoveOn(grid, info, FilterByColumnClass(info.item.text, ColumnClass(info.item.col)));
}

bool ViewerGridHost::IsSwitchCell(const grid::CGridCtrl&, int, int col) const {
  return table_kind_ == kNodesTableKind && col >= 3 && col <= 5;
}

grid::PasteReading ViewerGridHost::PasteReadAttempts(const grid::CGridCtrl&) const {
  return grid::PasteReading{1, false};
}

ViewerGrid::ViewerGrid() { SetHost(&viewer_host_); }

}  // namespace revuzavi
