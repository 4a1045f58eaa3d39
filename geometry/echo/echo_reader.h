#pragma once
// Reading the geometry echo text into classified lines.
#include <string_view>

#include "common/echo/echo_text.h"
#include "common/position/position.h"
#include "common/result.h"

namespace kelmf {

// How the geometry echo text is read: its keywords (TITEL read like TITLE),
// the title line after them kept exactly as read, ';' comments, at most 1500
// lines.
const common::echo::EchoTextRules& GeometryEchoRules();

// Reads the file `file_name` of the position folder (no other folder is looked
// at and nothing is copied) whole: CR LF and LF alike, a last line without an
// end, lines of any length. Lines are classified by keyword. A file that
// cannot be opened gives " Neither the file <name> nor the following file
// exist" and the path on a second line, caption "Hint".
common::Outcome<common::echo::EchoText> ReadEchoLines(const common::Position& position, std::string_view file_name);

}  // namespace kelmf
