#pragma once
// CInPlaceEdit: the editor laid over a grid cell while it is edited. It opens
// with the cell's text all selected (or with a typed character replacing it),
// ends when it loses the focus (Page Up, Page Down, the arrows, Escape, F5,
// Tab and Enter give the focus back to the grid), tells the grid the final
// text and the key that ended it (GridNotifyEndEdit), and deletes itself.
// Tab, Enter and Escape end it when they are released, and only when they
// went down in the editor: the release of the key that opened it (Enter in a
// dialog whose OK edits the focus cell) leaves it open.
#include <bitset>
#include <string>
#include <string_view>

#include "grid/grid_ctrl.h"
#include "platform/controls/edit.h"

namespace grid {

class CInPlaceEdit : public plat::Edit {
 public:
  // Made with `new`; Open creates the window (false: nothing was made and the
  // caller deletes the object). Afterwards the editor owns itself.
  CInPlaceEdit(CGridCtrl& grid, int row, int col, std::string_view text);
  bool Open(const plat::Rect& rect, plat::DWORD style, plat::UINT id, plat::UINT ch, EditStart start);

  int row() const { return row_; }
  int col() const { return col_; }
  plat::UINT ending_key() const { return ending_key_; }

  bool PreTranslateMessage(plat::MSG* msg) override;

 protected:
  void OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void OnKeyUp(plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void OnChar(plat::UINT ch, plat::UINT repeat, plat::UINT flags) override;
  void OnKillFocus(plat::Window* new_window) override;
  void PostNcDestroy() override;

 private:
  // Ends the edit with `key` by giving the focus back to the grid.
  void EndWith(plat::UINT key);
  // Widens the editor to its text, at most to the grid's right edge.
  void FitToText();

  CGridCtrl& grid_;
  int row_;
  int col_;
  std::string initial_text_;
  plat::UINT ending_key_ = 0;
  bool ended_ = false;
  std::bitset<256> keys_down_;  // virtual keys pressed while the editor had them
};

}  // namespace grid
