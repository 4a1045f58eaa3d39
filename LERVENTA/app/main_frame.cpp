#include "LERVENTA/app/main_frame.h"

#include "LERVENTA/app/side_button.h"

namespace lerventa {

int CMainFrame::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::FrameWnd::OnCreate(create) == -1) return -1;
  if (!status_bar_.Create(this)) return -1;
  const plat::UINT panes[kStatusPaneCount] = {plat::ID_SEPARATOR, plat::ID_INDICATOR_CAPS, plat::ID_INDICATOR_NUM,
                                              plat::ID_INDICATOR_SCRL};
  if (!status_bar_.SetIndicators(panes)) return -1;
  status_bar_.SetPaneText(0, "Bereit");
  return 0;
}

bool CMainFrame::PreTranslateMessage(plat::MSG* msg) {
  return EndOnSideButton(*msg) || plat::FrameWnd::PreTranslateMessage(msg);
}

}  // namespace lerventa
