#pragma once
// Reading numbers out of echo-text fields: a leading run of blanks is skipped and
// the number ends at the first character that cannot continue it.
#include <string_view>

namespace common::echo {

// The longest decimal number at the start of `text` after leading blanks:
// [sign] digits [('.' | ',') digits] [('E' | 'e') [sign] digits], with at least
// one digit before the exponent; a ',' counts as the decimal point. An exponent
// letter without digits after it ends the number before the letter. Read in the
// "C" locale; 0 when there is no number. Any length. "2.5000E+02" reads 250.
double ReadReal(std::string_view text);

// The whole number at the start of `text` after leading blanks: [sign] digits;
// 0 when there is no digit. Beyond the int range it stays at the int's limit.
int ReadWhole(std::string_view text);

// A read value as a float as the records hold it; beyond the float range it
// becomes an infinity of its sign (never undefined).
float ToFloat(double value);

}  // namespace common::echo
