#include "graphics/app/graph_view.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <vector>

#include "graphics/app/client_mapping.h"
#include "graphics/app/font_dialog.h"
#include "graphics/app/graph_ids.h"
#include "graphics/app/line_width_dialog.h"
#include "graphics/app/picture_wheel.h"
#include "graphics/app/scales_dialog.h"
#include "graphics/app/wheel_scales_dialog.h"
#include "graphics/settings/graphics_settings_file.h"
#include "graphics/app/load_case_switch.h"
#include "graphics/app/nodes_dialog.h"
#include "graphics/app/picture_menu.h"
#include "graphics/app/report.h"
#include "graphics/app/view_export.h"
#include "graphics/app/viewer_help.h"
#include "graphics/compose/draw_picture.h"
#include "graphics/model/read_results.h"
#include "graphics/reanalysis/reanalysis.h"
#include "graphics/settings/small_settings_files.h"
#include "platform/frames/document.h"
#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"
#include "graphics/compose/export_picture.h"
#include "graphics/compose/page_heads.h"
#include "platform/frames/command_ids.h"
#include "platform/dc/painter_dc.h"
#include "platform/dc/recording_dc.h"
#include "platform/process.h"
#include "platform/message_box.h"
#include "platform/window/input_state.h"
#include "platform/window/virtual_keys.h"

