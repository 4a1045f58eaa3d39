// The text commands of the geometry editor's view: the editable echo, the
// dimension listing, the font size and the project title.
#include "geometry/app/show_messages.h"
#include "geometry/echo/echo_file.h"
#include "geometry/editor/editor_commands.h"
#include "geometry/editor/input_panel.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/text_dialogs.h"
#include "geometry/position/load_position_files.h"
#include "geometry/tables/cell_format.h"
#include "platform/message_box.h"

namespace kelmf {

void CKELMWView::OnEcho() {
  EditorSession& editor = session();
  EraseCrosshair();
  (void)common::EnsurePositionFolder(editor.position);
  editor.model.editor.stored_checksum = ParamsChecksum(editor.model.params);
  const std::string path = EchoEditFilePath(editor.position);
  if (const common::Result written = WriteEditedEcho(editor); !written) {
    ShowMessages({written});
    return;
  }
  CDiaEcho dialog(path, this);
  if (dialog.DoModal() == plat::IDOK && dialog.text_written()) {
    const LoadReport report = RebuildFromEditedEcho(editor);
    ShowMessages(report.messages);
    if (report.rebuilt_from_echo) ResetExtents(editor);
  }
  Invalidate();
}

void CKELMWView::OnListing(bool menu_variant) {
  const std::string folder = session().position.FolderFile("");
  const TextSource source = FindTextSource(folder, TextKind::kListing);
  if (!source.path) {
    if (menu_variant) {
      plat::MessageBox("Frame not yet stored. No data, file " + source.last_tried + " is missing.", "Error");
    } else {
      plat::MessageBox("No data, file " + source.last_tried + " is missing.", "Missing input");
    }
    return;
  }
  CDiaText dialog(folder, TextKind::kListing, this);
  (void)dialog.DoModal();
}

void CKELMWView::OnFont() {
  ViewState& view = session().view;
  CDiaFont dialog(this);
  dialog.text = FormatCell("%.2f", view.font_factor);
  if (dialog.DoModal() != plat::IDOK) return;
  view.font_factor = dialog.size;
  Invalidate();
}

void CKELMWView::OnTitle() {
  common::FrameParams& params = session().model.params;
  CDiaTitel dialog(this);
  dialog.title = params.title();
  if (dialog.DoModal() == plat::IDOK) {
    params.set_title(dialog.title);
    if (panel_ && panel_->GetSafeHwnd() != nullptr) panel_->PostMessage(panel_ids::kPanelRequest, 1, 0);
  }
  Invalidate();
}

}  // namespace kelmf
