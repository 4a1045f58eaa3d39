#pragma once
// Numbers in fixed notation as printf's "%W.Pf" writes them, without printf's
// cost: for listings of a million numbers.
#include <cstddef>
#include <string>

namespace common {

// The largest precision and width FormatFixed takes, and the room it needs.
inline constexpr int kMaxFixedPrecision = 100;
inline constexpr int kMaxFixedWidth = 100;
inline constexpr std::size_t kFixedTextRoom = 320 + kMaxFixedPrecision;

// Writes value at `out` exactly as std::snprintf with "%*.*f", width and
// precision writes it in the "C" locale: correctly rounded (an exact half to
// even), a negative zero as "-0.00", "inf" and "nan" with their signs, and
// blanks in front up to width characters. `out` has room for kFixedTextRoom
// characters; precision is 0..kMaxFixedPrecision and width
// 0..kMaxFixedWidth. Returns the end of the text (nothing is terminated).
char* FormatFixed(char* out, double value, int precision, int width);

// Appends value as "%*.*f" does, for any precision and width.
void AppendFixed(std::string& out, double value, int precision, int width = 0);

}  // namespace common