namespace revuzavi {
namespace {

bool ModificationUnderWay(const ReanalysisState& run) {
  return !run.picked_elements.empty() || !run.picked_nodes.empty() || run.step_count > 0 || run.releases.count() > 0;
}

constexpr const char* kNoResultsText = "No results for this load case";
constexpr const char* kNextValueHint = "Up key or right mouse button is next value";

bool Held(int vk) { return plat::GetKeyState(vk) < 0; }

// "Position %s %s LC %i of %i   1 cm = %.2f m" of a printed page.
// The scale is the page's: the frame's logical units per printed centimetre
// (`plot_scale`, a hundredth of them) over the logical units per metre.
std::string PrintedTitle(const ViewerState& state, const PictureState& picture) {
  const int count = state.diary.has_valid_count() ? state.diary.count() : 0;
  const double metres_per_cm = picture.plot_scale * 100.0 / std::max(1, state.drawing_scale);
  char tail[96];
  std::snprintf(tail, sizeof tail, " LC %i of %i   1 cm = %.2f m", state.current_load_case, count, metres_per_cm);
  return "Position " + state.position.name() + " " + state.load_case_params.title() + tail;
}

// Every diagram scale 0.1 until MEMSCALEGLF1 of the load case is read.
PictureScales DefaultScales() {
  PictureScales s;
  s.moment = s.shear = s.normal_force = s.fourth = s.displacement = 0.1f;
  s.further.fill(0.1f);
  return s;
}

}  // namespace

RememberedScales ScalesOf(const PictureScales& s) {
  RememberedScales r;
  const float fields[9] = {s.moment,     s.shear,      s.normal_force, s.fourth,      s.further[0],
                           s.further[1], s.further[2], s.further[3],   s.displacement};
  for (int k = 1; k <= 9; ++k) r.set_field(k, fields[k - 1]);
  return r;
}

RememberedScales LoadCaseScales(const ViewerState& state, const PictureRequest& r) {
  RememberedScales scales = ScalesOf(r.scales);
  // The eigenmode, Green's-function and shape pictures use the displacement
  // scale for their own curves: the load case keeps the one it had.
  if (r.eigenmode || r.AnyGreen() || r.shape_function) {
    const auto kept = ReadRememberedScales(state, state.current_load_case);
    scales.set_field(9, kept ? (*kept)[8] : 0.1f);
  }
  return scales;
}

CGRAPHView::CGRAPHView(ViewerSession& session) : session_(session) {
  MapCommand(ids::kNextLoadCase, [this] { OnStepLoadCase(kStepForward); });
  MapCommand(ids::kPreviousLoadCase, [this] { OnStepLoadCase(kStepBack); });
  MapCommand(ids::kChooseLoadCase, [this] { OnChooseLoadCase(); });
  MapCommand(ids::kDisplacements, [this] { OnDiagram(DiagramKind::kDisplacements); });
  MapCommand(ids::kNormalForces, [this] { OnDiagram(DiagramKind::kNormalForces); });
  MapCommand(ids::kMoments, [this] { OnDiagram(DiagramKind::kMoments); });
  MapCommand(ids::kShearForces, [this] { OnDiagram(DiagramKind::kShearForces); });
  MapCommand(ids::kFrame, [this] { OnFrame(); });
  MapCommand(ids::kReset, [this] { OnResetPicture(); });
  for (const plat::UINT id : {ids::kGreenArrows, ids::kExponential, ids::kNumbers, ids::kNodeNumbers,
                              ids::kElementNumbers, ids::kOnlyX, ids::kOnlyY, ids::kRKey, ids::kStacked}) {
    MapCommand(id, [this, id] { OnToggle(id); });
    MapUpdate(id, [this, id](plat::CmdUI& ui) { ui.SetCheck(ToggleChecked(id) ? 1 : 0); });
  }
  MapCommand(ids::kEnergy, [this] { OnEnergy(); });
  MapCommand(ids::kFitDiagrams, [this] { OnFitDiagrams(); });
  MapCommand(ids::kExport, [this] { OnExport(); });
  MapCommand(ids::kEigen, [this] { OnEigen(); });
  MapCommand(ids::kForcesFPlus, [this] { OnForcesFPlus(); });
  MapCommand(ids::kEndSelection, [this] { OnEndSelection(); });
  MapCommand(ids::kEquivalentNodalForces, [this] { OnEquivalentNodalForces(); });
  MapUpdate(ids::kEquivalentNodalForces, [this](plat::CmdUI& ui) { ui.SetCheck(session_.request.nodal_loads ? 1 : 0); });
  MapCommand(ids::kOneClickMode, [this] { OnModeKey('C'); });
  MapUpdate(ids::kOneClickMode, [this](plat::CmdUI& ui) { ui.SetCheck(modes_.one_click ? 1 : 0); });
  MapCommand(ids::kNodeGreen, [this] { OnNodeGreen(); });
  MapCommand(ids::kElementGreen, [this] { OnElementGreen(); });
  MapCommand(ids::kSupportGreen, [this] { OnSupportGreen(); });
  MapCommand(ids::kGreenAnywhere, [this] { OnGreenAnywhere(); });
  MapCommand(ids::kFlex, [this] { OnFlex(); });
  MapCommand(ids::kShapeFunctions, [this] { OnShapeFunctions(); });
  MapCommand(plat::ID_FILE_PRINT, [this] { OnFilePrint(); });
  MapCommand(plat::ID_FILE_PRINT_DIRECT, [this] { OnFilePrintDirect(); });
  MapCommand(plat::ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
  MapCommand(ids::kPrintRun, [this] { OnPrintRun(); });
  MapCommand(ids::kHelp, [this] { OnHelp("REVUZAVI.pdf"); });
  MapCommand(ids::kSensitivityHelp, [this] { OnHelp("SENSITIVITY.pdf"); });
  MapCommand(ids::kRKeyHelp, [this] { OnHelp("RKEY.pdf"); });
  MapCommand(ids::kParameter, [this] { OnParameter(); });
  MapCommand(ids::kNodes, [this] { ShowNodesDialog(session_, this); });
  MapCommand(ids::kScales, [this] { OnScales(); });
  MapCommand(ids::kWheelTarget, [this] { StepWheelTarget(); });
  MapCommand(ids::kResetScales, [this] { OnResetScales(); });
  MapCommand(ids::kLineWidth, [this] { OnLineWidth(); });
  MapCommand(ids::kAlignText, [this] { OnAlignText(); });
  MapCommand(ids::kCloseHint, [this] {
    if (hint_ && hint_->GetWindowText().empty()) CloseHint();
  });
}

int CGRAPHView::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::View::OnCreate(create) == -1) return -1;
  PictureRequest& r = session_.request;
  r = PictureRequest{};
  r.node_labels = true;
  r.element_labels = true;
  r.scales = DefaultScales();
  session_.memory.scales_load_case = -1;
  controls_ = PictureControls{};
  ReadViewSettings(session_.state);
  controls_.exponential = session_.state.graphics.exponential_numbers() != 0;
  controls_.stacked = session_.state.graphics.stacked_numbers() != 0;
  return 0;
}

void CGRAPHView::OnInitialUpdate() {
  plat::View::OnInitialUpdate();
  ShowTitle();
}

void CGRAPHView::ShowTitle() {
  char title[32];
  std::snprintf(title, sizeof title, "LC %i", session_.state.current_load_case);
  if (plat::FrameWnd* frame = GetParentFrame()) {
    frame->SetTitle(title);
    frame->SetWindowText(title);
  }
}

void CGRAPHView::OnDraw(plat::Dc& dc) {
  plat::Rect client;
  GetClientRect(&client);
  DrawView(dc, client.Width(), client.Height(), false);
}

