#pragma once
// A document window of the page printer: shown maximised.
#include "platform/frames/mdi_frame.h"

namespace zevril {

class CChildFrame : public plat::MDIChildWnd {
 public:
  CChildFrame();

  // Always maximised.
  void ActivateFrame(int cmd_show = -1) override;

 protected:
  void OnShowWindow(bool show, plat::UINT status) override;

 private:
  bool maximising_ = false;
};

}  // namespace zevril
