#pragma once
// CGridCtrl: the table window of the suite's dialogs. It holds a rectangular
// array of cells with fixed heading rows on top and fixed heading columns on
// the left, lays them out by row heights and column widths in client pixels,
// and scrolls the non-fixed part by whole rows and columns with the window's
// own scroll bars (positions are pixel offsets into the non-fixed part).
// The user moves the focus cell and selects blocks, rows, columns or all
// cells with the mouse, resizes rows and columns at the headings' dividers
// and edits a cell in place (CInPlaceEdit); the owner (else the parent) hears
// of it by WM_NOTIFY (GridNotifyInfo, GridEditInfo) and WM_COMMAND.
// Cell text goes through the clipboard (copy, cut, paste) and by drag and
// drop (drop_target(), registered by the dialog); the grid prints itself as a
// paged table (Print) and writes itself as a comma-separated text (Save).
//
// A dialog attaches the grid with plat::Dialog::AttachToPlaceholder, then sets
// the counts, texts and widths and calls StretchColumnsToWidth. What a program
// does otherwise than the common grid comes through its GridHost (SetHost).
//
// Cell rectangles from GetCellRect include their right and bottom pixels: a
// cell of width 50 at x 40 runs from 40 to 89.
#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "grid/cell_id.h"
#include "grid/grid_cell.h"
#include "grid/grid_colours.h"
#include "grid/grid_drop_target.h"
#include "grid/grid_host.h"
#include "grid/grid_notify.h"
#include "grid/title_tip.h"
#include "platform/clipboard/data_object.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/dc.h"
#include "platform/print/print_client.h"
#include "platform/window/window.h"

namespace grid {

using plat::UINT;

// The grid-line modes.
inline constexpr int kGridLinesNone = 0;
inline constexpr int kGridLinesHorizontal = 1;
inline constexpr int kGridLinesVertical = 2;
inline constexpr int kGridLinesBoth = 3;

// The mouse modes: what a held button does.
inline constexpr int kMouseNothing = 0;
inline constexpr int kMouseSelectAll = 1;
inline constexpr int kMouseSelectColumns = 2;
inline constexpr int kMouseSelectRows = 3;
inline constexpr int kMouseSelectCells = 4;
inline constexpr int kMouseOverRowDivider = 6;
inline constexpr int kMouseSizingRow = 7;
inline constexpr int kMouseOverColumnDivider = 8;
inline constexpr int kMouseSizingColumn = 9;
inline constexpr int kMousePrepareEdit = 10;
inline constexpr int kMousePrepareDrag = 11;
inline constexpr int kMouseDragging = 12;

// The auto-scroll timer that runs while the button selects cells.
inline constexpr plat::UINT_PTR kAutoScrollTimer = 513;
inline constexpr plat::UINT kAutoScrollMs = 25;
// How near a divider (pixels) the pointer resizes.
inline constexpr int kResizeCaptureRange = 3;

// How an edit starts: by a key or a click (the text stays and is selected), or
// by a character typed into the grid (it replaces the text, unless it is
// Space, Backspace or Enter).
enum class EditStart { kKey, kTyped };

class CGridCtrl : public plat::Window {
 public:
  CGridCtrl();
  ~CGridCtrl() override;

  // The window class needs no registration here; kept for the dialogs' code.
  static bool RegisterWindowClass() { return true; }

  // ---- Host and owner ----
  // The program's hooks (nullptr: the common grid's). The host must outlive the grid.
  void SetHost(GridHost* host);
  GridHost& host() const { return *host_; }
  // Where notifications go (nullptr: the parent).
  void SetOwner(plat::Window* owner);
  plat::Window* GetOwner() const;

  // ---- Counts ----
  // Negative counts are refused (false).
  bool SetRowCount(int n);
  bool SetColumnCount(int n);
  bool SetFixedRowCount(int n);
  bool SetFixedColumnCount(int n);
  int GetRowCount() const { return static_cast<int>(rows_.size()); }
  int GetColumnCount() const { return static_cast<int>(column_widths_.size()); }
  int GetFixedRowCount() const { return fixed_rows_; }
  int GetFixedColumnCount() const { return fixed_cols_; }
  void DeleteAllItems();

  // Whether the cell lies inside the grid.
  bool IsValid(int row, int col) const;
  bool IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }

