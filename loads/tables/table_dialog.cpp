#include "loads/tables/table_dialog.h"

#include "loads/tables/grid_text_file.h"
#include "loads/tables/table_icons.h"
#include "platform/binary_io.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/message_box.h"
#include "platform/window/virtual_keys.h"

namespace pundf::tables {

TableDialog::TableDialog(Setup setup, TableState& state, plat::Window* owner)
    : plat::Dialog(setup.template_id, setup.caption, owner),
      setup_(std::move(setup)),
      state_(state),
      host_(state),
      save_icon_(SaveTableIcon()),
      load_icon_(LoadTableIcon()) {}

TableDialog::~TableDialog() { state_.mode = kNoTableMode; }

void TableDialog::BuildLayout(plat::DialogLayout& layout) {
  auto body = layout.Row();
  body.Grid(kGridId, 700, 400);
  auto help = body.Column();
  AddHelp(help);
  help.Stretch();
  auto buttons = layout.Row();
  buttons.PushButton("&OK", kOkButton);
  if (setup_.stop_button) buttons.PushButton("&Stop", plat::IDCANCEL);
  if (setup_.print_and_files) {
    buttons.PushButton("&Print", kPrintButton);
    plat::Button& save = buttons.PushButton("", kSaveTextButton, plat::BS_BITMAP);
    save.SetBitmap(&save_icon_);
    plat::Button& load = buttons.PushButton("", kLoadTextButton, plat::BS_BITMAP);
    load.SetBitmap(&load_icon_);
  }
  buttons.Stretch();
}

bool TableDialog::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  if (!AttachToPlaceholder(kGridId, grid_)) return true;
  grid_.SetHost(&host_);
  grid_.EnableTitleTips(true);
  grid_.SetRowCount(setup_.rows);
  grid_.SetColumnCount(setup_.cols);
  grid_.SetFixedRowCount(1);
  grid_.SetFixedColumnCount(1);
  grid_.SetColumnWidth(0, grid_.GetColumnWidth(0) / 2);
  grid_.StretchColumnsToWidth();
  if (setup_.wide_column > 0) {
    // The other data columns give a quarter of their width to the wide one.
    int gained = 0;
    for (int c = 1; c < setup_.cols; ++c) {
      if (c == setup_.wide_column) continue;
      const int give = grid_.GetColumnWidth(c) / 4;
      grid_.SetColumnWidth(c, grid_.GetColumnWidth(c) - give);
      gained += give;
    }
    grid_.SetColumnWidth(setup_.wide_column, grid_.GetColumnWidth(setup_.wide_column) + gained);
  }
  state_.Reset(setup_.cols);
  SetColumnKinds(state_);
  SetCells(OpeningCells());
  opened_ = Cells();
  grid_.SetModified(false);
  grid_.SelectCellRange(-1, -1, -1, -1);
  state_.mode = setup_.mode;
  grid_.drop_target().Register(&grid_);
  return true;
}

void TableDialog::OnShowWindow(bool show, plat::UINT status) {
  plat::Dialog::OnShowWindow(show, status);
  if (!show || !grid_.GetSafeHwnd()) return;
  grid_.SetFocusCell(1, 1);
  grid_.SetSelectionAnchor(grid::CCellID{1, 1});
  if (OpensEmpty()) EditFocusCell();
}

CellTexts TableDialog::Cells() const {
  CellTexts cells(static_cast<std::size_t>(grid_.GetRowCount()));
  for (int r = 0; r < grid_.GetRowCount(); ++r) {
    auto& row = cells[static_cast<std::size_t>(r)];
    for (int c = 0; c < grid_.GetColumnCount(); ++c) row.push_back(grid_.GetItemText(r, c));
  }
  return cells;
}

void TableDialog::SetCells(const CellTexts& cells) {
  const int rows = std::min(static_cast<int>(cells.size()), grid_.GetRowCount());
  for (int r = 0; r < rows; ++r) {
    const auto& row = cells[static_cast<std::size_t>(r)];
    const int cols = std::min(static_cast<int>(row.size()), grid_.GetColumnCount());
    for (int c = 0; c < cols; ++c) grid_.SetItemText(r, c, row[static_cast<std::size_t>(c)]);
  }
  grid_.Invalidate();
}

