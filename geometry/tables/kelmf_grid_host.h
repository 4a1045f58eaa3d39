#pragma once
// KELMF's grid host: its key handler with the table steps (copy down and
// across, Return filling dependent cells), its end of an edit (cleaning by
// column kind), its switch cells (the nodes' support columns, the elements'
// flags) and its whole-row selection.
#include "common/records/frame_params.h"
#include "geometry/tables/grid_input_state.h"
#include "grid/cell_id.h"
#include "grid/grid_host.h"

namespace kelmf {

// The application title (string resource 57344): the printed tables' page
// head shows it right-aligned.
inline constexpr const char* kApplicationTitle = "KELMWF";

class KelmfGridHost : public grid::GridHost {
 public:
  KelmfGridHost(GridInputState& state, common::FrameParams& params) : state_(state), params_(params) {}

  bool KeyDown(grid::CGridCtrl& grid, plat::UINT vk, plat::UINT repeat, plat::UINT flags) override;
  void EndEdit(grid::CGridCtrl& grid, const grid::GridEditInfo& info) override;
  bool IsSwitchCell(const grid::CGridCtrl& grid, int row, int col) const override;
  bool UpperCaseEditor(const grid::CGridCtrl& grid) const override;
  int PrintRowCount(const grid::CGridCtrl& grid) const override;
  std::string ApplicationTitle(const grid::CGridCtrl& grid) const override;
  void EditorKeyTyped(grid::CGridCtrl& grid, plat::UINT vk) override;
  // A row heading of the nodes or elements table: its point becomes the marked one.
  void RowsSelected(grid::CGridCtrl& grid, int row, int col) override;

  // The key handler with the modifier state given (tests and the end of an edit).
  void HandleKey(grid::CGridCtrl& grid, plat::UINT vk, bool ctrl, bool shift);

 private:
  // The step of the active table for the cell (row, col) that Return left.
  void TableStep(grid::CGridCtrl& grid, int row, int col, grid::CCellID& focus);

  GridInputState& state_;
  common::FrameParams& params_;
};

}  // namespace kelmf