  // ---- Cells ----
  bool SetItem(const GridItem* item);
  bool GetItem(GridItem* item) const;
  virtual void SetItemText(int row, int col, std::string_view text);
  // Empty for a cell out of range.
  virtual std::string GetItemText(int row, int col) const;
  // Sets the state bits, keeping the selected-cell set in step with bit 2.
  bool SetItemState(int row, int col, unsigned state);
  unsigned GetItemState(int row, int col) const;
  // The cell object, or nullptr out of range.
  CGridCell* GetCell(int row, int col) const;
  virtual CGridCell* NewCell(int row, int col);
  // Clears a cell before it is deleted or cut: empty text, state cleared but
  // for the focus and read-only bits.
  virtual void DiscardCell(CGridCell* cell, int row, int col);

  // ---- Sizes ----
  // Out of range: 0, and the setters refuse (false) as they do a negative size.
  int GetRowHeight(int row) const;
  bool SetRowHeight(int row, int height);
  int GetColumnWidth(int col) const;
  bool SetColumnWidth(int col, int width);
  int GetDefaultRowHeight() const { return default_row_height_; }
  int GetDefaultColumnWidth() const { return default_col_width_; }
  int GetMargin() const { return margin_; }
  // The size the cell's text needs in the cell's font (semi-bold in a heading).
  virtual plat::Size MeasureCellText(int row, int col, plat::Dc& dc);
  bool FitColumnWidth(int col);
  bool FitRowHeight(int row);
  // Spreads the columns over the client width.
  void StretchColumnsToWidth();

  // Sorts the non-fixed rows by the text of `col` (byte order); selection and
  // focus are cleared first.
  void SortRowsByText(int col, bool ascending);

  // ---- Fonts, colours, options ----
  // The grid's font (WM_GETFONT answers with it).
  const plat::Font& GetGridFont() const { return font_; }
  void SetImageList(const std::vector<plat::Bitmap>* images) { image_list_ = images; }
  const std::vector<plat::Bitmap>* GetImageList() const { return image_list_; }
  const GridColours& colours() const { return colours_; }
  void SetTextColor(plat::ColorRef c) { colours_.text = c; }
  void SetTextBkColor(plat::ColorRef c) { colours_.text_background = c; }
  void SetBkColor(plat::ColorRef c) { colours_.background = c; }
  void SetFixedTextColor(plat::ColorRef c) { colours_.fixed_text = c; }
  void SetFixedBkColor(plat::ColorRef c) { colours_.fixed_background = c; }
  void SetGridColor(plat::ColorRef c) { colours_.grid_lines = c; }
  void SetGridLines(int mode) { grid_lines_ = mode; }
  int GetGridLines() const { return grid_lines_; }
  void SetEditable(bool on) { editable_ = on; }
  bool IsEditable() const { return editable_; }
  void SetModified(bool on = true) { modified_ = on; }
  bool GetModified() const { return modified_; }
  void SetDragAndDrop(bool on) { drag_and_drop_ = on; }
  bool GetDragAndDrop() const { return drag_and_drop_; }
  void SetListMode(bool on) { list_mode_ = on; }
  bool GetListMode() const { return list_mode_; }
  // While off nothing is drawn and the scroll bars are left alone; turning it
  // on redraws, and with `reset_scroll_bars` sets the scroll ranges anew.
  void SetRedraw(bool allow, bool reset_scroll_bars = false);
  bool IsRedrawAllowed() const { return redraw_allowed_; }
  void EnableSelection(bool on) { selection_allowed_ = on; }
  bool IsSelectable() const { return selection_allowed_; }
  void SetSortOnHeadingClick(bool on) { sort_on_heading_click_ = on; }
  bool GetSortOnHeadingClick() const { return sort_on_heading_click_; }
  void SetHandleTabKey(bool on) { handles_tab_ = on; }
  bool GetHandleTabKey() const { return handles_tab_; }
  void SetDoubleBuffering(bool on) { double_buffering_ = on; }
  bool GetDoubleBuffering() const { return double_buffering_; }
  void EnableTitleTips(bool on) { title_tips_ = on; }
  bool GetTitleTips() const { return title_tips_; }
  void SetRowResize(bool on) { row_resize_ = on; }
  bool GetRowResize() const { return row_resize_; }
  void SetColumnResize(bool on) { col_resize_ = on; }
  bool GetColumnResize() const { return col_resize_; }
  int GetWheelScrollLines() const { return wheel_lines_; }
  // "WheelScrollLines" of the settings store (3 when missing).
  static int WheelScrollLineCount();

