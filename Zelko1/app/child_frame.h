#pragma once
// A document window of the page printer: shown maximised.
#include "platform/frames/mdi_frame.h"

namespace zevril {

class CChildFrame : public plat::MDIChildWnd {
 public:
  CChildFrame();

 protected:
  void OnShowWindow(bool show, plat::UINT status) override;

 private:
  bool maximising_ = false;
};

}  // namespace zevril
