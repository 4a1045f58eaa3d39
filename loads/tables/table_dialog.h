#pragma once
// The base of PUNDF's table dialogs: one grid (1041) of the table's rows with
// its help texts beside it, OK (1027) taking the rows, Print (1051), and the
// buttons that save the grid as a text file (1006) and load it back (1007).
// A derived dialog gives the columns, the rows to show and the OK step; it
// changes the load case in memory only.
#include <string>

#include "grid/grid_ctrl.h"
#include "loads/tables/cell_texts.h"
#include "loads/tables/pundf_grid_host.h"
#include "loads/tables/table_state.h"
#include "platform/controls/button.h"
#include "platform/dialogs/dialog.h"

namespace pundf::tables {

inline constexpr plat::UINT kGridId = 1041;
inline constexpr plat::UINT kOkButton = 1027;
inline constexpr plat::UINT kPrintButton = 1051;
inline constexpr plat::UINT kSaveTextButton = 1006;
inline constexpr plat::UINT kLoadTextButton = 1007;

// A table holds 100 loads: a heading row and 100 rows.
inline constexpr int kTableRows = 101;

class TableDialog : public plat::Dialog {
 public:
  struct Setup {
    plat::UINT template_id = 0;
    std::string caption;
    int rows = kTableRows;
    int cols = 0;
    int mode = kNoTableMode;
    // The name the text file is proposed under and the position's suffix (".T").
    std::string text_name;
    std::string extension;
    std::string folder;
    // "&Stop" (IDCANCEL) beside OK; Print and the text file buttons.
    bool stop_button = false;
    bool print_and_files = true;
    // A column that takes a quarter of the other data columns' widths (the
    // notes), -1 for none.
    int wide_column = -1;
  };

  TableDialog(Setup setup, TableState& state, plat::Window* owner);
  ~TableDialog() override;

  grid::CGridCtrl& grid() { return grid_; }
  PundfGridHost& host() { return host_; }
  // Every cell of the grid.
  CellTexts Cells() const;
  // Writes the cells into the grid (never past it).
  void SetCells(const CellTexts& cells);
  // Reads a saved text file into the grid; false when it cannot be read.
  bool LoadText(const std::string& path);
  // The rows Print covers: up to the first row whose first data cell is empty.
  int PrintRowsOfTable() const;
  // OK: the rows taken (the dialog ends) or the refusal shown (it stays on
  // the cell named).
  void OnTableOk();

 protected:
  // The help texts beside the grid.
  virtual void AddHelp(plat::DialogLayout& layout) = 0;
  // Column kinds (after every data column got kind 1) and links.
  virtual void SetColumnKinds(TableState& state) = 0;
  // The cells the table opens with.
  virtual CellTexts OpeningCells() = 0;
  // Takes the rows into the load case; the refusal when one row fails (one
  // without a message was shown already).
  virtual std::optional<Refusal> TakeRows(const CellTexts& cells) = 0;
  // Whether the table is empty at opening (editing then starts at once).
  virtual bool OpensEmpty() = 0;

  void BuildLayout(plat::DialogLayout& layout) override;
  bool OnInitDialog() override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
  void OnShowWindow(bool show, plat::UINT status) override;
  // Escape, Stop and the close box: a table whose cells changed since it
  // opened asks "Discard the changes to the table?" first (No stays).
  void OnCancel() override;

 private:
  void OnPrint();
  void OnSaveText();
  void OnLoadText();
  // Puts the focus into the grid and starts editing its focus cell.
  void EditFocusCell();

  Setup setup_;
  // The cells as the table opened, to tell whether it changed.
  CellTexts opened_;
  TableState& state_;
  PundfGridHost host_;
  grid::CGridCtrl grid_;
  plat::Bitmap save_icon_;
  plat::Bitmap load_icon_;
};

}  // namespace pundf::tables
