#pragma once
// The viewer's help: a document of the program folder, else the help viewer with it.
#include <string>

namespace revuzavi {

// Opens `document` (for example "SCALE.pdf") of the program folder with the desktop's viewer;
// when that fails, starts LERVENTA with it. A LERVENTA that cannot start is reported.
void OpenHelpDocument(const std::string& document);

}  // namespace revuzavi
