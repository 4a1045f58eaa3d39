#pragma once
// The number fields of the load-case dialogs: numbers shown with a decimal
// comma, typed characters kept to a number's.
#include <optional>
#include <string>
#include <string_view>

#include "common/result.h"
#include "platform/dialogs/dialog.h"

namespace pundf {

// printf's `format` of `value`, its decimal point a comma ("%.2f" of 1.5: "1,50").
std::string CommaNumber(const char* format, double value);

// Only backspace and the characters of `allowed` can be typed into edit `id`.
void KeepOnly(plat::Dialog& dialog, plat::UINT id, const char* allowed);

// The number typed into a field (a blank field reads 0, a decimal comma
// allowed) as the float it is stored in; otherwise the input error naming the
// field and the text: `"<field>": "<text>" is not a number.` or `"<field>":
// "<text>" is too large for the files.` (caption "Input error").
common::Outcome<float> ReadFieldNumber(std::string_view text, std::string_view field);

// ReadFieldNumber of edit `id` of the dialog, whose label is `field`; on an
// input error the message is shown and the edit takes the focus, its text
// selected (the dialog stays open).
std::optional<float> TakeFieldNumber(plat::Dialog& dialog, plat::UINT id, std::string_view field);

// "-0123456789., ": the plain numbers of the gravity and floor-load dialogs.
inline constexpr const char* kPlainNumberChars = "-0123456789., ";
// The same with an exponent: the temperature dialog's.
inline constexpr const char* kExponentNumberChars = "-0123456789.,eE ";

}  // namespace pundf
