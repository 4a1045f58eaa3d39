#include "loads/editor/editor_menus.h"

#include "common/dialogs/application_looks.h"
#include "loads/editor/editor_ids.h"
#include "platform/window/virtual_keys.h"

namespace pundf {

plat::Menu EditorMenu() {
  plat::Menu load_case = plat::Menu::Popup();
  load_case.AppendMenu(plat::MF_STRING, ids::kNew, "&New\tCtrl+N");
  load_case.AppendMenu(plat::MF_STRING, ids::kTitle, "&Title...");
  load_case.AppendMenu(plat::MF_STRING, ids::kOpen, "O&pen...\tCtrl+O");
  load_case.AppendMenu(plat::MF_STRING, ids::kImport, "&Import...");
  load_case.AppendMenu(plat::MF_STRING, ids::kStore, "S&tore\tCtrl+S");
  load_case.AppendMenu(plat::MF_STRING, ids::kCopy, "&Copy...");
  load_case.AppendMenu(plat::MF_STRING, ids::kDelete, "&Delete...");
  load_case.AppendMenu(plat::MF_SEPARATOR);
  load_case.AppendMenu(plat::MF_STRING, ids::kEnd, "&End\tESC");

  plat::Menu loads = plat::Menu::Popup();
  loads.AppendMenu(plat::MF_STRING, ids::kGravity, "&Gravity load...");
  loads.AppendMenu(plat::MF_STRING, ids::kFloorLoad, "&Floor load...");
  loads.AppendMenu(plat::MF_STRING, ids::kLateralLoad, "Lateral load...");
  loads.AppendMenu(plat::MF_STRING, ids::kSnow, "Snow...");
  loads.AppendMenu(plat::MF_SEPARATOR);
  loads.AppendMenu(plat::MF_STRING, ids::kLineLoads, "&Line loads");
  loads.AppendMenu(plat::MF_STRING, ids::kPointLoads, "&Point loads");
  loads.AppendMenu(plat::MF_STRING, ids::kPrestressing, "Prestressing");
  loads.AppendMenu(plat::MF_STRING, ids::kTemperature, "&Temperature...");
  loads.AppendMenu(plat::MF_STRING, ids::kSettlements, "&Settlements...");
  loads.AppendMenu(plat::MF_SEPARATOR);
  loads.AppendMenu(plat::MF_STRING, ids::kInfo, "&Info");


  plat::Menu view = plat::Menu::Popup();
  view.AppendMenu(plat::MF_STRING, ids::kLinePick, "Line loads");
  view.AppendMenu(plat::MF_STRING, ids::kPointPick, "Einzelkr\xE4" "fte");
  view.AppendMenu(plat::MF_STRING, ids::kFillSwitch, "Filled load bands");
  view.AppendMenu(plat::MF_SEPARATOR);
  view.AppendMenu(plat::MF_POPUP, common::ApplicationLooksPopup(), "&Application look");

  plat::Menu help = plat::Menu::Popup();
  help.AppendMenu(plat::MF_STRING, ids::kManual, "&Manual");
  help.AppendMenu(plat::MF_STRING, ids::kAbout, "&About PUNDF...");

  plat::Menu bar;
  bar.AppendMenu(plat::MF_POPUP, std::move(load_case), "&Load case");
  bar.AppendMenu(plat::MF_POPUP, std::move(loads), "L&oads");
  bar.AppendMenu(plat::MF_POPUP, std::move(view), "&View");
  bar.AppendMenu(plat::MF_POPUP, std::move(help), "&Help");
  return bar;
}

plat::AcceleratorTable EditorAccelerators() {
  using plat::FCONTROL;
  using plat::FVIRTKEY;
  return plat::AcceleratorTable({
      {FVIRTKEY | FCONTROL, 'N', ids::kNew},
      {FVIRTKEY | FCONTROL, 'O', ids::kOpen},
      {FVIRTKEY | FCONTROL, 'S', ids::kStore},
      {FVIRTKEY, plat::VK_ESCAPE, ids::kEnd},
  });
}

std::vector<plat::ToolButton> EditorToolButtons() {
  return {{ids::kNew, "New"},
          {ids::kOpen, "Open"},
          {ids::kStore, "Store"},
          {ids::kListing, "Text file D2 = load cases"},
          {ids::kPrintPreview, "Preview"},
          {ids::kPrint, "Print"},
          {ids::kCopyToClipboard, "Copy to clipboard"}};
}

}  // namespace pundf
