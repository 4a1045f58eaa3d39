#include "platform/font_setup.h"

#include <fontconfig/fontconfig.h>

namespace plat {

std::jthread StartFontSetup() {
  return std::jthread([] { FcInit(); });
}

}  // namespace plat
