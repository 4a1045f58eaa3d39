#include "geometry/editor/editor_menus.h"

#include "geometry/editor/editor_ids.h"
#include "platform/window/virtual_keys.h"

namespace kelmf {

plat::Menu EditorMenu() {
  plat::Menu position = plat::Menu::Popup();
  position.AppendMenu(plat::MF_STRING, ids::kNew, "&New\tCtrl+N");
  position.AppendMenu(plat::MF_STRING, ids::kOpen, "O&pen...\tCtrl+O");
  position.AppendMenu(plat::MF_STRING, ids::kStore, "S&tore\tCtrl+S");
  position.AppendMenu(plat::MF_STRING, ids::kStoreAs, "Store &as...");
  position.AppendMenu(plat::MF_SEPARATOR);
  position.AppendMenu(plat::MF_STRING, ids::kPrint, "&Print...\tCtrl+P");
  position.AppendMenu(plat::MF_STRING, ids::kPrintSetup, "P&rint Setup...");
  position.AppendMenu(plat::MF_SEPARATOR);
  position.AppendMenu(plat::MF_STRING, ids::kDimensionsListing, "File D1 (Dimensions)\tCtrl+D");
  position.AppendMenu(plat::MF_SEPARATOR);
  position.AppendMenu(plat::MF_STRING, ids::kEnd, "&End\t2 x ESC");

  plat::Menu view = plat::Menu::Popup();
  view.AppendMenu(plat::MF_STRING, ids::kAuxLines, "Aux. lines");
  view.AppendMenu(plat::MF_STRING, ids::kFont, "&Font");
  view.AppendMenu(plat::MF_STRING, ids::kEcho, "Ec&ho");
  view.AppendMenu(plat::MF_STRING, ids::kDialogInput, "&Dialog Input");
  view.AppendMenu(plat::MF_STRING, ids::kKeysHelp, "Help");

  plat::Menu bar;
  bar.AppendMenu(plat::MF_POPUP, std::move(position), "&Position");
  bar.AppendMenu(plat::MF_POPUP, std::move(view), "&View");
  return bar;
}

plat::AcceleratorTable EditorAccelerators() {
  using plat::FCONTROL;
  using plat::FSHIFT;
  using plat::FVIRTKEY;
  return plat::AcceleratorTable({
      {FVIRTKEY | FCONTROL, 'N', ids::kNew},
      {FVIRTKEY | FCONTROL, 'O', ids::kOpen},
      {FVIRTKEY | FCONTROL, 'S', ids::kStore},
      {FVIRTKEY | FCONTROL, 'P', ids::kPrint},
      {FVIRTKEY | FCONTROL, 'D', ids::kDimensionsListing},
      {0, 'x', ids::kEnd},
      {FVIRTKEY, plat::VK_F1, ids::kManual},
      {FVIRTKEY | FCONTROL, 'X', plat::ID_EDIT_CUT},
      {FVIRTKEY | FCONTROL, 'C', plat::ID_EDIT_COPY},
      {FVIRTKEY | FCONTROL, 'V', plat::ID_EDIT_PASTE},
      {FVIRTKEY | FCONTROL, 'Z', plat::ID_EDIT_UNDO},
      {FVIRTKEY | FSHIFT, plat::VK_DELETE, plat::ID_EDIT_CUT},
      {FVIRTKEY | FCONTROL, plat::VK_INSERT, plat::ID_EDIT_COPY},
      {FVIRTKEY | FSHIFT, plat::VK_INSERT, plat::ID_EDIT_PASTE},
      {FVIRTKEY | plat::FALT, plat::VK_BACK, plat::ID_EDIT_UNDO},
  });
}

plat::Menu EditContextMenu() {
  plat::Menu edit = plat::Menu::Popup();
  edit.AppendMenu(plat::MF_STRING, plat::ID_EDIT_CUT, "&Ausschneiden\tCtrl+X");
  edit.AppendMenu(plat::MF_STRING, plat::ID_EDIT_COPY, "&Kopieren\tCtrl+C");
  edit.AppendMenu(plat::MF_STRING, plat::ID_EDIT_PASTE, "&Einf\xFCgen\tCtrl+V");
  return edit;
}

std::vector<plat::ToolButton> EditorToolButtons() {
  return {{ids::kStore, "Store"},
          {ids::kPrint, "Print"},
          {ids::kDimensionsButton, "Dimensions"},
          {ids::kCopyToClipboard, "Copy to Clipboard"},
          {ids::kGraphicalInput, "Graphical input"},
          {ids::kGrid, "Grid"}};
}

}  // namespace kelmf
