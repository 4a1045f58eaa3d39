// The commands of the geometry editor's view: the position (New, Open,
// Store, Store as), End, printing, the picture to the clipboard, graphical
// input, the grid, the auxiliary lines and the keys help.
#include "common/dialogs/manual.h"
#include "geometry/editor/editor_commands.h"
#include "geometry/editor/editor_dialogs.h"
#include "geometry/editor/editor_ids.h"
#include "geometry/editor/kelmw_view.h"
#include "geometry/editor/position_commands.h"
#include "platform/frames/frame_wnd.h"
#include "platform/print/picture.h"
#include "platform/process.h"
#include "platform/window/shown_picture.h"

namespace kelmf {

// The keys help page and the manual, beside the program.
inline constexpr const char* kKeysHelpPage = "KELMFKEYS.HTM";
inline constexpr const char* kManualDocument = "KELMF.PDF";

void CKELMWView::MapCommands() {
  MapCommand(ids::kNew, [this] { OnNew(); });
  MapCommand(ids::kOpen, [this] { OnOpen(); });
  MapCommand(ids::kStore, [this] { OnStore(); });
  MapCommand(ids::kStoreAs, [this] { OnStoreAs(); });
  MapCommand(ids::kPrint, [this] { OnFilePrint(); });
  MapCommand(ids::kEnd, [this] { OnEnd(); });
  MapCommand(ids::kCopyToClipboard, [this] { OnCopyToClipboard(); });
  MapCommand(ids::kGraphicalInput, [this] { OnGraphicalInput(); });
  MapCommand(ids::kGrid, [this] { OnGrid(); });
  MapCommand(ids::kDialogInput, [this] { OnDialogInput(); });
  MapCommand(ids::kKeysHelp, [this] { OnKeysHelp(); });
  MapCommand(ids::kEcho, [this] { OnEcho(); });
  MapCommand(ids::kDimensionsListing, [this] { OnListing(true); });
  MapCommand(ids::kDimensionsButton, [this] { OnListing(false); });
  MapCommand(ids::kFont, [this] { OnFont(); });
  MapCommand(ids::kManual, [] { (void)common::OpenManual(kManualDocument); });
  MapCommand(ids::kAuxLines, [this] {
    session().view.aux_lines = !session().view.aux_lines;
    Invalidate();
  });
  MapUpdate(ids::kAuxLines, [this](plat::CmdUI& ui) { ui.SetCheck(session().view.aux_lines ? 1 : 0); });
}

void CKELMWView::SetPositionTitle() {
  if (plat::FrameWnd* frame = GetParentFrame()) {
    frame->SetTitle("Position " + session().position.name());
    frame->OnUpdateFrameTitle(false);
  }
}

void CKELMWView::OnNew() {
  if (!NewCommand(session(), this)) {
    SetPositionTitle();  // Store as may have named the position before a failure
    return;
  }
  ShowHint(false);
  SetPositionTitle();
  Invalidate();
}

void CKELMWView::OnOpen() {
  if (!OpenCommand(session(), this)) return;
  ShowHint(false);
  SetPositionTitle();
  Invalidate();
}

void CKELMWView::OnStoreAs() {
  if (StoreAsCommand(session(), this)) SetPositionTitle();
}

void CKELMWView::OnCopyToClipboard() {
  EraseCrosshair();
  plat::SetClipboardImage(plat::ShownPicture(*this));
}

void CKELMWView::ShowHint(bool show) {
  if (!hint_.GetSafeHwnd()) return;
  if (!show) {
    hint_.ShowWindow(plat::SW_HIDE);
    return;
  }
  plat::Size size{200, 16};
  if (const auto dc = GetDC()) {
    dc->SelectFont(view_font_);
    size = dc->GetTextExtent(kHintText);
  }
  hint_.SetWindowText(kHintText);
  hint_.MoveWindow(0, 0, size.cx + 10, size.cy + 4);  // the text and the border
  hint_.ShowWindow(plat::SW_SHOW);
}

void CKELMWView::OnGraphicalInput() {
  EditorSession& editor = session();
  ViewState& view = editor.view;
  if (view.graphical_input) {
    EraseRubberLine();
    view.graphical_input = false;
    view.line_state = 0;
    view.rubber_band = false;
    EraseCrosshair();
    view.status_text.clear();
    if (plat::FrameWnd* frame = GetParentFrame()) frame->SendMessage(ids::kStatusText);
    ShowHint(false);
  } else {
    ClearEditorModes(view);
    view.rubber_band = true;
    view.graphical_input = true;
    view.line_state = 0;
    view.current_command = static_cast<int>(ids::kGraphicalInput);
    view.drawn_count = 0;
    ShowHint(true);
  }
  Invalidate();
}

void CKELMWView::OnGrid() {
  EditorSession& editor = session();
  ViewState& view = editor.view;
  if (view.grid_tool) {
    view.grid_tool = false;
    ResetExtents(editor);
    PostMessage(kOpenElementsTable);
  } else {
    CDiaGitter dialog(this);
    dialog.mesh_width = view.mesh_width;
    dialog.snap_radius = view.snap_radius;
    if (dialog.DoModal() == plat::IDOK) {
      view.mesh_width = dialog.mesh_width;
      view.snap_radius = dialog.snap_radius;
    }
    view.grid_tool = true;
  }
  Invalidate();
}

void CKELMWView::OnKeysHelp() {
  const std::string page = plat::ProgramFolder() + kKeysHelpPage;
  if (plat::OpenDocument(page).ok()) return;
  // A failed start of the help viewer is silent, as the page is only help.
  (void)plat::StartDetached(plat::SiblingProgram("LERVENTA.EXE"), {kKeysHelpPage});
}

}  // namespace kelmf
