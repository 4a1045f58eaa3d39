#include "common/dialogs/application_looks.h"

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
  if (plat::WinApp* app = plat::WinApp::Get()) app->SetApplicationLook(app->GetApplicationLook());
}

}  // namespace common
