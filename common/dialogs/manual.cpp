#include "common/dialogs/manual.h"

#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/process.h"

namespace common {

bool OpenManual(const std::string& document, const std::string& folder) {
  const std::string path = (folder.empty() ? plat::ProgramFolder() : folder) + document;
  if (!plat::FileExists(path)) {
    plat::MessageBox("File " + document + " not found!", "Attention", plat::MB_OK | plat::MB_ICONHAND);
    return false;
  }
  if (const common::Result opened = plat::OpenDocument(path); !opened) {
    plat::MessageBox(opened.text(), document, plat::MB_OK | plat::MB_ICONHAND);
    return false;
  }
  return true;
}

}  // namespace common
