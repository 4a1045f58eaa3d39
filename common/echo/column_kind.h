#pragma once
// The character kinds of echo-text columns: which characters of a field a
// column keeps, and the filter that applies them.
#include <cstdint>
#include <string>
#include <string_view>

namespace common::echo {

// The number of each kind is the one the readers have always used.
enum class ColumnKind : std::uint8_t {
  kPrintable = 0,      // every byte above the blank (no upper-casing)
  kDecimal = 1,        // "0123456789-.,": no exponent, so "1.5E+02" reads 1.5
  kReal = 2,           // "0123456789+-.,E": the exponent keeps its sign
  kWhole = 3,          // "0123456789": numbers and counts; a sign reads as a blank
  kLettersJN = 4,      // "JN"
  kLettersEMKVS = 5,   // "EMKVS"
  kLettersMV = 6,      // "MV"
  kLettersVH = 7,      // "VH"
  kAlphanumeric = 8,   // ASCII digits and letters
  kLetterQ = 9,        // "Q"
  kLettersXYNT = 11,   // "XYNT"
};

// kDecimal, kReal and kWhole: the kinds the surplus check examines.
bool IsNumberKind(ColumnKind kind);

// The field as a column of `kind` holds it: every kind but kPrintable first
// upper-cases (ASCII) the field and, for kDecimal and kReal, reads ',' as '.';
// then each kept character stands at its own place and every other place is a
// blank. The result is exactly as long as the field.
std::string FilterField(std::string_view field, ColumnKind kind);

}  // namespace common::echo
