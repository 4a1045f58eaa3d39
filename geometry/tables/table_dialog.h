#pragma once
// The grid dialogs of the geometry input share one frame: a table of fixed
// columns in KELMF's grid, "&OK" that stores the whole table or refuses it
// naming the row (the dialog stays open), "&Stop" that closes without
// storing. The owner (the view) learns of both by WM_USER+116: wParam 1
// stored, 2 stopped.
//
// Return while the grid has the focus (no cell being edited) never stores:
// it acts in the table (OnGridReturn). Elsewhere it presses the focused
// button, else the default button: "&OK" only in the tables whose shape says
// so, else IDOK (OnOK). Escape, Stop and the close box on a table whose cells
// differ from those it opened with ask "Discard the changes to the table?":
// Yes closes without storing, No keeps the table open.
#include <string>
#include <vector>

#include "common/position/position.h"
#include "common/result.h"
#include "geometry/model/frame_model.h"
#include "geometry/tables/cell_format.h"
#include "geometry/tables/grid_input_state.h"
#include "geometry/tables/kelmf_grid_host.h"
#include "geometry/tables/table_columns.h"
#include "geometry/tables/table_cells.h"
#include "grid/grid_ctrl.h"
#include "platform/dialogs/dialog.h"

namespace kelmf {

namespace table_ids {
inline constexpr plat::UINT kGrid = 1001;
inline constexpr plat::UINT kOk = 1002;
inline constexpr plat::UINT kStop = 2;
inline constexpr plat::UINT kTableClosed = plat::WM_USER + 116;
inline constexpr plat::WPARAM kStored = 1;
inline constexpr plat::WPARAM kStopped = 2;
}  // namespace table_ids

// The print, export and import buttons of a table (0: none) and the file
// name and filter of its text.
struct TableTextButtons {
  plat::UINT print = 0;
  plat::UINT export_text = 0;
  plat::UINT import_text = 0;
  std::string base;
  std::string filter;
};

struct TableShape {
  plat::UINT template_id;
  std::string caption;
  GridTable table;
  int data_rows;
  std::vector<TableColumn> columns;  // column 0 is the row number
  std::vector<std::string> notes;    // the key hints beside the table
  TableTextButtons text_buttons = {};
  int column_width = 60;  // of each grid column as laid out [pixels], at least what its sample needs
  // "&OK" is the default button: Return outside the grid stores.
  bool ok_is_default = false;
};

// The width a column needs for its heading and its sample in the grid's font [pixels].
int ColumnWidthNeeded(const TableColumn& column);

class CTableDialog : public plat::Dialog {
 public:
  CTableDialog(TableShape shape, FrameModel& model, common::Position position, GridInputState& state,
               plat::Window* owner = nullptr);
  ~CTableDialog() override;

  grid::CGridCtrl& grid() { return grid_; }
  // The cells of rows 1.. as they stand.
  TableCells Cells() const;
  // The cells as the OK reads them: a cell whose text is the one the table
  // opened with reads as the value it was filled from, in all its digits.
  TableCells CellsToStore() const;
  // OK: stores the table; a refusal is shown and keeps the dialog open.
  bool StoreTable();
  // Whether a cell differs from what the table opened with.
  bool TableChanged() const;
  // Print: the rows up to the first empty one.
  void PrintTable();

 protected:
  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  // Return on the grid goes to OnGridReturn before the dialog manager sees it.
  bool PreTranslateMessage(plat::MSG* msg) override;
  // IDOK (Return outside the grid without a default button): starts editing
  // at the grid's focus cell instead of closing.
  void OnOK() override;
  // Stop: closes, after the question when the table changed.
  void OnCancel() override;
  // Return while the grid has the focus: starts editing at its focus cell.
  virtual void OnGridReturn();
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;

  // The table's rows from the model, and the model from the checked cells.
  virtual void Fill() = 0;
  virtual common::Result Store(const TableCells& cells) = 0;
  // Whether editing starts at row 1, column 1 when the table opens.
  virtual bool EditsOnOpen() const { return false; }
  // Buttons of the table beyond OK and Stop.
  virtual void AddButtons(plat::DialogLayout&) {}

  void SetRow(int row, const std::vector<std::string>& texts);
  // Fills a row with the texts shown and keeps their exact digits for the OK.
  void SetRow(int row, const std::vector<CellText>& cells);
  void Close(plat::WPARAM how);

  TableShape shape_;
  plat::Window* owner_;
  FrameModel& model_;
  common::Position position_;
  GridInputState& state_;
  KelmfGridHost host_;
  grid::CGridCtrl grid_;
  // The cells as filled at the start, and the exact digits of those filled
  // from the model (empty where there are none).
  TableCells opened_;
  TableCells exact_;
  // Return went down on the grid; its release acts.
  bool return_pressed_ = false;
};

}  // namespace kelmf
