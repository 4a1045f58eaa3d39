#include "shell/dialogs/side_button_dialog.h"

namespace quentaris {

bool SideButtonDialog::PreTranslateMessage(plat::MSG* msg) {
  if (msg->message == plat::WM_XBUTTONDOWN) {
    OnCancel();
    return true;
  }
  return plat::Dialog::PreTranslateMessage(msg);
}

}  // namespace quentaris
