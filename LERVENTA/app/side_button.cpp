#include "LERVENTA/app/side_button.h"

namespace lerventa {

bool EndOnSideButton(const plat::MSG& msg) {
  if (msg.message != plat::WM_XBUTTONDOWN) return false;
  plat::PostQuitMessage(0);
  return true;
}

}  // namespace lerventa