bool TableDialog::LoadText(const std::string& path) {
  const auto data = plat::ReadWholeFile(path);
  if (!data) return false;
  const std::string_view text(reinterpret_cast<const char*>(data->data()), data->size());
  SetCells(ReadGridText(text, grid_.GetRowCount(), grid_.GetColumnCount()));
  return true;
}

int TableDialog::PrintRowsOfTable() const {
  int end = 1;
  while (end < grid_.GetRowCount() && !grid_.GetItemText(end, 1).empty()) ++end;
  return end;
}

void TableDialog::OnTableOk() {
  const std::optional<Refusal> refusal = TakeRows(Cells());
  if (!refusal) {
    state_.mode = kNoTableMode;
    EndDialog(plat::IDOK);
    return;
  }
  if (refusal->message.empty()) return;  // shown already, at a field beside the grid
  plat::MessageBox(refusal->message, refusal->caption, plat::MB_OK | plat::MB_ICONERROR);
  grid_.SetFocusCell(refusal->row, refusal->col);
  grid_.SetSelectionAnchor(grid::CCellID{refusal->row, refusal->col});
  grid_.ScrollCellIntoView(refusal->row, refusal->col);
  grid_.SetFocus();
}

void TableDialog::OnCancel() {
  if (grid_.GetSafeHwnd() && Cells() != opened_ &&
      plat::MessageBox("Discard the changes to the table?", Caption(), plat::MB_YESNO | plat::MB_ICONQUESTION) !=
          plat::IDYES) {
    grid_.SetFocus();
    return;
  }
  plat::Dialog::OnCancel();
}

void TableDialog::OnPrint() {
  host_.SetPrintRowCount(PrintRowsOfTable());
  grid_.Print();
}

void TableDialog::OnSaveText() {
  const std::string ext = setup_.extension.empty() || setup_.extension[0] != '.' ? setup_.extension
                                                                                  : setup_.extension.substr(1);
  plat::FileDialog dialog(false, ext, setup_.text_name + setup_.extension,
                          plat::OFN_HIDEREADONLY | plat::OFN_OVERWRITEPROMPT, {}, this);
  dialog.SetInitialFolder(setup_.folder);
  if (dialog.DoModal() == plat::IDOK) grid_.Save(dialog.GetPathName());
}

void TableDialog::OnLoadText() {
  const std::string ext = setup_.extension.empty() || setup_.extension[0] != '.' ? setup_.extension
                                                                                  : setup_.extension.substr(1);
  const std::string filter = setup_.text_name + "|" + setup_.text_name + ".*||";
  plat::FileDialog dialog(true, ext, setup_.text_name, plat::OFN_HIDEREADONLY, filter, this);
  dialog.SetInitialFolder(setup_.folder);
  if (dialog.DoModal() == plat::IDOK && LoadText(dialog.GetPathName())) {
    for (int c = 1; c < grid_.GetColumnCount(); ++c) grid_.RepaintColumn(c);
  }
}

void TableDialog::EditFocusCell() {
  grid::CCellID focus = grid_.GetFocusCell();
  if (!grid_.IsValid(focus)) focus = grid::CCellID{1, 1};
  grid_.SetFocus();
  grid_.BeginCellEdit(focus.row, focus.col, plat::VK_LBUTTON);
}

bool TableDialog::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  const plat::UINT id = plat::LOWORD(wParam);
  if (!setup_.print_and_files && (id == kPrintButton || id == kSaveTextButton || id == kLoadTextButton)) {
    return plat::Dialog::OnCommand(wParam, lParam);
  }
  switch (id) {
    case kOkButton: OnTableOk(); return true;
    case kPrintButton: OnPrint(); return true;
    case kSaveTextButton: OnSaveText(); return true;
    case kLoadTextButton: OnLoadText(); return true;
    case plat::IDOK: EditFocusCell(); return true;  // Enter edits, it does not close
    default: return plat::Dialog::OnCommand(wParam, lParam);
  }
}

}  // namespace pundf::tables
