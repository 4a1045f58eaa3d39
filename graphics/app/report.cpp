#include "graphics/app/report.h"

#include "platform/message_box.h"

namespace revuzavi {

void ShowFailure(const common::Result& result) {
  if (!result.ok()) plat::MessageBox(result.text(), result.caption(), plat::MB_OK);
}

}  // namespace revuzavi