void CGRAPHView::PrepareRequest(int width, int height, bool printing) {
  SizeRequest(session_.request, width, height, controls_.factor, printing);
}

void CGRAPHView::DrawView(plat::Dc& dc, int width, int height, bool printing) {
  if (session_.state.saving) return;
  PictureRequest& r = session_.request;
  PrepareRequest(width, height, printing);
  if (!printing) FitAfterModification();
  const PictureScales before = r.scales;
  r.exponent_labels = controls_.exponential;
  r.horizontal_only = controls_.only_x;
  r.vertical_only = controls_.only_y;
  r.green_arrows = controls_.green_arrows;
  r.stacked_labels = controls_.stacked;
  r.resultants = controls_.r_key;
  r.grey_frame = controls_.displacement_option;
  session_.view.load_factor = ArrowFactor(r.scales.further[kLoadScaleField]);
  session_.view.reaction_factor = ArrowFactor(r.scales.further[kReactionScaleField]);
  session_.view.force_factor = controls_.force_scale;
  const int saved = dc.SaveDC();
  {
    const ForcesFPlusShown forces(session_.state, modes_.forces_fplus ? &forces_fplus_ : nullptr);
    DrawPicture(session_.state, session_.view, session_.picture, session_.memory, r, dc);
  }
  if (!printing && !(r.scales == before)) KeepFittedScales();
  dc.RestoreDC(saved);  // the title in device pixels
  std::string title = PictureTitle(session_.state, r, mode_values_, controls_.r_key);
  if (modes_.under_way || modes_.PickCursor() || modes_.forces_fplus) {
    const ViewerState& s = session_.state;
    title = ModificationTitle(s.position.name(), s.load_case_params.title(), s.current_load_case,
                              s.diary.has_valid_count() ? s.diary.count() : 0,
                              modes_.forces_fplus ? ForcesFPlusName(forces_fplus_.count(), modes_.forces_fplus_total)
                                                  : PictureName(r, controls_.r_key), ModificationLine());
  }
  if (r.energies) title = EnergyTitle(session_.state);
  if (const std::string green = GreenTitle(); !green.empty()) title = green;
  if (r.plot_box_mode == 1) title += " (Enlarged Section)";
  if (printing) title = PrintedTitle(session_.state, session_.picture);
  dc.SetBkMode(plat::TRANSPARENT);
  dc.TextOut(width / 40, printing ? height / 10 : height / 100, title);
}

void CGRAPHView::OnPrepareDC(plat::PrinterDc& dc, plat::PrintInfo& info) {
  plat::View::OnPrepareDC(dc, info);
  const common::DrawingExtents& e = session_.state.extents;
  const bool wide = e.xmax() - e.xmin() > e.zmax() - e.zmin();
  dc.SetOrientation(wide ? plat::DMORIENT_LANDSCAPE : plat::DMORIENT_PORTRAIT);
}

void CGRAPHView::OnPrint(plat::PrinterDc& dc, plat::PrintInfo& info) {
  (void)info;
  DrawStyledPageHead(session_.state, session_.view, dc, session_.state.page_number);
  DrawView(dc, dc.GetDeviceCaps(plat::HORZRES), dc.GetDeviceCaps(plat::VERTRES), true);
}

void CGRAPHView::OnEndPrinting(plat::PrinterDc& dc, plat::PrintInfo& info) {
  plat::View::OnEndPrinting(dc, info);
  session_.picture.labels.Clear();  // the screen places its labels anew
  if (info.preview) return;
  ++session_.state.page_number;
  if (print_run_) PostMessage(plat::WM_COMMAND, ids::kPrintRun);
}

void CGRAPHView::OnPrintRun() {
  if (!print_run_) {
    print_run_ = true;
    print_run_first_ = session_.state.current_load_case;
    OnFilePrintDirect();
    return;
  }
  const LoadCaseStep next = StepLoadCaseList(session_.state.diary, session_.state.current_load_case, kStepForward);
  WriteScales();
  if (next.result != 1) {
    print_run_ = false;
    AfterSwitch(SwitchLoadCase(session_.state, session_.picture.labels, print_run_first_) == 0);
    return;
  }
  AfterSwitch(SwitchLoadCase(session_.state, session_.picture.labels, next.load_case) == 0);
  OnFilePrintDirect();
}

