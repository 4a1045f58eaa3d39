#pragma once
// The main window of the page printer: the document windows inside it, the
// tool bar (New, Open, Print, About) and the status bar; shown maximised.
// Its making reads the page settings.
#include "Zelko1/page/zevril_state.h"
#include "common/settings.h"
#include "platform/frames/mdi_frame.h"
#include "platform/frames/status_bar.h"
#include "platform/frames/tool_bar.h"

namespace zevril {

class CMainFrame : public plat::MDIFrameWnd {
 public:
  CMainFrame(ZevrilState& state, common::SettingsContext settings);

  plat::ToolBar& tool_bar() { return tool_bar_; }
  plat::StatusBar& status_bar() { return status_bar_; }

 protected:
  int OnCreate(const plat::CREATESTRUCT& create) override;

 private:
  ZevrilState& state_;
  common::SettingsContext settings_;
  plat::ToolBar tool_bar_;
  plat::StatusBar status_bar_;
};

}  // namespace zevril
