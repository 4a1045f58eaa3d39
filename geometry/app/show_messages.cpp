#include "geometry/app/show_messages.h"

#include "platform/message_box.h"

namespace kelmf {

void ShowMessages(const std::vector<common::Result>& messages) {
  for (const common::Result& message : messages) plat::MessageBox(message.text(), message.caption(), plat::MB_OK);
}

}  // namespace kelmf