  // ---- Focus, anchor, selection ----
  CCellID GetFocusCell() const { return focus_; }
  // Moves the focus (a cell outside the grid clears it): -105 for the cell that
  // loses it, -104 with the previous focus once the new one has it. Returns the
  // previous focus.
  CCellID SetFocusCell(int row, int col);
  CCellID SetFocusCell(const CCellID& cell) { return SetFocusCell(cell.row, cell.col); }
  CCellID GetSelectionAnchor() const { return anchor_; }
  void SetSelectionAnchor(const CCellID& cell) { anchor_ = cell; }
  CCellID GetClickedCell() const { return clicked_; }
  CCellID GetDropTargetCell() const { return drop_target_; }
  int GetMouseMode() const { return mouse_mode_; }
  void SetMouseMode(int mode) { mouse_mode_ = mode; }
  // The selected cells (state bit 2), by row and column.
  std::vector<CCellID> GetSelectedCells() const;
  // The selection kept aside by a Ctrl-click, re-selected with every new block.
  std::vector<CCellID> GetPreviousSelection() const;
  // Keeps the current selection as the previous selection.
  void KeepSelectionAsPrevious();
  void ClearPreviousSelection() { previous_selection_.clear(); }
  // Selects the block (clearing the cells outside it, keeping the previous
  // selection); (-1, -1, -1, -1) clears. `redraw_now` redraws the changed
  // cells at once, otherwise they are marked for painting.
  void SelectCellRange(int min_row, int min_col, int max_row, int max_col, bool redraw_now = true);
  // The bounding block of the selection; invalid when nothing is selected.
  CellRange SelectedCellRange() const;
  // By the mouse mode: all cells, whole columns, whole rows or a block from
  // the anchor to `cell`.
  void ExtendSelectionTo(const CCellID& cell);
  // Whole rows from the anchor's row to `row`; the host hears of it.
  void SelectRowsTo(int row, int col);
  // Sends WM_NOTIFY with GridNotifyInfo to the owner (else the parent); its answer.
  plat::LRESULT NotifyOwner(int row, int col, int code);

  // ---- Geometry (client pixels) ----
  int FixedRowHeight() const;
  int FixedColumnWidth() const;
  // The first non-fixed row and column shown; -1 where there is none.
  CCellID TopLeftScrollableCell() const;
  // The non-fixed rows and columns shown, partly or whole; `visible` (may be
  // null) gets the part of the client area they and the headings cover.
  CellRange VisibleScrollableRange(plat::Rect* visible = nullptr) const;
  // The non-fixed rows and columns shown whole (the first shown one counts
  // even when it is cut).
  CellRange FullyVisibleScrollableRange() const;
  // The cell under a client point; with `allow_fixed` also heading cells.
  CCellID CellAtPoint(plat::Point point, bool allow_fixed = true) const;
  bool CellTopLeftPoint(int row, int col, plat::Point* point) const;
  bool GetCellRect(int row, int col, plat::Rect* rect) const;
  bool GetCellRect(const CCellID& cell, plat::Rect* rect) const { return GetCellRect(cell.row, cell.col, rect); }
  bool CellIsVisible(int row, int col) const;
  // Marks the cell (and its right and bottom grid line) for painting.
  bool InvalidateCellArea(const CCellID& cell);
  // Redraws one cell now; false when it is not shown.
  bool RepaintCell(int row, int col, plat::Dc* dc = nullptr);
  bool RepaintColumn(int col);

  // ---- Scrolling ----
  // Sets both scroll bars' range and page from the sizes and the client area.
  void UpdateScrollRanges();
  // Scrolls by rows and columns until the cell is shown whole.
  void ScrollCellIntoView(int row, int col);
  int GetVerticalScrollMaximum() const { return vscroll_max_; }
  int GetHorizontalScrollMaximum() const { return hscroll_max_; }

