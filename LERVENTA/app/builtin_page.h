#pragma once
// The page LERVENTA shows when it is started without a page name.
#include <string>

namespace lerventa {

// The program's name and how it is started, as HTML (Windows-1252).
std::string BuiltInPage();

}  // namespace lerventa
