#include "shell/job/dia_start.h"

#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"
#include "platform/window/virtual_keys.h"
#include "shell/job/solver_start.h"
#include "shell/settings/read_settings.h"

namespace quentaris {

namespace {

constexpr const char* kExplanation =
    "Normally it is not necessary to call this routine\n"
    "since the load cases are automatically solved when they are stored.\n\n"
    "Only if you have modified the frame then it is simpler to start the recalculation en bloc by calling this "
    "routine.";

void SetFormat(grid::CGridCtrl& grid, int row, int col, unsigned format) {
  grid::GridItem item;
  item.row = row;
  item.col = col;
  item.mask = grid::kMaskFormat;
  item.format = format;
  grid.SetItem(&item);
}

}  // namespace

CDiaStart::CDiaStart(const ShellState& state, plat::Window* owner)
    : ShellDialog(kTemplateId, "Analysis", owner), state_(state) {}

void CDiaStart::BuildLayout(plat::DialogLayout& layout) {
  layout.Text(kExplanation);
  layout.Grid(kGridId, 220, 260);
  layout.OkCancel("&Start", "&Stop");
}

bool CDiaStart::OnInitDialog() {
  ShellDialog::OnInitDialog();
  SetUpGrid();
  FillFromDiary();
  return true;
}

void CDiaStart::SetUpGrid() {
  AttachToPlaceholder(kGridId, grid_);
  grid_.drop_target().Register(&grid_);
  grid_.SetEditable(true);
  grid_.SetDragAndDrop(true);
  grid_.SetListMode(false);
  grid_.SetBkColor(kTableColour);
  grid_.SetTextBkColor(kTableColour);
  grid_.SetRowCount(kRows);
  grid_.SetColumnCount(kColumns);
  grid_.SetFixedRowCount(1);
  grid_.SetFixedColumnCount(1);
  grid_.SetColumnWidth(0, grid_.GetColumnWidth(0) / 2);
  grid_.StretchColumnsToWidth();
  for (int row = 1; row < kRows; ++row) {
    grid_.SetItemText(row, 0, std::to_string(row));
    SetFormat(grid_, row, 0, plat::DT_RIGHT | plat::DT_VCENTER | plat::DT_SINGLELINE);
    SetFormat(grid_, row, 1, plat::DT_CENTER | plat::DT_VCENTER | plat::DT_SINGLELINE);
  }
  grid_.shell_host().SetAllColumnTypes(kColumns, 1);
  grid_.shell_host().SetColumnType(1, 3);
}

void CDiaStart::FillFromDiary() {
  const common::Result read = ReadDiary(state_);
  if (!read) {
    plat::MessageBox(read.text(), read.caption());
    return;
  }
  const int count = state_.diary.count();
  for (int k = 1; k <= count && k < kRows; ++k) grid_.SetItemText(k, 1, std::to_string(state_.diary.load_case(k)));
  if (count == 0) grid_.SetItemText(1, 1, "1");
}

std::vector<std::string> CDiaStart::LoadCaseTexts() const {
  std::vector<std::string> texts;
  for (int row = 1; row < kRows; ++row) texts.push_back(grid_.GetItemText(row, 1));
  return texts;
}

bool CDiaStart::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  // Enter in the table edits its focus cell instead of closing.
  if (plat::LOWORD(wParam) == plat::IDOK && grid_.GetSafeHwnd() && plat::Window::GetFocus() == &grid_) {
    const grid::CCellID focus = grid_.GetFocusCell();
    grid_.BeginCellEdit(focus.row, focus.col, plat::VK_UP);
    return true;
  }
  return ShellDialog::OnCommand(wParam, lParam);
}

void CDiaStart::OnOK() {
  const std::vector<std::string> texts = LoadCaseTexts();
  // A number out of range keeps the dialog open, so that the table can be mended.
  if (const auto load_cases = LoadCasesOfRows(texts); !load_cases) {
    plat::MessageBox(load_cases.failure().text(), load_cases.failure().caption());
    return;
  }
  EndDialog(plat::IDOK);
  StartSolverJob(state_, texts);
}

plat::LRESULT CDiaStart::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (message == plat::WM_XBUTTONDOWN) {
    OnCancel();
    return 0;
  }
  return ShellDialog::WindowProc(message, wParam, lParam);
}

}  // namespace quentaris