void CGRAPHView::OnDiagram(DiagramKind kind) {
  PictureRequest& r = session_.request;
  if (r.eigenmode) return;
  if (kind == DiagramKind::kDisplacements && (r.green_family_2 || r.green_family_1)) return;
  if (!LoadCaseHasResults(session_.state) && !ModificationUnderWay(session_.run)) {
    plat::MessageBox(kNoResultsText, "OK", plat::MB_OK);
    return;
  }
  CloseHint();
  RestoreLoadCaseField();  // whatever picture came before: the load case's own results
  controls_.wheel_target = WheelTarget::kGraph;
  SetDiagramKind(r, kind);
  if (kind == DiagramKind::kMoments) session_.picture.labels.Clear();
  Invalidate();
}

void CGRAPHView::OnEnergy() {
  CloseHint();
  const bool from_any = session_.request.green_family_1 && !session_.request.energies;
  if (!session_.request.energies && !from_any) {
    // A damaged ENERGIES is named; no value of it is shown.
    const common::FileStatus read = ReadEnergyTable(session_.state);
    if (read.damaged()) {
      ShowFailure(common::CheckFile(EnergiesFile(session_.state), read));
      return;
    }
  }
  ToggleEnergyPicture(session_.request, controls_.before_energy);
  if (!session_.request.energies && green_.energy_of_any) session_.request.green_family_1 = true;
  green_.energy_of_any = session_.request.energies && from_any;
  if (green_.energy_of_any) ShowGreenEnergies();
  if (session_.request.energies_off && !green_.energy_of_any) session_.request.scales_read = false;
  session_.request.energies_off = green_.energy_of_any;
  session_.picture.labels.Clear();
  Invalidate();
}

void CGRAPHView::ActivateNextPictureView() {
  if (GetDocument() == nullptr) return;
  std::vector<CGRAPHView*> pictures;
  for (plat::View* view : GetDocument()->GetViews()) {
    if (auto* picture = dynamic_cast<CGRAPHView*>(view)) pictures.push_back(picture);
  }
  const auto self = std::find(pictures.begin(), pictures.end(), this);
  if (self == pictures.end()) return;
  CGRAPHView* next = std::next(self) != pictures.end() ? *std::next(self) : pictures.front();
  if (plat::FrameWnd* frame = next->GetParentFrame(); next != this && frame != nullptr) frame->ActivateFrame();
}

void CGRAPHView::OnFitDiagrams() {
  if (!session_.request.AnyResult()) return;
  // The next drawing fits the curve shown, larger or smaller, and the view keeps its scale.
  session_.request.fit_scales = true;
  session_.picture.labels.ClearResults();
  Invalidate();
}

void CGRAPHView::FitAfterModification() {
  const bool modified = ModificationUnderWay(session_.run) || modes_.under_way;
  if (!modified) {
    fitted_modification_ = FittedField{};
    return;
  }
  const PictureRequest& r = session_.request;
  const int picture = r.deflection ? 1 : r.normal_forces ? 2 : r.moments ? 3 : r.shear_forces ? 4 : 0;
  if (picture == fitted_modification_.picture && session_.state.displacements == fitted_modification_.field) return;
  fitted_modification_ = FittedField{picture, session_.state.displacements};
  session_.request.fit_scales = true;
}

void CGRAPHView::KeepFittedScales() {
  const PictureRequest& r = session_.request;
  const int kind = session_.view.green.kind;
  if (r.green_family_1 && kind >= 1 && kind <= 6) green_.any_scales[static_cast<std::size_t>(kind)] = r.scales.displacement;
  WriteScales();
}

void CGRAPHView::OnExport() {
  std::string stored;
  const common::Result exported =
      ExportViewPicture(session_.state, *this, [this](plat::Dc& dc) { OnDraw(dc); }, stored);
  if (!exported.ok()) {
    ShowFailure(exported);
    return;
  }
  session_.status_text = "Figure stored as file " + stored;
  PostToMainWindow(ids::kStatusTexts);
}

void CGRAPHView::OnHelp(const char* document) { OpenViewerHelp(document, document); }

bool CGRAPHView::ShowMode(int number) {
  ModeValues values = mode_values_;
  const common::Result read = ReadEigenmode(session_.state, number, values);
  if (!read.ok()) return false;
  mode_values_ = values;
  session_.request.eigenmode_number = number;
  return true;
}

void CGRAPHView::OnEigen() {
  ResetModification();
  ModeValues values;
  const common::Result read = ReadEigenmode(session_.state, 1, values);
  if (!read.ok()) {
    ShowFailure(read);
    return;
  }
  CloseHint();
  SetDiagramKind(session_.request, DiagramKind::kFrame);
  session_.request.eigenmode = true;
  session_.request.eigenmode_number = 1;
  mode_values_ = values;
  Invalidate();
}

