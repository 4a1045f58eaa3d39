#pragma once
// Numbers in exponent notation as printf's "%W.PE" writes them, without printf's
// cost: for listings and result files of many numbers.
#include <cstddef>
#include <string>

namespace common {

// The largest precision and width FormatExponent takes, and the room it needs.
inline constexpr int kMaxExponentPrecision = 100;
inline constexpr int kMaxExponentWidth = 100;
inline constexpr std::size_t kExponentTextRoom = 16 + kMaxExponentPrecision;

// Writes value at `out` exactly as std::snprintf with "%*.*E", width and
// precision writes it in the "C" locale: one digit before the point, the exact
// value correctly rounded (an exact half to even), an exponent of at least two
// digits, a negative zero as "-0.000E+00", "INF" and "NAN" with their signs,
// and blanks in front up to width characters. `out` has room for
// kExponentTextRoom characters; precision is 0..kMaxExponentPrecision and
// width 0..kMaxExponentWidth. Returns the end of the text (nothing is
// terminated).
char* FormatExponent(char* out, double value, int precision, int width);

// Appends value as "%*.*E" does, for any precision and width.
void AppendExponent(std::string& out, double value, int precision, int width = 0);

}  // namespace common
