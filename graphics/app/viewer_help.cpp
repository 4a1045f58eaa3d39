#include "graphics/app/viewer_help.h"

#include "platform/message_box.h"
#include "platform/process.h"

namespace revuzavi {

void OpenViewerHelp(const std::string& document, const std::string& fallback) {
  if (plat::OpenDocument(plat::ProgramFolder() + document).ok()) return;
  const common::Result started = plat::StartDetached(plat::SiblingProgram("LERVENTA"), {fallback});
  if (!started.ok()) plat::MessageBox(started.text(), "LERVENTA.EXE " + fallback, plat::MB_OK);
}

}  // namespace revuzavi
