#include "loads/tables/load_table_dialogs.h"

#include "loads/editor/change_test.h"
#include "loads/tables/line_load_rows.h"
#include "loads/tables/point_load_rows.h"
#include "loads/tables/support_rows.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf::tables {

TableDialog::Setup TableSetup(const EditorSession& session, plat::UINT template_id, std::string caption, int cols,
                              int mode, std::string text_name) {
  TableDialog::Setup setup;
  setup.template_id = template_id;
  setup.caption = std::move(caption);
  setup.cols = cols;
  setup.mode = mode;
  setup.text_name = std::move(text_name);
  setup.extension = session.model.position.ext();
  setup.folder = session.model.position.folder();
  return setup;
}

// ---- Line loads ----

CDiaLin3::CDiaLin3(EditorSession& session, TableState& state, plat::Window* owner)
    : TableDialog(TableSetup(session, 182, "Line loads", kLineLoadColumns, kLineLoadMode, "Line loads"), state,
                  owner),
      session_(session) {}

void CDiaLin3::AddHelp(plat::DialogLayout& layout) {
  layout.Text("Beg. = Start");
  layout.Text("End = End");
  layout.Text("no entries S/E = full length");
  layout.Text("Direction = X, Y, N or T\nN = Normal, T = Tangential");
  layout.Text("Ctrl + C = Copy\nCtrl + V = Paste\nCtrl + X = Delete\nCtrl + I = Insert row\nCtrl + L = Delete row");
  layout.Text("Enter-key copies from\ncell above if cell is\nempty.");
  layout.Text("F5 copies down");
}

void CDiaLin3::SetColumnKinds(TableState& state) {
  const int kinds[kLineLoadColumns] = {0, 3, 1, 1, 2, 2, 7, 0};
  for (int c = 1; c < kLineLoadColumns; ++c) state.SetKind(c, kinds[c]);
}

CellTexts CDiaLin3::OpeningCells() { return LineLoadCells(session_.model.load_case, kTableRows); }

bool CDiaLin3::OpensEmpty() { return session_.model.load_case.line_loads.empty(); }

std::optional<Refusal> CDiaLin3::TakeRows(const CellTexts& cells) {
  auto refusal = ReadLineLoads(cells, session_.model.geometry, session_.model.load_case);
  if (!refusal) LoadsChanged(session_);
  return refusal;
}

// ---- Point loads ----

CDiaPunkt3::CDiaPunkt3(EditorSession& session, TableState& state, plat::Window* owner)
    : TableDialog(TableSetup(session, 184, "Point loads", kPointLoadColumns, kPointLoadMode, "Punktlasten"), state,
                  owner),
      session_(session) {}

void CDiaPunkt3::AddHelp(plat::DialogLayout& layout) {
  auto loads = layout.Group("Point loads");
  loads.Text("Art :");
  loads.Text("F = Force [kN]");
  loads.Text("M = Moment [kNm]");
  auto geometric = layout.Group("Geometric loads");
  geometric.Text("H = Hinge spread by one unit (GF-M)");
  geometric.Text("V = vertical jump (GF-V)");
  geometric.Text("N = axial Jump (GF-N)");
  auto directions = layout.Group("Directions");
  directions.Text("X, Y,    N, T (normal, tangential)");
  layout.Text(
      "Input: \n\nNode number if nodal load.\n\nelse element number and distance to the left node of the element");
}

void CDiaPunkt3::SetColumnKinds(TableState& state) {
  const int kinds[kPointLoadColumns] = {0, 6, 3, 3, 1, 2, 7, 0};
  for (int c = 1; c < kPointLoadColumns; ++c) state.SetKind(c, kinds[c]);
}

CellTexts CDiaPunkt3::OpeningCells() { return PointLoadCells(session_.model.load_case, kTableRows); }

bool CDiaPunkt3::OpensEmpty() { return session_.model.load_case.point_loads.empty(); }

std::optional<Refusal> CDiaPunkt3::TakeRows(const CellTexts& cells) {
  auto refusal = ReadPointLoads(cells, session_.model.geometry, session_.model.load_case);
  if (!refusal) LoadsChanged(session_);
  return refusal;
}

// ---- Settlements ----

CDiaYield3::CDiaYield3(EditorSession& session, TableState& state, plat::Window* owner)
    : TableDialog(
          [&] {
            auto setup = TableSetup(session, 190, "Settlements", kSettlementColumns, kNoTableMode,
                                    "St\xC3\xBCtzensenkungen");
            setup.stop_button = true;
            return setup;
          }(),
          state, owner),
      session_(session) {}

void CDiaYield3::AddHelp(plat::DialogLayout& layout) {
  layout.Text("Ctrl + C = Copy\nCtrl + V = Paste\nCtrl + X = Delete\nCtrl + I = Insert row\nCtrl + L = Delete row");
}

void CDiaYield3::SetColumnKinds(TableState&) {}  // every data column a number

CellTexts CDiaYield3::OpeningCells() { return SettlementCells(session_.model.load_case, kTableRows); }

std::optional<Refusal> CDiaYield3::TakeRows(const CellTexts& cells) {
  auto refusal = ReadSettlements(cells, session_.model.load_case);
  if (!refusal) LoadsChanged(session_);
  return refusal;
}

// ---- Prestress ----

CDiaPrestress::CDiaPrestress(EditorSession& session, TableState& state, plat::Window* owner)
    : TableDialog(
          [&] {
            auto setup = TableSetup(session, 325, "Prestressing", kPrestressColumns, kNoTableMode, "");
            setup.stop_button = true;
            setup.print_and_files = false;
            return setup;
          }(),
          state, owner),
      session_(session) {}

void CDiaPrestress::AddHelp(plat::DialogLayout&) {}

void CDiaPrestress::SetColumnKinds(TableState& state) {
  state.SetKind(1, 3);
  state.SetKind(2, 2);
}

CellTexts CDiaPrestress::OpeningCells() { return PrestressCells(session_.model.load_case, kTableRows); }

std::optional<Refusal> CDiaPrestress::TakeRows(const CellTexts& cells) {
  auto refusal = ReadPrestress(cells, session_.model.geometry, session_.model.load_case);
  if (!refusal) LoadsChanged(session_);
  return refusal;
}

}  // namespace pundf::tables
