// PUNDF, the load input of the plane-frame suite.
#include <optional>

#include "loads/app/pundf_app.h"
#include "platform/application.h"
#include "platform/message_box.h"

int main(int argc, char** argv) {
  // PUNDF shows nothing but message boxes: when they go to the PLAT_MESSAGES file the window
  // system is not started, and the locale is the one it would set.
  std::optional<plat::Application> app;
  if (plat::MessagesUnattended()) {
    plat::UseProgramLocale();
  } else {
    app.emplace(argc, argv);
  }
  return pundf::RunPundf(plat::CommandLineText(argc, argv));
}
