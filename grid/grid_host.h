#pragma once
// GridHost: what a program changes of the common grid (its keys, the end of an
// edit, its character filter, its table's options). A program gives its grid
// one host object (CGridCtrl::SetHost); every hook's default is the common
// grid's behaviour, so a host overrides only what its program does otherwise.
#include <string>

#include "platform/dc/gdi_types.h"
#include "platform/window/messages.h"

namespace grid {

class CGridCtrl;
struct GridEditInfo;

// How a paste reads the text it is given.
struct PasteReading {
  int attempts = 7;         // reads tried before giving up
  bool report_failure = true;  // a message box when all failed
  friend bool operator==(const PasteReading&, const PasteReading&) = default;
};

class GridHost {
 public:
  virtual ~GridHost();

  // WM_KEYDOWN of the grid; the auto-scroll timer's arrow keys arrive here too
  // and are expected to move the focus one cell. False leaves the key to the
  // window's default handling (the default: the common grid moves nothing).
  virtual bool KeyDown(CGridCtrl& grid, plat::UINT vk, plat::UINT repeat, plat::UINT flags);
  // The in-place editor ended (`info`: row, column, final text, ending key).
  // Default: store the text, redraw the cell, tell the owner (GridNotifyEndEdit).
  virtual void EndEdit(CGridCtrl& grid, const GridEditInfo& info);
  // A character (WM_CHAR) on its way to the grid or its editor: the character
  // to deliver. Default: unchanged.
  virtual plat::UINT TranslateChar(CGridCtrl& grid, plat::UINT ch);
  // Whether a click on this non-fixed cell toggles its text between "0" and
  // "1". Default: no cell does.
  virtual bool IsSwitchCell(const CGridCtrl& grid, int row, int col) const;
  // Whole rows were selected from the anchor to `row` (a click or drag on the
  // row headings) with the pointer in `col`. Default: nothing more.
  virtual void RowsSelected(CGridCtrl& grid, int row, int col);
  // A key typed into the in-place editor that does not end the edit. Default:
  // nothing.
  virtual void EditorKeyTyped(CGridCtrl& grid, plat::UINT vk);
  // Whether the in-place editor shows and takes its text in upper case.
  // Default: as typed.
  virtual bool UpperCaseEditor(const CGridCtrl& grid) const;
  // One past the last row that printing covers. Default: every row.
  virtual int PrintRowCount(const CGridCtrl& grid) const;
  // A row was inserted or deleted at `row` by the row operations. Default:
  // nobody listens.
  virtual void RowInserted(CGridCtrl& grid, int row);
  virtual void RowDeleted(CGridCtrl& grid, int row);
  // How often a paste or drop asks for its text, and whether a failure is
  // reported. Default: 7 tries, then a message box.
  virtual PasteReading PasteReadAttempts(const CGridCtrl& grid) const;
  // A side button of the mouse went down over the grid (XBUTTON1, XBUTTON2).
  // False leaves it to the window's default handling (the default).
  virtual bool SideButton(CGridCtrl& grid, plat::UINT flags, plat::UINT button, plat::Point point);
  // The program's title (print job name, page header). Default: none.
  virtual std::string ApplicationTitle(const CGridCtrl& grid) const;
};

// The keys that, ending an in-place edit, act in the grid and open the next edit (the editors' tables).
bool KeyMovesOnAfterEdit(plat::UINT key);

}  // namespace grid
