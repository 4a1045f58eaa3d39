#pragma once
// The number fields of the load-case dialogs: numbers shown with a decimal
// comma, typed characters kept to a number's.
#include <string>

#include "platform/dialogs/dialog.h"

namespace pundf {

// printf's `format` of `value`, its decimal point a comma ("%.2f" of 1.5: "1,50").
std::string CommaNumber(const char* format, double value);

// Only backspace and the characters of `allowed` can be typed into edit `id`.
void KeepOnly(plat::Dialog& dialog, plat::UINT id, const char* allowed);

// "-0123456789., ": the plain numbers of the gravity and floor-load dialogs.
inline constexpr const char* kPlainNumberChars = "-0123456789., ";
// The same with an exponent: the temperature dialog's.
inline constexpr const char* kExponentNumberChars = "-0123456789.,eE ";

}  // namespace pundf
