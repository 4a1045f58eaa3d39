#include "Zelko1/app/main_frame.h"

#include "Zelko1/app/zevril_menus.h"

namespace zevril {

CMainFrame::CMainFrame(ZevrilState& state, common::SettingsContext settings)
    : state_(state), settings_(std::move(settings)) {
  SetStayMaximised(true);
}

int CMainFrame::OnCreate(const plat::CREATESTRUCT& create) {
  if (plat::MDIFrameWnd::OnCreate(create) == -1) return -1;
  if (!tool_bar_.Create(this)) return -1;
  tool_bar_.SetWindowText("Standard");
  tool_bar_.SetButtons(ZevrilToolButtons());
  if (!status_bar_.Create(this)) return -1;
  const plat::UINT panes[] = {plat::ID_SEPARATOR, plat::ID_INDICATOR_CAPS, plat::ID_INDICATOR_NUM,
                              plat::ID_INDICATOR_SCRL};
  if (!status_bar_.SetIndicators(panes)) return -1;
  status_bar_.SetPaneText(0, "Bereit");
  TakePageSettings(state_, LoadPageHeader(settings_));
  return 0;
}

}  // namespace zevril
