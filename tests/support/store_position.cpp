// store-position DATAPATH NAME: stores the geometry of the position NAME (without
// the dot) under DATAPATH (ending with "/") from its echo text
// DATAPATH/SDIR<NAME>/ECHO_G.<NAME>.TXT, as the geometry input does when the
// shell starts it with "@G" and the Store command follows. Messages go through
// the message boxes (PLAT_MESSAGES for unattended runs); exit code 0 when the
// geometry was stored, else non-zero after the message.
#include "geometry/app/store_from_echo.h"
#include "platform/application.h"
#include "platform/message_box.h"

int main(int argc, char** argv) {
  plat::Application app(argc, argv);
  if (argc != 3) {
    plat::MessageBox("Usage: store-position DATAPATH NAME", "Missing input", plat::MB_OK);
    return 2;
  }
  return kelmf::StoreFromEcho(argv[1], argv[2]);
}
