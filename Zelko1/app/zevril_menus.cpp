#include "Zelko1/app/zevril_menus.h"

#include "Zelko1/app/zevril_ids.h"
#include "platform/frames/command_ids.h"

namespace zevril {
namespace {

plat::Menu ViewPopup() {
  plat::Menu view = plat::Menu::Popup();
  view.AppendMenu(plat::MF_STRING, plat::ID_VIEW_TOOLBAR, "&Symbolleiste");
  view.AppendMenu(plat::MF_STRING, plat::ID_VIEW_STATUS_BAR, "&Statusleiste");
  return view;
}

plat::Menu HelpPopup() {
  plat::Menu help = plat::Menu::Popup();
  help.AppendMenu(plat::MF_STRING, plat::ID_APP_ABOUT, "&Info \xFC" "ber ZEVRIL...");
  return help;
}

}  // namespace

plat::Menu MainFrameMenu() {
  plat::Menu file = plat::Menu::Popup();
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_NEW, "&Neu\tStrg+N");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_OPEN, "\xD6&ffnen...\tStrg+O");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_SETUP, "Drucker&einrichtung...");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_APP_EXIT, "&Beenden");
  plat::Menu bar;
  bar.AppendMenu(plat::MF_POPUP, std::move(file), "&Datei");
  bar.AppendMenu(plat::MF_POPUP, ViewPopup(), "&Ansicht");
  bar.AppendMenu(plat::MF_POPUP, HelpPopup(), "&?");
  return bar;
}

plat::Menu DocumentMenu() {
  plat::Menu file = plat::Menu::Popup();
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_NEW, "&Neu\tStrg+N");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_OPEN, "\xD6&ffnen...\tStrg+O");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_CLOSE, "&Schlie\xDF" "en");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT, "&Drucken...\tStrg+P");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_PREVIEW, "Sei&tenansicht");
  file.AppendMenu(plat::MF_STRING, plat::ID_FILE_PRINT_SETUP, "Drucker&einrichtung...");
  file.AppendMenu(plat::MF_SEPARATOR);
  file.AppendMenu(plat::MF_STRING, plat::ID_APP_EXIT, "&Beenden");
  plat::Menu bar;
  bar.AppendMenu(plat::MF_POPUP, std::move(file), "&Datei");
  bar.AppendMenu(plat::MF_STRING, ids::kEditHeader, "&Bearbeiten");
  bar.AppendMenu(plat::MF_POPUP, ViewPopup(), "&Ansicht");
  bar.AppendMenu(plat::MF_POPUP, HelpPopup(), "&?");
  return bar;
}

plat::AcceleratorTable ZevrilAccelerators() {
  return plat::AcceleratorTable({
      {plat::FVIRTKEY | plat::FCONTROL, 'N', plat::ID_FILE_NEW},
      {plat::FVIRTKEY | plat::FCONTROL, 'O', plat::ID_FILE_OPEN},
      {plat::FVIRTKEY | plat::FCONTROL, 'P', plat::ID_FILE_PRINT},
  });
}

std::vector<plat::ToolButton> ZevrilToolButtons() {
  return {{plat::ID_FILE_NEW, "Neu"},
          {plat::ID_FILE_OPEN, "\xD6" "ffnen"},
          {0},
          {plat::ID_FILE_PRINT, "Drucken"},
          {0},
          {plat::ID_APP_ABOUT, "Info"}};
}

}  // namespace zevril
