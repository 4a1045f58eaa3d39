#include "geometry/editor/input_panel.h"

#include "geometry/editor/editor_commands.h"
#include "geometry/editor/generator_dialogs.h"
#include "geometry/generators/curve_generators.h"
#include "geometry/generators/generator_files.h"
#include "geometry/generators/storey_frame_generator.h"
#include "geometry/position/editor_lock.h"
#include "geometry/tables/table_dialogs.h"
#include "platform/message_box.h"
#include "platform/dialogs/dialog_layout.h"

namespace kelmf {

void SetInputDefaults(common::FrameParams& params) {
  if (params.default_modulus() >= 1.0) return;
  if (params.material_input_flag_686() != 0) {
    params.SetAt<std::int32_t, 108>(20);
    params.SetAt<std::int16_t, 68>(-1);
    params.set_default_modulus(params.material_input_flag() != 0 ? 3.0e7 : 2.49e7);
  } else {
    params.set_default_modulus(3.0e7);
    params.SetAt<std::int16_t, 68>(25);
    params.SetAt<std::int16_t, 108>(-1);
    params.SetAt<std::int16_t, 112>(1);
  }
}

std::optional<plat::UINT> PanelAnswer(plat::WPARAM request) {
  switch (request) {
    case 11: return plat::WM_USER + 112;
    case 12: return panel_ids::kOpenElements;
    case 13: return plat::WM_USER + 113;
    case 14: return plat::WM_USER + 94;
    case 15: return plat::WM_USER + 130;
    default: return std::nullopt;
  }
}

CDiaMain::CDiaMain(EditorSession& session, plat::Window* view)
    : plat::Dialog(2090, "Input", view), session_(session), view_(view) {}

void CDiaMain::BuildLayout(plat::DialogLayout& layout) {
  auto column = layout.Column();
  column.PushButton("Title", panel_ids::kTitle);
  column.PushButton("&Elements", panel_ids::kElements);
  column.PushButton("Supports", panel_ids::kSupports);
  column.PushButton("&Cross Sections", panel_ids::kCrossSections);
  column.PushButton("&Material", panel_ids::kMaterial);
  column.PushButton("Continuous Beam", panel_ids::kContinuousBeam);
  column.PushButton("Frame", panel_ids::kFrame);
  column.PushButton("Arc", panel_ids::kArc);
  column.PushButton("Parabola", panel_ids::kParabola);
}

bool CDiaMain::OnInitDialog() {
  panel_open_ = true;
  plat::Dialog::OnInitDialog();
  const plat::Point at = place_.value_or(plat::Point{0, 70});
  SetWindowPos(nullptr, at.x, at.y, 0, 0, plat::SWP_NOSIZE | plat::SWP_NOZORDER);
  tips_.Create(this);
  tips_.AddTool(GetDlgItem(panel_ids::kTitle), "Title of the position");
  tips_.AddTool(GetDlgItem(panel_ids::kElements), "Table of the frame elements");
  tips_.AddTool(GetDlgItem(panel_ids::kSupports), "Nodes and supports");
  tips_.AddTool(GetDlgItem(panel_ids::kCrossSections), "Table of the cross sections");
  tips_.AddTool(GetDlgItem(panel_ids::kMaterial), "Table of the materials");
  if (session_.model.elements.count() == 0) {
    GotoDlgCtrl(GetDlgItem(panel_ids::kTitle));
  } else {
    GotoDlgCtrl(GetDlgItem(panel_ids::kElements));
  }
  return false;
}

bool CDiaMain::PreTranslateMessage(plat::MSG* msg) {
  tips_.RelayEvent(msg);
  return plat::Dialog::PreTranslateMessage(msg);
}

void CDiaMain::Post(plat::UINT message, plat::WPARAM wParam) {
  if (view_ != nullptr) view_->PostMessage(message, wParam, 0);
}

void CDiaMain::OnOK() {
  plat::Window* focus = plat::Window::GetFocus();
  if (focus != nullptr && focus == GetDlgItem(panel_ids::kTitle)) {
    SendMessage(plat::WM_COMMAND, panel_ids::kTitle, reinterpret_cast<plat::LPARAM>(focus));
  } else if (focus != nullptr && focus == GetDlgItem(panel_ids::kMaterial)) {
    SendMessage(plat::WM_COMMAND, panel_ids::kMaterial, reinterpret_cast<plat::LPARAM>(focus));
  }
}

void CDiaMain::OnCancel() {
  panel_open_ = false;
  Post(panel_ids::kPanelClosing, 2);
  EndDialog(plat::IDCANCEL);
}

void CDiaMain::OpenMaterials() {
  CDiaMaterial dialog(session_.model, session_.position, session_.tables, this);
  if (dialog.DoModal() == plat::IDOK) materials_changed_ = true;
  if (view_ != nullptr) view_->Invalidate();
}

void CDiaMain::OpenCrossSections() {
  CDiaQuer dialog(session_.model, session_.position, session_.tables, this);
  if (dialog.DoModal() == plat::IDOK && session_.model.cross_sections.count() > 0) sections_exist_ = true;
  if (view_ != nullptr) view_->Invalidate();
}

void CDiaMain::OpenSupports() {
  CDiaKnoten dialog(session_.model, session_.position, session_.tables, this);
  (void)dialog.DoModal();
  session_.tables.marked_point.reset();
  if (view_ != nullptr) view_->Invalidate();
}

void CDiaMain::Redraw() {
  if (view_ != nullptr) view_->Invalidate();
}

namespace {
void Report(const common::Result& result) {
  if (!result.ok()) plat::MessageBox(result.text(), result.caption());
}
}  // namespace

void CDiaMain::OpenBeam() {
  CDiaDLT dialog(session_.model, session_.position, session_.tables, this);
  if (dialog.DoModal() == plat::IDOK) Redraw();
}

// The dialog has checked and stored the storeys (RAHMENDAT keeps them); a
// refused frame changes nothing and is reported, as is a position in use.
void CDiaMain::OpenStoreyFrame() {
  CDiaRahmen dialog(session_.model, session_.position, session_.tables, this);
  if (dialog.DoModal() != plat::IDOK) return;
  Report(WithEditorLock(session_.position, [this] { return GenerateStoreyFrame(session_.model, session_.position); }));
  Redraw();
}

void CDiaMain::OpenArc() {
  CDiaBogen dialog(this);
  dialog.fields = unwritten_arc_.value_or(FieldsOfArc(ReadArcInput(session_.position)));
  if (dialog.DoModal() != plat::IDOK) return;
  const common::Outcome<ArcInput> arc = ArcOfFields(dialog.fields);
  if (!arc) return Report(arc.failure());
  unwritten_arc_ = dialog.fields;
  const common::Result generated = WithEditorLock(session_.position, [&] {
    unwritten_arc_.reset();
    (void)WriteArcInput(*arc, session_.position);
    return GenerateArc(session_.model, arc->segments(), arc->radius(), arc->left_angle(), arc->right_angle(),
                       session_.position);
  });
  if (!generated) return Report(generated);
  session_.model.params.set_arc_marker(1);
  Post(table_ids::kTableClosed, table_ids::kStored);
}

void CDiaMain::OpenParabola() {
  DiaParabola dialog(this);
  dialog.fields = refused_parabola_.value_or(FieldsOfParabola(session_.model.parabola));
  if (dialog.DoModal() != plat::IDOK) return;
  refused_parabola_ = dialog.fields;
  const common::Outcome<ParabolaInput> parabola = ParabolaOfFields(dialog.fields);
  if (!parabola) return Report(parabola.failure());
  const common::Result generated = WithEditorLock(
      session_.position, [&] { return GenerateParabola(session_.model, *parabola, session_.position); });
  if (!generated) return Report(generated);
  refused_parabola_.reset();
  ResetExtents(session_);
  Redraw();
  Post(panel_ids::kOpenElementsFromParabola, 1);
}

bool CDiaMain::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (lParam == 0 || plat::HIWORD(wParam) != plat::BN_CLICKED) return plat::Dialog::OnCommand(wParam, lParam);
  switch (plat::LOWORD(wParam)) {
    case panel_ids::kMaterial: OpenMaterials(); return true;
    case panel_ids::kCrossSections: OpenCrossSections(); return true;
    case panel_ids::kSupports: OpenSupports(); return true;
    case panel_ids::kContinuousBeam: OpenBeam(); return true;
    case panel_ids::kFrame: OpenStoreyFrame(); return true;
    case panel_ids::kArc: OpenArc(); return true;
    case panel_ids::kParabola: OpenParabola(); return true;
    case panel_ids::kElements: Post(panel_ids::kOpenElements, 1); return true;
    case panel_ids::kTitle:
      title_requested_ = true;
      Post(panel_ids::kOpenTitle, 1);
      return true;
    default:
      return plat::Dialog::OnCommand(wParam, lParam);
  }
}

plat::LRESULT CDiaMain::WindowProc(plat::UINT message, plat::WPARAM wParam, plat::LPARAM lParam) {
  if (message == panel_ids::kPanelRequest) {
    if (const auto answer = PanelAnswer(wParam)) Post(*answer, 1);
    UpdateData(false);
    return 0;
  }
  if (message == plat::WM_DESTROY) panel_open_ = false;
  return plat::Dialog::WindowProc(message, wParam, lParam);
}

}  // namespace kelmf