  // ---- Members programs may override (every caller inside the grid reaches
  // them through the virtual table) ----
  // The selected cells' text (tab between columns, line feed between rows,
  // a blank for an empty selected cell); nullptr without a selection.
  virtual std::shared_ptr<plat::DataObject> CopySelectionToData();
  // Empties the selected cells that are not read-only (editable grids only).
  virtual void CutSelection();
  // Writes the data's text into the cells from (row, col) on: a line per row,
  // fields split at runs of tabs and commas, trimmed; read-only cells and cells
  // outside the grid are skipped. False when nothing could be pasted.
  virtual bool PasteDataAtCell(int row, int col, const plat::DataObject& data);
  virtual void OnEditCut();
  virtual void OnEditCopy();
  virtual void OnEditPaste();
  // Shift the texts of columns 1 to the last down (up) by one row from the
  // focus row; column 0 and the clipboard stay. The host hears of it.
  virtual void InsertRowAtFocus();
  virtual void DeleteRowAtFocus();
  virtual void SelectAll();
  virtual void OnBeginPrinting(plat::Dc& dc, plat::PrintInfo& info);
  virtual void OnPrint(plat::Dc& dc, plat::PrintInfo& info);
  virtual void OnEndPrinting(plat::Dc& dc, plat::PrintInfo& info);
  // Opens the in-place editor over the cell (made visible first) unless the
  // grid is not editable or the cell is read-only; `ch` is the key or the
  // character that started it.
  virtual void BeginCellEdit(int row, int col, UINT ch, EditStart start = EditStart::kKey);
  virtual void PrintHeadingRow(plat::Dc& dc, plat::PrintInfo& info);
  virtual void PrintPageHeader(plat::Dc& dc, plat::PrintInfo& info);
  virtual void PrintPageFooter(plat::Dc& dc, plat::PrintInfo& info);
  // A drag of the selected cells, started by moving the pointer with the
  // button down on a selected cell.
  virtual void StartCellDrag();
  virtual void HeadingColumnClicked(const CCellID& cell);
  virtual void HeadingRowClicked(const CCellID& cell);
  virtual plat::Window* OpenCellEditor(const plat::Rect& rect, plat::DWORD style, UINT id, int row, int col,
                                       std::string_view text, UINT ch, EditStart start);
  virtual void OnDraw(plat::Dc& dc);
  virtual bool DrawFixedCell(plat::Dc& dc, int row, int col, plat::Rect rect, bool erase);
  virtual bool DrawCell(plat::Dc& dc, int row, int col, plat::Rect rect, bool erase);

  // ---- Drag and drop (the drop target forwards here) ----
  // The effect a drop at the client point would have: none unless drag and
  // drop is on, the grid editable, text offered and the cell under the point
  // an editable non-fixed one; copy with Ctrl, else move.
  plat::DROPEFFECT OnDragEnter(const plat::DataObject& data, std::uint32_t key_state, plat::Point point);
  plat::DROPEFFECT OnDragOver(const plat::DataObject& data, std::uint32_t key_state, plat::Point point);
  void OnDragLeave();
  // The drop target a dialog registers for the grid (CGridDropTarget::Register).
  CGridDropTarget& drop_target() { return ole_drop_target_; }

  // ---- Printing and the text file ----
  // Prints the rows before the host's PrintRowCount after the print dialog.
  void Print();
  // Writes row 0 and then every row as a line of texts joined by ","; a file
  // that cannot be written gets a message box and false.
  bool Save(const std::string& path);
  // The first row of every printed page, then one past the last printed row
  // (OnBeginPrinting sets them).
  const std::vector<int>& PrintPageFirstRows() const { return print_page_rows_; }

  // Fills the background of the clip box (headings, cells and the area outside them).
  void EraseBkgnd(plat::Dc& dc);
  // The clipped-text tip (created when first needed).
  CTitleTip& title_tip() { return title_tip_; }

  plat::LRESULT WindowProc(UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;
  bool PreTranslateMessage(plat::MSG* msg) override;

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnHScroll(UINT code, UINT pos, plat::Window* bar) override;
  void OnVScroll(UINT code, UINT pos, plat::Window* bar) override;
  bool OnMouseWheel(UINT flags, short delta, plat::Point point) override;
  void OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
  void OnXButtonDown(UINT flags, UINT button, plat::Point point) override;
  bool OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) override;
  void OnPaint(plat::Dc& dc) override;
  bool OnEraseBkgnd(plat::Dc& dc) override;
  void OnLButtonDown(UINT flags, plat::Point point) override;
  void OnMouseMove(UINT flags, plat::Point point) override;
  void OnLButtonUp(UINT flags, plat::Point point) override;
  void OnLButtonDblClk(UINT flags, plat::Point point) override;
  bool OnSetCursor(plat::Window* window, UINT hit_test, UINT message) override;
  void OnCaptureChanged(plat::Window* window) override;
  UINT OnGetDlgCode() override;
  void OnChar(UINT ch, UINT repeat, UINT flags) override;
  void OnTimer(plat::UINT_PTR id) override;
  // WM_SETFONT: takes the font's description for the grid and every cell and
  // measures the margin and the default sizes in it.
  virtual void OnSetFont(const plat::Font* font, bool redraw);
  // WM_GETFONT: the grid's font.
  const plat::Font* OnGetFont() const { return &font_; }
  virtual void OnSysColorChange();
  virtual void OnSettingChange();

