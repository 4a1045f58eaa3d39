#pragma once
// The column types of the shell's table: which characters an edited cell may
// keep, and how the text of a finished edit is cleaned.
#include <string>
#include <string_view>

namespace quentaris {

// Whether a column of `type` keeps the character (type 0 keeps any; unknown
// types keep none).
bool TypeAllows(int type, char c);

// The edited text as the cell keeps it: outside types 1 and 6 only the first
// "." or "," stays, a "," becoming "."; characters the type does not allow go;
// the rest is upper-cased unless the type is 0.
std::string CleanEditedText(std::string_view text, int type);

}  // namespace quentaris
