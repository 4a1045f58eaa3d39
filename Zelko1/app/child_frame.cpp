#include "Zelko1/app/child_frame.h"

namespace zevril {

CChildFrame::CChildFrame() {
  MapCommand(plat::ID_FILE_CLOSE, [this] { PostMessage(plat::WM_CLOSE); });
}

void CChildFrame::ActivateFrame(int) { plat::MDIChildWnd::ActivateFrame(plat::SW_SHOWMAXIMIZED); }

void CChildFrame::OnShowWindow(bool show, plat::UINT status) {
  plat::MDIChildWnd::OnShowWindow(show, status);
  if (!show || maximising_ || IsMaximized()) return;
  maximising_ = true;
  MDIMaximize();
  maximising_ = false;
}

}  // namespace zevril
