#pragma once
// Numbers in fixed notation as printf's "%W.Pf" writes them, without printf's
// cost: for listings of a million numbers.
#include <string>

namespace common {

// Appends value exactly as std::snprintf with "%*.*f", width and precision
// writes it in the "C" locale: correctly rounded (an exact half to even), a
// negative zero as "-0.00", "inf" and "nan" with their signs, and blanks in
// front up to width characters.
void AppendFixed(std::string& out, double value, int precision, int width = 0);

}  // namespace common
