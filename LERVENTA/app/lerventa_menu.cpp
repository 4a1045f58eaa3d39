#include "LERVENTA/app/lerventa_menu.h"

#include "platform/frames/command_ids.h"

namespace lerventa {

plat::Menu LerventaMenu() {
  plat::Menu file = plat::Menu::Popup();
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_NEW, "&Neu\tCtrl+N");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_OPEN, "\xD6&ffnen...\tCtrl+O");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_SAVE, "S&peichern\tCtrl+S");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_SAVE_AS, "Speichern &unter...");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT, "&Drucken...\tCtrl+P");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_SETUP, "Drucker&einrichtung...");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_MRU_FILE1, "Letzte Datei");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_APP_EXIT, "&Beenden");

  plat::Menu view = plat::Menu::Popup();
  view.AppendMenu(plat::MF_STRING, plat::ID_VIEW_TOOLBAR, "&Symbolleiste");
  view.AppendMenu(plat::MF_STRING, plat::ID_VIEW_STATUS_BAR, "S&tatusleiste");

  plat::Menu help = plat::Menu::Popup();
  help.AppendMenu(plat::MF_STRING, plat::ID_APP_ABOUT, "&Info \xFC" "ber LERVENTA...");

  plat::Menu bar;
  bar.AppendMenu(plat::MF_POPUP, std::move(file), "&File");
  bar.AppendMenu(plat::MF_POPUP, std::move(view), "&View");
  bar.AppendMenu(plat::MF_POPUP, std::move(help), "&?");
  return bar;
}

plat::AcceleratorTable LerventaAccelerators() {
  using plat::FCONTROL;
  using plat::FVIRTKEY;
  return plat::AcceleratorTable({
      {FVIRTKEY | FCONTROL, 'N', plat::ID_FILE_NEW},
      {FVIRTKEY | FCONTROL, 'O', plat::ID_FILE_OPEN},
      {FVIRTKEY | FCONTROL, 'S', plat::ID_FILE_SAVE},
      {FVIRTKEY | FCONTROL, 'P', plat::ID_FILE_PRINT},
      {FVIRTKEY | FCONTROL, 'C', plat::ID_EDIT_COPY},
  });
}

}  // namespace lerventa
