#include "loads/editor/pundw_view.h"

#include <cmath>

#include "loads/dialogs/dia_copy.h"
#include "loads/dialogs/dia_eigen.h"
#include "loads/dialogs/dia_import.h"
#include "loads/dialogs/dia_info.h"
#include "loads/dialogs/dia_p.h"
#include "loads/dialogs/dia_temp.h"
#include "loads/dialogs/dia_text.h"
#include "loads/dialogs/dia_titel.h"
#include "loads/dialogs/generated_load_commands.h"
#include "loads/editor/editor_ids.h"
#include "loads/editor/change_test.h"
#include "loads/editor/echo_question.h"
#include "loads/editor/load_case_commands.h"
#include "loads/editor/pundw_doc.h"
#include "loads/editor/save_sequence.h"
#include "loads/editor/wheel.h"
#include "loads/picture/draw_load_case.h"
#include "loads/picture/title_block.h"
#include "loads/tables/load_table_dialogs.h"
#include "platform/frames/frame_wnd.h"
#include "platform/print/picture.h"
#include "platform/print/print_types.h"
#include "platform/print/printer_dc.h"
#include "platform/window/cursor.h"
#include "platform/window/input_state.h"
#include "platform/window/shown_picture.h"
#include "platform/window/virtual_keys.h"

namespace pundf {
namespace {

// Posted to the view by its first drawing: the echo question follows the picture.
constexpr plat::UINT kEchoCheck = plat::WM_USER + 301;

// The part `share` of a w x h area, centred.
plat::Rect CentredShare(int w, int h, double share) {
  const int mx = static_cast<int>(std::lround(w * (1.0 - share) / 2.0));
  const int my = static_cast<int>(std::lround(h * (1.0 - share) / 2.0));
  return plat::Rect{mx, my, w - mx, h - my};
}

}  // namespace

CPUNDWView::CPUNDWView() {
  MapCommand(ids::kNew, [this] { OnNew(); });
  MapCommand(ids::kStore, [this] { OnStore(); });
  MapCommand(ids::kEnd, [this] { OnEnd(); });
  MapCommand(ids::kPrint, [this] { OnFilePrint(); });
  MapCommand(ids::kPrintPreview, [this] { OnFilePrintPreview(); });
  MapCommand(ids::kCopyToClipboard, [this] { OnCopyToClipboard(); });
  MapCommand(ids::kLineLoads, [this] { OnTable<tables::CDiaLin3>(); });
  MapCommand(ids::kPointLoads, [this] { OnTable<tables::CDiaPunkt3>(); });
  MapCommand(ids::kSettlements, [this] { OnTable<tables::CDiaYield3>(); });
  MapCommand(ids::kPrestressing, [this] { OnTable<tables::CDiaPrestress>(); });
  MapCommand(ids::kLateralLoad, [this] {
    if (OnLateralLoad(session(), this)) Finish(std::nullopt);
  });
  MapCommand(ids::kSnow, [this] {
    if (OnSnowLoad(session(), this)) Finish(std::nullopt);
  });
  MapCommand(ids::kOpen, [this] { Finish(OpenLoadCase(session(), this)); });
  MapCommand(ids::kDelete, [this] {
    DeleteChosenLoadCases(session(), this);
    Finish(std::nullopt);
  });
  MapCommand(ids::kGravity, [this] {
    if (OnGravityLoad(session(), this)) Finish(std::nullopt);
  });
  MapCommand(ids::kFloorLoad, [this] {
    if (OnFloorLoad(session(), this)) Finish(std::nullopt);
  });
  MapCommand(ids::kTitle, [this] {
    CDiaTitel dialog(session().model.load_case.params.title(), this);
    if (dialog.DoModal() == plat::IDOK) session().model.load_case.params.set_title(dialog.title());
  });
  MapCommand(ids::kListing, [this] { ShowLoadListing(session().model, this); });
  for (const plat::UINT id : {ids::kCopy, ids::kCopyAlso}) {
    MapCommand(id, [this] {
      if (OnCopyLoadCase(session(), this)) Finish(std::nullopt);
    });
  }
  MapCommand(ids::kImport, [this] {
    if (OnImportLineLoads(session(), this)) Finish(std::nullopt);
  });
  MapCommand(ids::kTemperature, [this] {
    if (OnTemperature(session(), table_state_, this)) Finish(std::nullopt);
  });
  MapCommand(ids::kPickMode, [this] { OnPickMode(); });
  MapCommand(ids::kInfo, [this] { ShowLoadCaseInfo(session().model, this); });
  MapCommand(ids::kLinePick, [this] { TogglePick(false); });
  MapCommand(ids::kPointPick, [this] { TogglePick(true); });
  MapCommand(ids::kFillSwitch, [this] {
    session().display.filled_bands = !session().display.filled_bands;
    Invalidate();
  });
  MapUpdate(ids::kFillSwitch, [this](plat::CmdUI& ui) { ui.SetCheck(session().display.filled_bands ? 1 : 0); });
  MapUpdate(ids::kLinePick, [this](plat::CmdUI& ui) { ui.SetCheck(session().display.line_pick ? 1 : 0); });
  MapUpdate(ids::kPointPick, [this](plat::CmdUI& ui) { ui.SetCheck(session().display.point_pick ? 1 : 0); });
}

EditorSession& CPUNDWView::session() { return static_cast<CPUNDWDoc*>(GetDocument())->session(); }

void CPUNDWView::ShowTitle() {
  plat::FrameWnd* frame = GetParentFrame();
  if (frame == nullptr) return;
  frame->SetTitle(session().title);
  frame->OnUpdateFrameTitle(false);
}

void CPUNDWView::Finish(std::optional<int> quit_code) {
  if (quit_code) {
    plat::PostQuitMessage(*quit_code);
    return;
  }
  ShowTitle();
  Invalidate();
}

void CPUNDWView::OnNew() { Finish(NewLoadCase(session(), this)); }

void CPUNDWView::OnStore() { Finish(SaveLoadCase(session(), this)); }

void CPUNDWView::OnEnd() { Finish(EndEditor(session(), this)); }

void CPUNDWView::OnStep(bool up) { Finish(StepLoadCase(session(), this, up)); }

void CPUNDWView::OnDraw(plat::Dc& dc) {
  EditorSession& editor = session();
  if (editor.rebuild) {
    plat::PostQuitMessage(0);
    return;
  }
  dc.SetBkMode(plat::TRANSPARENT);
  plat::Rect area;
  if (dc.IsPrinting()) {
    picture::DrawTitleBlock(dc, editor.model.position.name(), editor.model.geometry.params.title());
    area = CentredShare(dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES), 0.8);
  } else {
    plat::Rect client;
    GetClientRect(&client);
    area = CentredShare(client.Width(), client.Height(), 0.9);
  }
  picture::PictureView view = PictureViewOf(editor, area);
  if (!dc.IsPrinting()) GetClientRect(&view.view_rect);  // the loads stay inside the view
  const bool drawn = picture::DrawLoadCase(editor.model, view, editor.model.editor.labels, dc);
  if (dc.IsPrinting()) return;
  if (drawn) screen_mapping_ = dc.mapping();
  if (editor.first_draw) PostMessage(kEchoCheck);
}

