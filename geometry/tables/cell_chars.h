#pragma once
// What a table cell accepts, by the kind of its column, and the cleaning of a
// typed text when its edit ends.
#include <string>
#include <string_view>

namespace kelmf {

// True when `kind` is 0 or `ch` is one of the kind's characters; an unknown
// kind accepts nothing.
bool IsCellCharAllowed(char ch, int kind);

// Every ',' becomes '.', characters the kind refuses are dropped, and for any
// kind but 0 the rest is turned to upper case.
std::string CleanCellText(std::string_view text, int kind);

}  // namespace kelmf
