#pragma once
// The viewer's help documents: a PDF of the program folder opened by the
// desktop, else the help viewer LERVENTA started on a page of its own.
#include <string>

namespace revuzavi {

// Opens `document` of the program folder; when that fails starts LERVENTA
// with `fallback`; a viewer that cannot start is reported under its command.
void OpenViewerHelp(const std::string& document, const std::string& fallback);

}  // namespace revuzavi
