#pragma once
// Reads a number that a person typed, pasted or imported into a table cell,
// and builds the one input-error message every editor's tables show for it.
#include <string>
#include <string_view>

#include "common/result.h"

namespace common {

// The type a table column is stored in; the value must fit it.
enum class CellType { kFloat, kInt16, kInt32 };

// A blank cell reads as 0. Otherwise the whole text (blanks around it aside,
// a decimal comma allowed) must be one decimal number: anything else is
// "not a number"; a number that is not finite or does not fit `type` is
// "too large for the files". Integer columns keep the value as typed (the
// caller truncates it as before).
Outcome<double> ReadCellNumber(std::string_view text, CellType type, int row, std::string_view column);

// `Row %i, column "%s": "%s" is not a number.`
std::string NotANumberMessage(int row, std::string_view column, std::string_view text);
// `Row %i, column "%s": "%s" is too large for the files.`
std::string TooLargeMessage(int row, std::string_view column, std::string_view text);

}  // namespace common
