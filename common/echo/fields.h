#pragma once
// Splitting an echo-text line into fields, and the surplus check that drops
// words from a line that holds more fields than its columns.
#include <span>
#include <string_view>
#include <vector>

#include "common/echo/column_kind.h"

namespace common::echo {

// The fields of a line: runs of characters between blanks; a run of blanks (or
// tabs) is one separator, blanks at either end separate nothing. Any number of
// fields of any length; the views point into `line`.
std::vector<std::string_view> SplitFields(std::string_view line);
// The first field of a line (SplitFields' first), empty when the line has none.
std::string_view FirstField(std::string_view line);

// Whether a field passes the surplus check: it holds only "0123456789-,.eE"
// (no plus sign); an empty field passes.
bool PassesSurplusCheck(std::string_view field);

// The surplus check of a line with more fields than `kinds` has columns (a line
// with no more fields than columns is returned as it is). At each place i whose
// kind is a number kind, a failing field is removed: the later fields move up
// one place and the last place keeps its text, so that it stands twice; the
// field now at place i is examined again. When only the last field is left to
// move up, it stays at place i even if it fails (the check always ends). The
// number of fields stays as it was; places beyond the columns are not examined.
// Example for the kinds {whole}: "n = 3" -> "3 3 3".
std::vector<std::string_view> DropSurplusFields(std::span<const std::string_view> fields,
                                                std::span<const ColumnKind> kinds);

}  // namespace common::echo