void CGRAPHView::OnNodeGreen() {
  ResetModification();
  CDiaStartNodeGF dialog(session_.state.nodes.count(), GetParentFrame());
  if (dialog.DoModal() != plat::IDOK) return;
  const int node = dialog.node();
  if (node == 0) {
    plat::MessageBox("Wrong input", "?", plat::MB_OK);
    return;
  }
  green_.flex_entry = 0;
  const int dof = session_.state.nodes[node].dof_u();
  if (dof < 1 || dof > session_.state.equation_count()) return;
  PictureRequest& r = session_.request;
  SetDiagramKind(r, DiagramKind::kFrame);
  r.influence = true;
  r.influence_column = dof;
  ShowHint(kNextValueHint);
  Invalidate();
}

void CGRAPHView::OnContextMenu(plat::Window* window, plat::Point point) {
  (void)window;
  (void)point;
  if (session_.request.shape_function) {
    ShowShapeFunction(session_.request.shape_dof % std::max(1, session_.state.equation_count()) + 1);
    return;
  }
  if (session_.request.green_family_1) {
    OnGreenAnywhere();
    return;
  }
  if (StepValuePicture(true)) return;
  // With picks the right button computes again; else it opens the parameters.
  if (session_.run.picked_elements.empty() && session_.run.picked_nodes.empty()) OnParameter();
}

bool CGRAPHView::LeaveSpecialPicture() {
  PictureRequest& r = session_.request;
  if (!r.eigenmode && !r.AnyGreen()) return false;
  session_.state.foreign_field = true;  // read UT8 again whatever the picture held
  RestoreLoadCaseField();
  Invalidate();
  return true;
}

void CGRAPHView::RestoreLoadCaseField() {
  PictureRequest& r = session_.request;
  if (r.eigenmode || r.AnyGreen() || r.shape_function) SetDiagramKind(r, DiagramKind::kFrame);
  if (!session_.state.foreign_field) return;
  green_.flex_entry = 0;
  session_.view.green = GreenPoint{};
  r.scales_read = false;  // the load case's own scales again
  SwitchLoadCase(session_.state, session_.picture.labels, session_.state.current_load_case);  // UT8 again
  session_.picture.labels.ClearResults();
}

void CGRAPHView::OnFrame() {
  CloseHint();
  SetDiagramKind(session_.request, DiagramKind::kFrame);
  Invalidate();
}

void CGRAPHView::OnResetPicture() {
  CloseHint();
  PictureRequest& r = session_.request;
  SetDiagramKind(r, DiagramKind::kFrame);
  r.node_labels = true;
  r.element_labels = true;
  controls_ = PictureControls{};
  WriteDisplaySettings();
  ResetModification();
  Invalidate();
}

void CGRAPHView::OnParameter() {
  if (!EditReanalysisParameters(session_, GetParentFrame())) return;
  session_.picture.labels.Clear();
  Invalidate();
}

std::string CGRAPHView::HintText() const { return hint_ ? hint_->GetWindowText() : std::string(); }

void CGRAPHView::ShowHint(const std::string& text) {
  CloseHint();
  hint_ = std::make_unique<plat::Edit>();
  const int width = static_cast<int>(text.size()) * 8 + 40;
  // At the left, under the picture's title line, which it would hide.
  plat::Rect client;
  GetClientRect(&client);
  const int top = client.Height() / 100 + 24;
  if (!hint_->Create(plat::WS_VISIBLE | plat::ES_READONLY, plat::Rect{0, top, width, top + 24}, this, kHintId)) {
    hint_.reset();
    return;
  }
  hint_->SetWindowText(text);
}

void CGRAPHView::CloseHint() {
  if (!hint_) return;
  hint_->DestroyWindow();
  hint_.reset();
}

bool* CGRAPHView::ToggleFlag(plat::UINT id) {
  switch (id) {
    case ids::kGreenArrows: return &controls_.green_arrows;
    case ids::kExponential: return &controls_.exponential;
    case ids::kNumbers: return &controls_.numbers;
    case ids::kNodeNumbers: return &session_.request.node_labels;
    case ids::kElementNumbers: return &session_.request.element_labels;
    case ids::kRKey: return &controls_.r_key;
    case ids::kStacked: return &controls_.stacked;
    default: return nullptr;
  }
}

bool CGRAPHView::ToggleChecked(plat::UINT id) {
  if (id == ids::kOnlyX) return controls_.only_x;
  if (id == ids::kOnlyY) return controls_.only_y;
  const bool* flag = ToggleFlag(id);
  return flag != nullptr && *flag;
}