 private:
  using Row = std::vector<std::unique_ptr<CGridCell>>;

  // Both scroll bars share one handler: SB_VERT scrolls rows, SB_HORZ columns.
  void Scroll(int bar, UINT code, UINT pos);
  // Invalidates the non-fixed part of the client area.
  void InvalidateScrollablePart(int bar);
  // One pass of UpdateScrollRanges; false when a bar that came or went
  // changed the client area.
  bool SetScrollRangesOnce();

  void DrawCellImage(plat::Dc& dc, int image, plat::Rect& rect) const;
  // The divider mode (6, 8 or 0) of a pointer with no button down, with its cursor.
  void HoverOverDividers(plat::Point point);
  // The row (column) whose bottom (right) divider lies at the point of a
  // click in `clicked`; -1 for none.
  int DividerRow(plat::Point point) const;
  int DividerColumn(plat::Point point) const;
  void StartResize(plat::Point point, bool column);
  // The 2-pixel line that follows a resize, drawn by inverting (again: gone).
  void InvertResizeLine(plat::Point point, bool vertical);
  void ShowTitleTip(plat::Point point);

  void RefreshLayout();
  bool FitToText(std::vector<int>& extents, int index, bool row);
  void PurgeCellsOutside();
  void RepaintHeadings(int row, int col, bool row_changed, bool col_changed);
  void FollowSystemColoursNow();
  void MeasureFont();

  GridHost default_host_;
  GridHost* host_ = &default_host_;
  plat::HWND owner_ = nullptr;

  GridColours colours_;
  SystemColours system_colours_;
  int grid_lines_ = kGridLinesBoth;
  bool editable_ = true;
  bool modified_ = false;
  bool drag_and_drop_ = false;
  bool list_mode_ = false;
  bool redraw_allowed_ = true;
  bool selection_allowed_ = true;
  bool sort_on_heading_click_ = true;
  bool handles_tab_ = true;
  bool double_buffering_ = true;
  bool title_tips_ = false;
  bool row_resize_ = true;
  bool col_resize_ = true;

  int fixed_rows_ = 0;
  int fixed_cols_ = 0;
  std::vector<int> row_heights_;
  std::vector<int> column_widths_;
  std::vector<Row> rows_;
  int margin_ = 0;
  int default_col_width_ = 0;
  int default_row_height_ = 30;
  int vscroll_max_ = 0;
  int hscroll_max_ = 0;
  plat::Font font_;
  const std::vector<plat::Bitmap>* image_list_ = nullptr;
  plat::Bitmap scratch_{1, 1};  // where text is measured outside painting

  int mouse_mode_ = 0;
  CCellID clicked_;
  CCellID anchor_;
  CCellID focus_;
  CCellID drop_target_;
  int wheel_lines_ = 3;
  std::set<CCellID> selected_;
  std::set<CCellID> previous_selection_;
  plat::Point mouse_down_point_;
  plat::Point last_mouse_point_;
  int resize_index_ = -1;  // the row or column a resize changes
  CTitleTip title_tip_;
  int sort_ascending_ = 1;
  int sort_column_ = -1;

  bool updating_scroll_ranges_ = false;

  // One past the last row printed: the host's count within the grid's rows.
  int PrintRowLimit() const;
  // The grid lines of one printed cell (rect as the cells are drawn).
  void PrintCellLines(plat::Dc& dc, int row, int col, const plat::Rect& rect) const;
  // Draws rows [first, end) across all columns from y = 0 on.
  void PrintRows(plat::Dc& dc, int first, int end, bool headings);

  CGridDropTarget ole_drop_target_;
  // Print metrics, kept from OnBeginPrinting to OnEndPrinting.
  int print_char_width_ = 0;
  int print_char_height_ = 0;
  int print_usable_height_ = 0;
  int print_page_width_ = 0;   // logical
  int print_page_height_ = 0;  // logical
  int printer_width_ = 0;      // device pixels
  int printer_height_ = 0;
  plat::Font printer_font_;
  std::vector<int> print_page_rows_;
};

}  // namespace grid
