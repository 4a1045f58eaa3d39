#pragma once
// Test grids: fixture A (heights 30, 20, 20, 20, 20; widths 40, 50, 50, 80; one
// fixed row and column; a 190 x 100 client area with both bars shown) and a
// parent that records the grid's notifications.
#include <memory>
#include <string>
#include <vector>

#include "grid/grid_ctrl.h"

namespace grid::test {

struct Note {
  int code;
  int row;
  int col;
  friend bool operator==(const Note&, const Note&) = default;
};
std::ostream& operator<<(std::ostream& os, const Note& n);

// A WM_COMMAND among the notes: {kCommandNote, control id, -1}.
inline constexpr int kCommandNote = static_cast<int>(plat::WM_COMMAND);

// A window that records the WM_NOTIFY and WM_COMMAND it gets from a grid.
class NoteTaker : public plat::Window {
 public:
  std::vector<Note> notes;

 protected:
  bool OnNotify(plat::WPARAM wParam, plat::LPARAM lParam, plat::LRESULT* result) override;
  bool OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) override;
};

// A grid that records the scroll messages it handles (sent or posted) and the
// characters that reach it.
class LoggingGrid : public CGridCtrl {
 public:
  struct Scroll {
    plat::UINT message;
    plat::UINT code;
    friend bool operator==(const Scroll&, const Scroll&) = default;
  };
  std::vector<Scroll> scrolls;
  std::vector<plat::UINT> chars;

  plat::LRESULT WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) override;

 protected:
  void OnChar(plat::UINT ch, plat::UINT repeat, plat::UINT flags) override;
};

// A host that logs what reaches it: keys ("key 40"), rows selected ("rows 2
// 0"), keys typed into the editor ("typed 36") and ends of edits ("end abc
// 27"); column 3 holds switch cells; `upper` makes the editor upper-case.
class RecordingHost : public GridHost {
 public:
  std::vector<std::string> log;
  bool upper = false;

  bool KeyDown(CGridCtrl& grid, plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void EndEdit(CGridCtrl& grid, const GridEditInfo& info) override;
  bool IsSwitchCell(const CGridCtrl& grid, int row, int col) const override;
  void RowsSelected(CGridCtrl& grid, int row, int col) override;
  void EditorKeyTyped(CGridCtrl& grid, plat::UINT vk) override;
  bool UpperCaseEditor(const CGridCtrl& grid) const override;
};

// The width of a shown scroll bar.
int ScrollBarExtent();

struct GridFixture {
  RecordingHost host;  // outlives the grid; set by the tests that use it
  NoteTaker parent;
  LoggingGrid grid;

  // Fixture A in a grid made with `bars` (WS_VSCROLL, WS_HSCROLL or none).
  void MakeFixtureA(plat::DWORD bars = plat::WS_VSCROLL | plat::WS_HSCROLL);
  // A grid of the counts given, in a 190 x 100 client area (no bars needed).
  void MakeGrid(int rows, int cols, int fixed_rows, int fixed_cols);
};

plat::Rect ClientOf(const plat::Window& window);

// The selected cells as "(r,c)" joined.
std::string SelectionOf(const CGridCtrl& grid);

}  // namespace grid::test
