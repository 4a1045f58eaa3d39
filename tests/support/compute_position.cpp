// compute-position DATAPATH NAME: the whole road of the position NAME (without
// the dot) under DATAPATH, whose folder DATAPATH/SDIR<NAME>/ holds
// ECHO_G.<NAME>.TXT and ECHO_L.<NAME>.TXT: EXTR and DPATH in the settings
// folder, the geometry stored, PUNDF with "@G", a job of every load case of
// the diary, ZEDIR. Exit code 0 when every step succeeded, else non-zero after
// the message.
#include "platform/application.h"
#include "platform/message_box.h"
#include "tests/support/position_road.h"

int main(int argc, char** argv) {
  // The road shows no window: its messages go to the PLAT_MESSAGES file (one in the data path
  // when none is set), else to stderr, so the window system is not started; the locale is the
  // one it would set.
  plat::UseProgramLocale();
  if (argc != 3) {
    plat::MessageBox("Usage: compute-position DATAPATH NAME", "Missing input", plat::MB_OK);
    return 2;
  }
  return support::ComputePosition(argv[1], argv[2]);
}
