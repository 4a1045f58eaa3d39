#include "shell/files/file_messages.h"

#include "platform/message_box.h"

namespace quentaris {

void ShowCannotWrite(const std::string& path) {
  plat::MessageBox("File " + path + " cannot be generated.", "Error", plat::MB_OK | plat::MB_ICONEXCLAMATION);
}

void ShowFileMissing(const std::string& path) {
  plat::MessageBox("Die Datei " + path + " fehlt.", "Fehlende Eingabe", plat::MB_OK | plat::MB_ICONEXCLAMATION);
}

}  // namespace quentaris
