#include "geometry/tables/table_dialog.h"

#include <algorithm>

#include "geometry/position/editor_lock.h"
#include "geometry/tables/table_text.h"
#include "platform/dc/bitmap.h"
#include "platform/dc/painter_dc.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {

CTableDialog::CTableDialog(TableShape shape, FrameModel& model, common::Position position, GridInputState& state,
                           plat::Window* owner)
    : plat::Dialog(shape.template_id, shape.caption, owner),
      shape_(std::move(shape)),
      owner_(owner),
      model_(model),
      position_(std::move(position)),
      state_(state),
      host_(state, model.params) {}

CTableDialog::~CTableDialog() {
  if (GetSafeHwnd() != nullptr) DestroyWindow();
}

int ColumnWidthNeeded(const TableColumn& column) {
  plat::Bitmap scratch(1, 1);
  plat::PainterDc dc(scratch);
  plat::Font font = plat::Dialog::DialogFont();
  dc.SelectFont(font);
  const int margin = dc.GetTextExtent(" ").cx;
  const int sample = dc.GetTextExtent(column.sample).cx;
  font.weight = plat::FW_SEMIBOLD;  // as the grid draws its headings
  dc.SelectFont(font);
  const int header = dc.GetTextExtent(column.header).cx;
  return std::max(sample, header) + 4 * margin;
}

void CTableDialog::BuildLayout(plat::DialogLayout& layout) {
  int needed = 0;
  for (const TableColumn& column : shape_.columns) needed += ColumnWidthNeeded(column);
  const int width = std::max(shape_.column_width * static_cast<int>(shape_.columns.size()), needed);
  auto body = layout.Row();
  body.Grid(table_ids::kGrid, width + 40, 300);
  auto side = body.Column();
  for (const std::string& note : shape_.notes) side.Text(note);
  auto buttons = layout.Row();
  if (shape_.ok_is_default) {
    buttons.DefPushButton("&OK", table_ids::kOk);
  } else {
    buttons.PushButton("&OK", table_ids::kOk);
  }
  buttons.PushButton("&Stop", table_ids::kStop);
  const TableTextButtons& text = shape_.text_buttons;
  if (text.print != 0) buttons.PushButton("&Print", text.print);
  if (text.export_text != 0) buttons.PushButton("Export...", text.export_text);
  if (text.import_text != 0) buttons.PushButton("Import...", text.import_text);
  AddButtons(buttons);
}

void CTableDialog::PrintTable() {
  state_.print_row_count = FirstEmptyGridRow(grid_);
  grid_.Print();
  state_.print_row_count = 0;
}

bool CTableDialog::OnInitDialog() {
  AttachToPlaceholder(table_ids::kGrid, grid_);
  grid_.SetHost(&host_);
  grid_.SetRowCount(shape_.data_rows + 1);
  grid_.SetColumnCount(static_cast<int>(shape_.columns.size()));
  grid_.SetFixedRowCount(1);
  grid_.SetFixedColumnCount(1);
  grid_.SetEditable(true);
  grid_.SetTextBkColor(plat::Rgb(255, 255, 224));
  state_.active_table = shape_.table;
  state_.column_kinds.clear();
  state_.table_changed = false;
  state_.table_imported = false;
  for (std::size_t c = 0; c < shape_.columns.size(); ++c) {
    grid_.SetItemText(0, static_cast<int>(c), shape_.columns[c].header);
    state_.column_kinds.push_back(shape_.columns[c].kind);
  }
  for (int r = 1; r <= shape_.data_rows; ++r) grid_.SetItemText(r, 0, std::to_string(r));
  exact_.clear();
  Fill();
  opened_ = Cells();
  grid_.SetModified(false);
  for (std::size_t c = 0; c < shape_.columns.size(); ++c) {
    grid_.SetColumnWidth(static_cast<int>(c), ColumnWidthNeeded(shape_.columns[c]));
  }
  grid_.StretchColumnsToWidth();
  plat::Dialog::OnInitDialog();
  grid_.SetFocus();
  grid_.SetFocusCell(1, 1);
  if (EditsOnOpen()) grid_.BeginCellEdit(1, 1, 0);
  return false;
}

