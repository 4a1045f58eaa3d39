#pragma once
// What the table tests share: a position folder of their own without the
// frame's files, typing into a grid, OK of a table, snapshots.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/position/model_defaults.h"

#include "common/position/position.h"
#include "geometry/tables/table_dialog.h"
#include "grid/grid_notify.h"
#include "platform/files.h"
#include "platform/testing/testing.h"
#include "platform/testing/window_testing.h"
#include "platform/window/virtual_keys.h"

namespace kelmf::testing {

inline common::Position FreshTablePosition(const std::string& name) {
  common::Position position(plat::testing::TestFolder() + "tables/", "." + name);
  EXPECT_TRUE(common::EnsurePositionFolder(position));
  for (const char* f : {"ELEMENTS", "NODES", "LKNOTENR", "CROSS", "MATR", "GEOMETRY", "EXTENSIOR", "INVERSE"}) {
    plat::RemoveFile(position.File(f));
  }
  return position;
}

// Types `text` at the grid's focus cell (editing it when no editor is
// open) and ends with Return.
inline void TypeInGrid(grid::CGridCtrl& grid, const std::string& text) {
  plat::Window* editor = grid.GetDlgItem(grid::kCellEditorId);
  if (editor == nullptr) {
    grid.BeginCellEdit(grid.GetFocusCell().row, grid.GetFocusCell().col, 0);
    editor = grid.GetDlgItem(grid::kCellEditorId);
  }
  ASSERT_NE(editor, nullptr);
  plat::testing::TypeText(*editor, text);
  plat::testing::PressKey(*editor, plat::VK_RETURN);
  ASSERT_TRUE(plat::testing::PumpMessages());
}

// A model with the default material and cross section, as a start gives it.
inline FrameModel ModelWithDefaults() {
  FrameModel model;
  model.materials.Append(common::DefaultMaterial());
  model.cross_sections.Append(common::DefaultCrossSection());
  return model;
}

// Texts into columns 1.. of a grid row.
inline void SetRow(grid::CGridCtrl& grid, int row, const std::vector<std::string>& texts) {
  for (std::size_t c = 0; c < texts.size(); ++c) grid.SetItemText(row, static_cast<int>(c) + 1, texts[c]);
}

inline void ClickTableOk(plat::Dialog& dialog) {
  dialog.SendMessage(plat::WM_COMMAND, table_ids::kOk,
                     reinterpret_cast<plat::LPARAM>(dialog.GetDlgItem(table_ids::kOk)));
}

// The window's picture as snapshots/<name> beside the test programs.
inline void SaveSnapshot(plat::Window& window, const std::string& name) {
  const std::string snapshots = plat::testing::BinFolder() + "../snapshots/";
  ASSERT_TRUE(plat::MakeFolder(snapshots));
  EXPECT_TRUE(plat::testing::WindowPixels(window).Save(snapshots + name).ok());
}

}  // namespace kelmf::testing
