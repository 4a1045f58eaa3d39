#include "grid/tests/fixture.h"

#include <gtest/gtest.h>

#include <ostream>

namespace grid::test {

std::ostream& operator<<(std::ostream& os, const Note& n) {
  return os << "{" << n.code << " (" << n.row << "," << n.col << ")}";
}

bool NoteTaker::OnNotify(plat::WPARAM, plat::LPARAM lParam, plat::LRESULT* result) {
  const auto* info = reinterpret_cast<const GridNotifyInfo*>(lParam);
  notes.push_back({info->hdr.code, info->row, info->col});
  *result = 0;
  return true;
}

bool NoteTaker::OnCommand(plat::WPARAM wParam, plat::LPARAM) {
  notes.push_back({kCommandNote, static_cast<int>(plat::LOWORD(wParam)), -1});
  return true;
}

plat::LRESULT LoggingGrid::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (message == plat::WM_VSCROLL || message == plat::WM_HSCROLL) scrolls.push_back({message, plat::LOWORD(wParam)});
  return CGridCtrl::WindowProc(message, wParam, lParam);
}

void LoggingGrid::OnChar(plat::UINT ch, plat::UINT repeat, plat::UINT flags) {
  chars.push_back(ch);
  CGridCtrl::OnChar(ch, repeat, flags);
}

bool RecordingHost::KeyDown(CGridCtrl&, plat::UINT vk, plat::UINT, plat::UINT) {
  log.push_back("key " + std::to_string(vk));
  return true;
}

void RecordingHost::EndEdit(CGridCtrl& grid, const GridEditInfo& info) {
  log.push_back("end " + info.item.text + " " + std::to_string(info.item.data));
  GridHost::EndEdit(grid, info);
}

bool RecordingHost::IsSwitchCell(const CGridCtrl&, int, int col) const { return col == 3; }

void RecordingHost::RowsSelected(CGridCtrl&, int row, int col) {
  log.push_back("rows " + std::to_string(row) + " " + std::to_string(col));
}

void RecordingHost::EditorKeyTyped(CGridCtrl&, plat::UINT vk) { log.push_back("typed " + std::to_string(vk)); }

bool RecordingHost::UpperCaseEditor(const CGridCtrl&) const { return upper; }

std::string SelectionOf(const CGridCtrl& grid) {
  std::string text;
  for (const CCellID& cell : grid.GetSelectedCells()) {
    text += "(" + std::to_string(cell.row) + "," + std::to_string(cell.col) + ")";
  }
  return text;
}

plat::Rect ClientOf(const plat::Window& window) {
  plat::Rect r;
  window.GetClientRect(&r);
  return r;
}

int ScrollBarExtent() {
  plat::Window top;
  EXPECT_TRUE(top.Create("measure", 0, plat::Rect{100, 100, 500, 400}));
  plat::Window child;
  EXPECT_TRUE(child.Create("", plat::WS_CHILD | plat::WS_VSCROLL, plat::Rect{0, 0, 300, 200}, &top, 1));
  return 300 - ClientOf(child).Width();
}

void GridFixture::MakeFixtureA(plat::DWORD bars) {
  const int extent = ScrollBarExtent();
  ASSERT_TRUE(parent.Create("dialog", plat::WS_VISIBLE, plat::Rect{100, 100, 600, 500}));
  ASSERT_TRUE(grid.Create("", plat::WS_CHILD | plat::WS_VISIBLE | bars, plat::Rect{0, 0, 400, 300}, &parent, 5));
  ASSERT_TRUE(grid.SetRowCount(5));
  ASSERT_TRUE(grid.SetColumnCount(4));
  ASSERT_TRUE(grid.SetFixedRowCount(1));
  ASSERT_TRUE(grid.SetFixedColumnCount(1));
  const int heights[] = {30, 20, 20, 20, 20};
  const int widths[] = {40, 50, 50, 80};
  for (int r = 0; r < 5; ++r) ASSERT_TRUE(grid.SetRowHeight(r, heights[r]));
  for (int c = 0; c < 4; ++c) ASSERT_TRUE(grid.SetColumnWidth(c, widths[c]));
  grid.MoveWindow(0, 0, 190 + extent, 100 + extent);
  ASSERT_EQ(ClientOf(grid), (plat::Rect{0, 0, 190, 100}));
  grid.scrolls.clear();
  parent.notes.clear();
}

void GridFixture::MakeGrid(int rows, int cols, int fixed_rows, int fixed_cols) {
  ASSERT_TRUE(parent.Create("dialog", plat::WS_VISIBLE, plat::Rect{100, 100, 600, 500}));
  ASSERT_TRUE(grid.Create("", plat::WS_CHILD | plat::WS_VISIBLE, plat::Rect{0, 0, 190, 100}, &parent, 5));
  ASSERT_TRUE(grid.SetRowCount(rows));
  ASSERT_TRUE(grid.SetColumnCount(cols));
  ASSERT_TRUE(grid.SetFixedRowCount(fixed_rows));
  ASSERT_TRUE(grid.SetFixedColumnCount(fixed_cols));
  grid.scrolls.clear();
  parent.notes.clear();
}

}  // namespace grid::test
