#include "common/dialogs/application_looks.h"

#include "platform/frames/app_look.h"
#include "platform/frames/win_app.h"
#include "platform/window/cursor.h"

namespace common {

void MapApplicationLooks(plat::CommandTarget& frame, plat::UINT first, plat::UINT last) {
  frame.MapCommandRange(first, last, [](plat::UINT id) {
    plat::WaitCursor wait;
    if (plat::WinApp* app = plat::WinApp::Get()) app->SetApplicationLook(static_cast<int>(id));
  });
  frame.MapUpdateRange(first, last, [](plat::CmdUI& ui) {
    const plat::WinApp* app = plat::WinApp::Get();
    ui.SetCheck(app && app->GetApplicationLook() == static_cast<int>(ui.id()) ? 1 : 0);
  });
}

void ApplyStoredLook() {
  // Applied, not stored again: writing the value just read would replace the shared settings
  // file at every start of every program.
  if (plat::WinApp* app = plat::WinApp::Get()) plat::ApplyApplicationLook(app->GetApplicationLook());
}

plat::Menu ApplicationLooksPopup() {
  plat::Menu looks = plat::Menu::Popup();
  looks.AppendMenu(plat::MF_STRING, 215, "Office 2007 (&Blue Style)");
  looks.AppendMenu(plat::MF_STRING, 216, "Office 2007 (B&lack Style)");
  looks.AppendMenu(plat::MF_STRING, 217, "Office 2007 (&Silver Style)");
  looks.AppendMenu(plat::MF_STRING, 218, "Office 2007 (&Aqua Style)");
  looks.AppendMenu(plat::MF_STRING, 219, "Win&dows 7");
  return looks;
}

}  // namespace common