TableCells CTableDialog::Cells() const {
  return ReadTableCells(grid_, static_cast<int>(shape_.columns.size()) - 1);
}

void CTableDialog::SetRow(int row, const std::vector<std::string>& texts) {
  for (std::size_t c = 0; c < texts.size(); ++c) grid_.SetItemText(row, static_cast<int>(c) + 1, texts[c]);
}

void CTableDialog::SetRow(int row, const std::vector<CellText>& cells) {
  if (row < 1) return;
  const std::size_t r = static_cast<std::size_t>(row - 1);
  if (exact_.size() <= r) exact_.resize(r + 1);
  exact_[r].assign(cells.size(), std::string());
  for (std::size_t c = 0; c < cells.size(); ++c) {
    grid_.SetItemText(row, static_cast<int>(c) + 1, cells[c].shown);
    exact_[r][c] = cells[c].exact;
  }
}

TableCells CTableDialog::CellsToStore() const {
  TableCells cells = Cells();
  for (std::size_t r = 0; r < cells.size() && r < exact_.size() && r < opened_.size(); ++r) {
    for (std::size_t c = 0; c < cells[r].size() && c < exact_[r].size() && c < opened_[r].size(); ++c) {
      if (!exact_[r][c].empty() && cells[r][c] == opened_[r][c]) cells[r][c] = exact_[r][c];
    }
  }
  return cells;
}

bool CTableDialog::StoreTable() {
  const common::Result stored = WithEditorLock(position_, [this] { return Store(CellsToStore()); });
  if (!stored.ok()) {
    plat::MessageBox(stored.text(), stored.caption());
    return false;
  }
  Close(table_ids::kStored);
  return true;
}

void CTableDialog::Close(plat::WPARAM how) {
  state_.active_table = GridTable::kNone;
  state_.marked_point.reset();
  EndDialog(how == table_ids::kStored ? plat::IDOK : plat::IDCANCEL);
  if (owner_ != nullptr && !IsModal()) owner_->PostMessage(table_ids::kTableClosed, how, 0);
}

bool CTableDialog::TableChanged() const { return Cells() != opened_; }

bool CTableDialog::PreTranslateMessage(plat::MSG* msg) {
  if (msg->wParam == plat::VK_RETURN && plat::Window::GetFocus() == &grid_) {
    // Acted on at the release: a cell editor opened at the press would take the
    // release as its own Return and move on to the next cell.
    if (msg->message == plat::WM_KEYDOWN) {
      return_pressed_ = true;
      return true;
    }
    if (msg->message == plat::WM_KEYUP && return_pressed_) {
      return_pressed_ = false;
      OnGridReturn();
      return true;
    }
  }
  return plat::Dialog::PreTranslateMessage(msg);
}

void CTableDialog::OnGridReturn() {
  const grid::CCellID focus = grid_.GetFocusCell();
  if (grid_.IsValid(focus)) grid_.BeginCellEdit(focus.row, focus.col, 0);
}

void CTableDialog::OnOK() { OnGridReturn(); }

void CTableDialog::OnCancel() {
  if (TableChanged() && plat::MessageBox("Discard the changes to the table?", shape_.caption,
                                         plat::MB_YESNO | plat::MB_ICONQUESTION) != plat::IDYES) {
    return;
  }
  Close(table_ids::kStopped);
}

bool CTableDialog::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == table_ids::kOk && plat::HIWORD(wParam) == plat::BN_CLICKED && lParam != 0) {
    StoreTable();
    return true;
  }
  const TableTextButtons& text = shape_.text_buttons;
  const plat::UINT id = plat::LOWORD(wParam);
  if (lParam != 0 && id != 0) {
    if (id == text.print) {
      PrintTable();
      return true;
    }
    if (id == text.export_text) {
      ExportTableText(grid_, text.base, position_, this);
      return true;
    }
    if (id == text.import_text) {
      if (ImportTableText(grid_, text.base, text.filter, position_, this)) state_.table_imported = true;
      return true;
    }
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

}  // namespace kelmf