void CGRAPHView::OnToggle(plat::UINT id) {
  if (id == ids::kOnlyX || id == ids::kOnlyY) {
    OnOnlyValues(id == ids::kOnlyX);
    return;
  }
  bool* flag = ToggleFlag(id);
  if (flag == nullptr) return;
  *flag = !*flag;
  if (id == ids::kExponential || id == ids::kStacked) WriteDisplaySettings();
  session_.picture.labels.Clear();
  Invalidate();
}

void CGRAPHView::OnOnlyValues(bool x) {
  bool& own = x ? controls_.only_x : controls_.only_y;
  own = !own;
  if (own) {
    (x ? controls_.only_y : controls_.only_x) = false;
    ShowHint(x ? "Values in X-direction, X = on/off" : "Values in Y-direction, Y = on/off");
  } else {
    CloseHint();
  }
  ShowModeStatus();
  session_.picture.labels.Clear();
  Invalidate();
}

bool CGRAPHView::StepValuePicture(bool next) {
  if (StepGreenPicture(next)) return true;
  PictureRequest& r = session_.request;
  if (r.influence) {
    const int to = std::clamp(r.influence_column + (next ? 1 : -1), 1, std::max(1, session_.state.equation_count()));
    if (to != r.influence_column) {
      r.influence_column = to;
      Invalidate();
    }
    return true;
  }
  if (r.eigenmode) {
    const int n = std::max(1, session_.state.equation_count());
    const int to = std::clamp(r.eigenmode_number + (next ? 1 : -1), 1, n);
    if (to != r.eigenmode_number && ShowMode(to)) Invalidate();
    return true;
  }
  return false;
}

void CGRAPHView::OnStepKey(int code) {
  if (Held(plat::VK_CONTROL)) {
    controls_.factor = code == kStepForward ? ShrunkFactor(controls_.factor) : GrownFactor(controls_.factor);
    Invalidate();
    return;
  }
  if (StepValuePicture(code == kStepForward)) return;
  OnStepLoadCase(code);
  PostToMainWindow(plat::WM_USER + 18);
}

void CGRAPHView::OnKeyDown(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  const bool hint_was_open = static_cast<bool>(hint_);
  CloseHint();
  PictureRequest& r = session_.request;
  if (vk == 'A') controls_.wheel_alternative = true;
  if ((vk == plat::VK_LEFT || vk == plat::VK_RIGHT) && Held(plat::VK_CONTROL) && PanSection(vk == plat::VK_RIGHT)) return;
  if (Held(plat::VK_CONTROL) && (vk == plat::VK_ADD || vk == plat::VK_SUBTRACT)) {
    controls_.factor = vk == plat::VK_ADD ? ShrunkFactor(controls_.factor) : GrownFactor(controls_.factor);
    Invalidate();
    return;
  }
  if (r.deflection) controls_.displacement_option = !controls_.displacement_option;
  switch (vk) {
    case 'E': r.element_labels = !r.element_labels; break;
    case 'K': r.node_labels = !r.node_labels; break;
    case 'W': OnEnergy(); return;
    case 'R':
      if (controls_.r_key) return;
      controls_.r_key = true;
      session_.picture.labels.Clear();
      break;
    case 'Z': controls_.numbers = true; break;
    case 'M': OnDiagram(DiagramKind::kMoments); return;
    case 'N': OnDiagram(DiagramKind::kNormalForces); return;
    case 'S': OnDiagram(DiagramKind::kShearForces); return;
    case 'D': OnDiagram(DiagramKind::kDisplacements); return;
    case 'X': OnOnlyValues(true); return;
    case 'Y': OnOnlyValues(false); return;
    case plat::VK_TAB: ActivateNextPictureView(); return;
    case plat::VK_RETURN: return;  // closes the hint box only
    case plat::VK_UP: OnStepKey(kStepForward); return;
    case plat::VK_DOWN: OnStepKey(kStepBack); return;
    case plat::VK_ESCAPE: OnEscape(); return;
    case 'C':
    case 'F':
    case 'G':
    case 'H':
    case 'J':
    case 'P': OnModeKey(vk); return;
    case plat::VK_SPACE: OnSpace(); return;
    case plat::VK_LEFT:
    case plat::VK_RIGHT:
      if (!Held(plat::VK_CONTROL)) OnStepModification(vk == plat::VK_RIGHT);
      return;
    case plat::VK_OEM_102: OnFitDiagrams(); return;
    default:
      if (!hint_was_open) plat::View::OnKeyDown(vk, repeat, flags);
      return;
  }
  Invalidate();
}

