#pragma once
// The shell's messages about files.
#include <string>

namespace quentaris {

// "File %s cannot be generated." under "Error".
void ShowCannotWrite(const std::string& path);
// "Die Datei %s fehlt." under "Fehlende Eingabe".
void ShowFileMissing(const std::string& path);

}  // namespace quentaris