template <class TableDialog>
void CPUNDWView::OnTable() {
  TableDialog dialog(session(), table_state_, this);
  if (dialog.DoModal() == plat::IDOK) Invalidate();
}

void CPUNDWView::OnEchoCheck() {
  if (AskForLoadEcho(session())) {
    ShowTitle();
    Invalidate();
  }
}

void CPUNDWView::OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) {
  const common::DrawingExtents& e = session().model.geometry.extents;
  const double wide = std::fabs(double(e.xmax()) - e.xmin());
  const double high = std::fabs(double(e.zmax()) - e.zmin());
  dc.SetOrientation(wide > high ? plat::DMORIENT_LANDSCAPE : plat::DMORIENT_PORTRAIT);
  plat::View::OnPrepareDC(dc, info);
}

plat::LRESULT CPUNDWView::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  switch (message) {
    case ids::kEndFromFrame:
      OnEnd();
      return 0;
    case ids::kEndPick:
      EndPickMode();
      return 0;
    case kEchoCheck:
      OnEchoCheck();
      return 0;
    default:
      return plat::View::WindowProc(message, wParam, lParam);
  }
}

void CPUNDWView::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  DisplayState& display = session().display;
  switch (vk) {
    case 'E':
    case plat::VK_NUMPAD5:
      display.element_numbers = !display.element_numbers;
      Invalidate();
      return;
    case 'K':
    case plat::VK_ADD:
      display.node_numbers = !display.node_numbers;
      Invalidate();
      return;
    case plat::VK_UP:
      OnStep(true);
      return;
    case plat::VK_DOWN:
      OnStep(false);
      return;
    case plat::VK_ESCAPE:
      OnEnd();
      return;
    default:
      plat::View::OnKeyDown(vk, repeat, flags);
  }
}

bool CPUNDWView::OnMouseWheel(plat::UINT flags, short delta, plat::Point) {
  const WheelKeys keys{plat::GetKeyState(plat::VK_MENU) < 0, (flags & plat::MK_CONTROL) != 0,
                       (flags & plat::MK_SHIFT) != 0};
  if (TurnWheel(session(), keys, delta)) Invalidate();
  return true;
}

void CPUNDWView::OnMouseMove(plat::UINT flags, plat::Point point) {
  if (screen_mapping_) {
    session().display.mouse_logical = screen_mapping_->ToLogical(point);
    session().display.mouse_mapped = true;
    if (plat::FrameWnd* frame = GetParentFrame()) frame->PostMessage(ids::kMouseCoordinates, 1);
  }
  plat::View::OnMouseMove(flags, point);
}

void CPUNDWView::OnXButtonDown(plat::UINT, plat::UINT, plat::Point) { OnEnd(); }

void CPUNDWView::TogglePick(bool point_loads) {
  DisplayState& display = session().display;
  bool& mode = point_loads ? display.point_pick : display.line_pick;
  mode = !mode;
  if (mode) {
    if (plat::FrameWnd* frame = GetParentFrame()) frame->PostMessage(ids::kPickReset, 1);
    if (point_loads) plat::SetCursor(plat::LoadCursor(ids::kPickCursor));
  } else {
    plat::SetCursor(plat::LoadCursor(plat::IDC_ARROW));
  }
  picture::ClearPickMarks(session().model.editor.labels);
  if (!point_loads) Invalidate();
}

void CPUNDWView::OnPickMode() {
  if (session().display.pick_mode) return;
  picture::ClearPickMarks(session().model.editor.labels);
  session().display.pick_mode = true;
  TakeSavedCopy(session());
  if (!pick_window_) {
    pick_window_ = std::make_unique<CDiaDelete>(this);
    pick_window_->Create(this);
  }
}

void CPUNDWView::EndPickMode() {
  if (pick_window_) {
    pick_window_->DestroyWindow();
    pick_window_.reset();
  }
  session().display.pick_mode = false;
  picture::ClearPickMarks(session().model.editor.labels);
  Invalidate();
}

void CPUNDWView::OnCopyToClipboard() { plat::SetClipboardImage(plat::ShownPicture(*this)); }

}  // namespace pundf