void CGRAPHView::OnKeyUp(plat::UINT vk, plat::UINT repeat, plat::UINT flags) {
  controls_.wheel_alternative = false;
  plat::View::OnKeyUp(vk, repeat, flags);
}

bool CGRAPHView::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_XBUTTONDOWN && plat::GET_XBUTTON_WPARAM(msg->wParam) == plat::XBUTTON1) {
    EndProgram();
    return true;
  }
  if (PreTranslateHintKey(msg)) return true;
  if ((msg->message == plat::WM_KEYDOWN || msg->message == plat::WM_KEYUP) && msg->wParam == '1') {
    controls_.wheel_step = msg->message == plat::WM_KEYDOWN ? 2 : 1;
  }
  return plat::View::PreTranslateMessage(msg);
}

bool CGRAPHView::OnMouseWheel(plat::UINT flags, short delta, plat::Point point) {
  (void)flags;
  (void)point;
  if (delta == 0) return true;
  const bool up = delta > 0;
  // Green's-function and flexibility pictures scale their own curve, no remembered diagram scale
  session_.request.wheeled = true;  // a scale the wheel takes out of the readable range stops at its bound
  if (!Held(plat::VK_MENU) && !session_.request.eigenmode && WheelGreenScale(up)) {
    Invalidate();
    return true;
  }
  WheelKeys keys;
  keys.alt = Held(plat::VK_MENU);
  keys.ctrl = Held(plat::VK_CONTROL);
  keys.shift = Held(plat::VK_SHIFT);
  switch (TurnWheel(session_.state, session_.request, controls_, keys, delta > 0)) {
    case WheelEffect::kNone:
      session_.request.wheeled = false;
      return true;
    case WheelEffect::kRedraw: break;
    case WheelEffect::kLineWidths: ShowFailure(WriteViewSettings(session_.state)); break;  // they hold for this run
    case WheelEffect::kLabels: session_.picture.labels.Clear(); break;
    case WheelEffect::kScales:
      session_.picture.labels.Clear();
      WriteScales();
      break;
  }
  Invalidate();
  return true;
}

void CGRAPHView::OnEscape() {
  if (modes_.p_mode) {
    modes_.p_mode = false;
    SyncPicks();
    Invalidate();
    return;
  }
  if (session_.request.plot_box_mode == 1) {  // the enlarged section: back to the whole frame
    session_.request.plot_box_mode = 0;
    session_.picture.labels.ClearResults();  // a label the user placed stays where it is
    Invalidate();
    return;
  }
  if (LeaveShapeFunctions()) return;
  if (session_.request.energies) {
    OnEnergy();
    return;
  }
  controls_.wheel_target = WheelTarget::kGraph;
  if (LeaveSpecialPicture()) return;
  if (controls_.only_x || controls_.only_y) {
    controls_.only_x = controls_.only_y = false;
    session_.picture.labels.Clear();
    Invalidate();
    return;
  }
  if (EscapeModification()) return;
  EndProgram();
}

void CGRAPHView::EndProgram() {
  WritePageNumber(session_.state, LoadCaseScales(session_.state, session_.request));
  DeleteWorkingCopies(session_.state, session_.run);
  plat::PostQuitMessage(0);
}

void CGRAPHView::WriteScales() {
  WriteRememberedScales(session_.state, session_.state.current_load_case, LoadCaseScales(session_.state, session_.request));
}

void CGRAPHView::AfterSwitch(bool failed) {
  if (failed) PostToMainWindow(ids::kNoResults);
  // The result labels are placed afresh; the load labels keep the free texts the switch read.
  session_.picture.labels.ClearResults();
  session_.request.scales_read = false;
  RefreshGreenField();
  ShowTitle();
  EnablePictureMenu(session_.state, GetParentFrame());
  Invalidate();
}

void CGRAPHView::ResetModification() {
  if (ModificationUnderWay(session_.run) || modes_.PickCursor() || modes_.parked || modes_.forces_fplus) ResetAll();
}

void CGRAPHView::OnStepLoadCase(int code) {
  ResetModification();
  WriteScales();
  const StepOutcome step = StepLoadCase(session_.state, session_.picture.labels, code);
  AfterSwitch(step.failed);
}

