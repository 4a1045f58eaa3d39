#include "graphics/app/nodes_dialog.h"

#include <algorithm>

#include "graphics/app/viewer_session.h"
#include "platform/controls/edit.h"
#include "platform/dialogs/dialog_layout.h"
#include "platform/message_box.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

constexpr const char* kHeadings[] = {"Nodes", "x", "y", "u", "v", "phi"};
constexpr int kColumns = 6;

}  // namespace

CDiaKnotenR::CDiaKnotenR(NodesShown shown, plat::Window* owner)
    : plat::Dialog(kNodesDialogTemplate, "Nodes", owner), shown_(std::move(shown)) {}

void CDiaKnotenR::BuildLayout(plat::DialogLayout& layout) {
  auto stiffness = layout.Row();
  stiffness.Text("Base stiffness:");
  stiffness.EditBox(kBaseStiffnessEdit, plat::ES_AUTOHSCROLL | plat::ES_READONLY);
  stiffness.Text("kN/m (kNm)");
  stiffness.Stretch();
  // Room for the rows up to about 16; more scroll.
  const int rows = static_cast<int>(shown_.rows.size()) + 1;
  layout.Grid(kNodesGrid, 460, std::clamp(rows * 22 + 8, 120, 380));
  layout.Text("To change a support, close dialog. In the main window press c-key and click on support");
  layout.OkCancel("OK", "Stop");
}

bool CDiaKnotenR::OnInitDialog() {
  plat::Dialog::OnInitDialog();
  SetDlgItemText(kBaseStiffnessEdit, shown_.base_stiffness);
  AttachToPlaceholder(kNodesGrid, grid_);
  grid_.SetRowCount(static_cast<int>(shown_.rows.size()) + 1);
  grid_.SetColumnCount(kColumns);
  grid_.SetFixedRowCount(1);
  grid_.SetFixedColumnCount(1);
  grid_.SetEditable(true);
  grid_.SetDragAndDrop(true);
  grid_.drop_target().Register(&grid_);
  grid_.SetTextBkColor(plat::Rgb(255, 255, 224));
  grid_.viewer_host().SetTableKind(kNodesTableKind);
  for (int c = 1; c < kColumns; ++c) grid_.viewer_host().SetColumnClass(c, 2);
  constexpr plat::UINT kCell = plat::DT_END_ELLIPSIS | plat::DT_SINGLELINE | plat::DT_VCENTER;
  for (int c = 0; c < kColumns; ++c) {
    grid::GridItem heading;
    heading.mask = grid::kMaskText | grid::kMaskFormat;
    heading.row = 0;
    heading.col = c;
    heading.text = kHeadings[c];
    heading.format = kCell | plat::DT_CENTER;
    grid_.SetItem(&heading);
  }
  for (std::size_t r = 0; r < shown_.rows.size(); ++r) {
    for (int c = 0; c < kColumns; ++c) {
      grid::GridItem item;
      item.mask = grid::kMaskText | grid::kMaskFormat;
      item.row = static_cast<int>(r) + 1;
      item.col = c;
      item.text = shown_.rows[r][static_cast<std::size_t>(c)];
      item.format = kCell | (c == 0 ? plat::DT_RIGHT : 0u);
      grid_.SetItem(&item);
    }
  }
  grid_.SetModified(false);
  grid_.StretchColumnsToWidth();
  grid_.SetFocus();
  return false;
}

void CDiaKnotenR::OnOK() {
  if (plat::Window::GetFocus() == &grid_) {
    grid_.SendMessage(plat::WM_KEYDOWN, plat::VK_RETURN, 1);
    return;
  }
  plat::Dialog::OnOK();
}

void ShowNodesDialog(const ViewerSession& session, plat::Window* owner) {
  NodesShown shown = ReadNodesShown(session.state, session.run.current_step);
  for (const common::Result& problem : shown.problems) plat::MessageBox(problem.text(), problem.caption());
  CDiaKnotenR dialog(std::move(shown), owner);
  dialog.DoModal();
}

}  // namespace revuzavi
