#include "geometry/editor/editor_dialogs.h"

#include "platform/controls/edit.h"
#include "platform/dialogs/data_exchange.h"
#include "platform/dialogs/dialog_layout.h"

namespace kelmf {

CDiaModElm::CDiaModElm(int material_rows, int section_rows, plat::Window* owner)
    : plat::Dialog(dlg::kModElm, "Element", owner), material_rows_(material_rows), section_rows_(section_rows) {}

void CDiaModElm::BuildLayout(plat::DialogLayout& layout) {
  constexpr plat::DWORD kShown = plat::ES_AUTOHSCROLL | plat::ES_READONLY;
  auto form = layout.Form();
  form.Field("Element").EditBox(dlg::kElement, kShown);
  form.Field("&Material").EditBox(dlg::kMaterial);
  form.Field("&Cross Section").EditBox(dlg::kCrossSection);
  form.Field("EI").EditBox(dlg::kEi, kShown);
  form.Field("EA").EditBox(dlg::kEa, kShown);
  layout.CheckBox("Compression (C)", dlg::kCompression);
  layout.CheckBox("Tension (T)", dlg::kTension);
  layout.CheckBox("Hinge L", dlg::kHingeL);
  layout.CheckBox("Hinge R", dlg::kHingeR);
  auto buttons = layout.OkCancel("OK", "Stop");
  buttons.PushButton("Delete", dlg::kDelete);
}

void CDiaModElm::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, dlg::kElement, element);
  plat::DDX_Text(dx, dlg::kMaterial, material);
  plat::DDV_MinMaxInt(dx, material, 1, material_rows_);
  plat::DDX_Text(dx, dlg::kCrossSection, cross_section);
  plat::DDV_MinMaxInt(dx, cross_section, 1, section_rows_);
  if (!dx.saving()) {
    plat::DDX_Text(dx, dlg::kEi, ei);
    plat::DDX_Text(dx, dlg::kEa, ea);
  }
  plat::DDX_Check(dx, dlg::kCompression, compression);
  plat::DDX_Check(dx, dlg::kTension, tension);
  plat::DDX_Check(dx, dlg::kHingeL, hinge_l);
  plat::DDX_Check(dx, dlg::kHingeR, hinge_r);
}

bool CDiaModElm::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == dlg::kDelete) {
    delete_requested = true;
    EndDialog(plat::IDOK);
    return true;
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

CDiaVerify::CDiaVerify(plat::Window* owner) : plat::Dialog(dlg::kVerify, "", owner) {}

void CDiaVerify::BuildLayout(plat::DialogLayout& layout) {
  layout.CheckBox("Do not ask again", dlg::kDoNotAskAgain);
  layout.OkCancel("Delete", "Stop");
}

void CDiaVerify::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Check(dx, dlg::kDoNotAskAgain, do_not_ask_again); }

CDiaGitter::CDiaGitter(plat::Window* owner) : plat::Dialog(dlg::kGitter, "Meshwidth of the Grid", owner) {}

void CDiaGitter::BuildLayout(plat::DialogLayout& layout) {
  auto form = layout.Form();
  form.Field("&Mesh width [m]").EditBox(dlg::kMeshWidth);
  form.Field("&Snap radius [m]").EditBox(dlg::kSnapRadius);
  auto buttons = layout.OkCancel("OK", "Stop");
  buttons.PushButton("Default", dlg::kDefault);
}

void CDiaGitter::DoDataExchange(plat::DataExchange& dx) {
  plat::DDX_Text(dx, dlg::kMeshWidth, mesh_width);
  // A mesh width of 0 would divide the snap by zero.
  if (dx.saving() && !dx.failed() && !(mesh_width > 0.0)) dx.Fail("Please enter a mesh width above 0.");
  plat::DDX_Text(dx, dlg::kSnapRadius, snap_radius);
  if (dx.saving() && !dx.failed() && !(snap_radius >= 0.0)) dx.Fail("Please enter a snap radius of 0 or more.");
}

bool CDiaGitter::OnCommand(plat::WPARAM wParam, plat::LPARAM lParam) {
  if (plat::LOWORD(wParam) == dlg::kDefault) {
    mesh_width = 2.0;
    snap_radius = 0.15;
    UpdateData(false);
    return true;
  }
  return plat::Dialog::OnCommand(wParam, lParam);
}

CDiaSaveAs::CDiaSaveAs(plat::Window* owner) : plat::Dialog(dlg::kSaveAs, "Store", owner) {}

void CDiaSaveAs::BuildLayout(plat::DialogLayout& layout) {
  layout.Form().Field("&Position").EditBox(dlg::kPosition);
  layout.OkCancel("OK", "Stop");
}

void CDiaSaveAs::DoDataExchange(plat::DataExchange& dx) { plat::DDX_Text(dx, dlg::kPosition, position); }

}  // namespace kelmf