void CGRAPHView::OnChooseLoadCase() {
  ResetModification();
  CDiaLF dialog(session_.state.diary, session_.state.current_load_case, GetParentFrame());
  if (dialog.DoModal() != plat::IDOK) return;
  const int lc = dialog.load_case();
  if (!DiaryHolds(session_.state.diary, lc)) return;
  const bool had_results = !session_.state.no_results;
  WriteScales();
  const int switched = SwitchLoadCase(session_.state, session_.picture.labels, lc);
  AfterSwitch(switched == 0 && had_results);
}

void CGRAPHView::OnDestroy() {
  WritePageNumber(session_.state, LoadCaseScales(session_.state, session_.request));
  DeleteWorkingCopies(session_.state, session_.run);
  plat::View::OnDestroy();
  plat::PostQuitMessage(0);
}

void CGRAPHView::OnScales() {
  CDiaSkalenGrafik dialog(session_.request.scales, GetParentFrame());
  if (dialog.DoModal() != plat::IDOK) return;
  session_.request.scales = dialog.scales();
  session_.picture.labels.Clear();
  WriteScales();
  Invalidate();
}

void CGRAPHView::OnResetScales() {
  PictureScales& s = session_.request.scales;
  s.moment = s.shear = s.normal_force = s.fourth = s.displacement = 0.1f;
  s.further.fill(0.1f);
  session_.picture.labels.Clear();
  WriteScales();
  Invalidate();
}

void CGRAPHView::OnLineWidth() {
  CDiaLines dialog(session_.state.line_width, GetParentFrame());
  if (dialog.DoModal() != plat::IDOK) return;
  session_.state.line_width = dialog.width();
  ShowFailure(WriteViewSettings(session_.state));
  Invalidate();
}

void CGRAPHView::OnAlignText() {
  session_.picture.labels.Clear();
  Invalidate();
}

void CGRAPHView::StepWheelTarget() {
  switch (controls_.wheel_target) {
    case WheelTarget::kGraph: controls_.wheel_target = WheelTarget::kLoad; break;
    case WheelTarget::kLoad: controls_.wheel_target = WheelTarget::kSupportReactions; break;
    default: controls_.wheel_target = WheelTarget::kGraph; break;
  }
  session_.wheel_status = WheelStatusText(controls_.wheel_target);
  PostToMainWindow(ids::kStatusTexts);
}

void CGRAPHView::WriteDisplaySettings() {
  GraphicsSettings& g = session_.state.graphics;
  if (g.exponential_numbers() == (controls_.exponential ? 1 : 0) && g.stacked_numbers() == (controls_.stacked ? 1 : 0)) {
    return;
  }
  g.set_exponential_numbers(controls_.exponential ? 1 : 0);
  g.set_stacked_numbers(controls_.stacked ? 1 : 0);
  ShowFailure(WriteGraphicsSettings(session_.state));
}

bool CGRAPHView::PanSection(bool right) {
  PictureRequest& r = session_.request;
  if (r.plot_box_mode != 1) return false;
  float left = r.plot_box[0].x, far = r.plot_box[0].x;
  for (const WorldPoint& p : r.plot_box) {
    left = std::min(left, p.x);
    far = std::max(far, p.x);
  }
  const float step = 0.1f * (far - left) * (right ? 1.0f : -1.0f);
  for (WorldPoint& p : r.plot_box) p.x += step;
  session_.picture.labels.Clear();
  Invalidate();
  return true;
}

void CGRAPHView::OnSetFocus(plat::Window* old) {
  plat::View::OnSetFocus(old);
  PostToMainWindow(ids::kMainWindowFocus);
}

bool CGRAPHView::PreTranslateHintKey(plat::MSG* msg) {
  if (!hint_ || msg->hwnd != hint_->GetSafeHwnd()) return false;
  if (msg->message == plat::WM_CHAR && msg->wParam == '\r') {
    msg->wParam = 0xA7;  // the change handler takes it out again
    return false;
  }
  if ((msg->message == plat::WM_KEYDOWN || msg->message == plat::WM_CHAR) && msg->wParam == plat::VK_ESCAPE) {
    hint_->SetWindowText("");
    return true;
  }
  return false;
}

bool CGRAPHView::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) != kHintId || plat::HIWORD(wParam) != plat::EN_CHANGE) {
    return plat::View::OnCommand(wParam, lParam);
  }
  if (!hint_) return true;
  std::string text = hint_->GetWindowText();
  if (!text.empty() && static_cast<unsigned char>(text.back()) == 0xA7) {
    text.pop_back();
    hint_->SetWindowText(text);  // comes back here with the text as it was
    return true;
  }
  if (text.empty()) PostMessage(plat::WM_COMMAND, ids::kCloseHint);
  return true;
}

}  // namespace revuzavi
