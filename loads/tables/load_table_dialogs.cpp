#include "loads/tables/load_table_dialogs.h"

#include "loads/editor/change_test.h"
#include "loads/tables/line_load_rows.h"
#include "loads/tables/point_load_rows.h"
#include "loads/tables/support_rows.h"
#include "loads/tables/temperature_rows.h"
#include "loads/dialogs/number_fields.h"
#include "platform/dialogs/dialog_layout.h"

namespace pundf::tables {
namespace {

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

TableDialog::Setup WithNotes(TableDialog::Setup setup) {
  setup.wide_column = setup.cols - 1;
  return setup;
}

TableDialog::Setup WithStop(TableDialog::Setup setup, bool print_and_files) {
  setup.stop_button = true;
  setup.print_and_files = print_and_files;
  return setup;
}

constexpr const char* kAlphaLabel = "Temerpature coefficient alpha_T";

constexpr const char* kKeyHelp =
    "Ctrl + C = Copy\nCtrl + V = Paste\nCtrl + X = Delete\nCtrl + I = Insert row\nCtrl + L = Delete row";

void LineLoadHelp(plat::DialogLayout& layout) {
  layout.Text("Beg. = Start");
  layout.Text("End = End");
  layout.Text("no entries S/E = full length");
  layout.Text("Direction = X, Y, N or T\nN = Normal, T = Tangential");
  layout.Text(kKeyHelp);
  layout.Text("Enter-key copies from\ncell above if cell is\nempty.");
  layout.Text("F5 copies down");
}

void PointLoadHelp(plat::DialogLayout& layout) {
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

void AlphaField(plat::DialogLayout& layout) {
  layout.Form().Field(kAlphaLabel).EditBox(CDiaTemp3::kAlphaEdit, 0x0080, 12);
}

void KeyHelp(plat::DialogLayout& layout) { layout.Text(kKeyHelp); }
void NoHelp(plat::DialogLayout&) {}

const TableRules kLineLoads{
    {3, 1, 1, 2, 2, 7, 0}, LineLoadHelp, LineLoadCells,
    [](const CellTexts& cells, LoadModel& m) { return ReadLineLoads(cells, m.geometry, m.load_case); },
    [](const LoadCase& lc) { return lc.line_loads.empty(); }};

const TableRules kPointLoads{
    {6, 3, 3, 1, 2, 7, 0}, PointLoadHelp, PointLoadCells,
    [](const CellTexts& cells, LoadModel& m) { return ReadPointLoads(cells, m.geometry, m.load_case); },
    [](const LoadCase& lc) { return lc.point_loads.empty(); }};

const TableRules kSettlements{
    {}, KeyHelp, SettlementCells,
    [](const CellTexts& cells, LoadModel& m) { return ReadSettlements(cells, m.load_case); },
    [](const LoadCase&) { return false; }};

const TableRules kPrestress{
    {3, 2}, NoHelp, PrestressCells,
    [](const CellTexts& cells, LoadModel& m) { return ReadPrestress(cells, m.geometry, m.load_case); },
    [](const LoadCase&) { return true; }};

const TableRules kTemperatures{
    {}, AlphaField, TemperatureCells,
    [](const CellTexts& cells, LoadModel& m) { return ReadTemperatures(cells, m.load_case); },
    [](const LoadCase&) { return false; }};

}  // namespace

LoadTableDialog::LoadTableDialog(EditorSession& session, TableState& state, plat::Window* owner, Setup setup,
                                 TableRules rules)
    : TableDialog(std::move(setup), state, owner), session_(session), rules_(std::move(rules)) {}

void LoadTableDialog::AddHelp(plat::DialogLayout& layout) { rules_.add_help(layout); }

void LoadTableDialog::SetColumnKinds(TableState& state) {
  for (std::size_t i = 0; i < rules_.kinds.size(); ++i) state.SetKind(static_cast<int>(i) + 1, rules_.kinds[i]);
}

CellTexts LoadTableDialog::OpeningCells() { return rules_.opening(session_.model.load_case, kTableRows); }

bool LoadTableDialog::OpensEmpty() { return rules_.opens_empty(session_.model.load_case); }

std::optional<Refusal> LoadTableDialog::TakeRows(const CellTexts& cells) {
  auto refusal = rules_.take(cells, session_.model);
  if (!refusal) LoadsChanged(session_);
  return refusal;
}

CDiaLin3::CDiaLin3(EditorSession& session, TableState& state, plat::Window* owner)
    : LoadTableDialog(session, state, owner,
                      WithNotes(TableSetup(session, 182, "Line loads", kLineLoadColumns, kLineLoadMode, "Line loads")),
                      kLineLoads) {}

CDiaPunkt3::CDiaPunkt3(EditorSession& session, TableState& state, plat::Window* owner)
    : LoadTableDialog(session, state, owner,
                      WithNotes(
                          TableSetup(session, 184, "Point loads", kPointLoadColumns, kPointLoadMode, "Punktlasten")),
                      kPointLoads) {}

CDiaYield3::CDiaYield3(EditorSession& session, TableState& state, plat::Window* owner)
    : LoadTableDialog(session, state, owner,
                      WithStop(TableSetup(session, 190, "Settlements", kSettlementColumns, kNoTableMode,
                                          "St\xC3\xBCtzensenkungen"),
                               true),
                      kSettlements) {}

CDiaPrestress::CDiaPrestress(EditorSession& session, TableState& state, plat::Window* owner)
    : LoadTableDialog(session, state, owner,
                      WithStop(TableSetup(session, 325, "Prestressing", kPrestressColumns, kNoTableMode, ""), false),
                      kPrestress) {}

CDiaTemp3::CDiaTemp3(EditorSession& session, TableState& state, plat::Window* owner)
    : LoadTableDialog(session, state, owner,
                      WithStop(TableSetup(session, 2020, "Temperature", kTemperatureColumns, kNoTableMode,
                                          "Wandbewegungen"),
                               true),
                      kTemperatures),
      session_(session) {}

bool CDiaTemp3::OnInitDialog() {
  const bool result = LoadTableDialog::OnInitDialog();
  SetDlgItemText(kAlphaEdit, FormatNumber("%.2E", session_.model.load_case.params.alpha_t()));
  return result;
}

std::optional<Refusal> CDiaTemp3::TakeRows(const CellTexts& cells) {
  // Shown here: the field is no cell of the grid.
  const auto alpha = TakeFieldNumber(*this, kAlphaEdit, kAlphaLabel);
  if (!alpha) return Refusal{};
  common::LoadCaseParams& params = session_.model.load_case.params;
  const double before = params.alpha_t();
  params.set_alpha_t(*alpha);
  auto refusal = LoadTableDialog::TakeRows(cells);
  if (refusal) params.set_alpha_t(before);
  return refusal;
}

}  // namespace pundf::tables
