#include "graphics/app/help_document.h"

#include "platform/message_box.h"
#include "platform/process.h"

namespace revuzavi {

void OpenHelpDocument(const std::string& document) {
  if (plat::OpenDocument(plat::ProgramFolder() + document).ok()) return;
  const common::Result started = plat::StartDetached(plat::SiblingProgram("LERVENTA"), {document});
  if (!started.ok()) plat::MessageBox(started.text(), "LERVENTA.EXE " + document, plat::MB_OK);
}

}  // namespace revuzavi
