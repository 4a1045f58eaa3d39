#include "graphics/app/report.h"

#include "platform/frames/frame_wnd.h"
#include "platform/frames/win_app.h"
#include "platform/message_box.h"

namespace revuzavi {

void ShowFailure(const common::Result& result) {
  if (!result.ok()) plat::MessageBox(result.text(), result.caption(), plat::MB_OK);
}

void PostToMainWindow(plat::UINT message) {
  if (plat::WinApp* app = plat::WinApp::Get(); app && app->GetMainWnd()) app->GetMainWnd()->PostMessage(message);
}

}  // namespace revuzavi
