#pragma once
// The shell's dialogs: the mouse's side button cancels them, as Escape does.
#include "platform/dialogs/dialog.h"

namespace quentaris {

class SideButtonDialog : public plat::Dialog {
 public:
  using plat::Dialog::Dialog;

  bool PreTranslateMessage(plat::MSG* msg) override;
};

}  // namespace quentaris
