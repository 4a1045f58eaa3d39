#include "Quon/run/equation_listing.h"

#include <cstdio>

namespace zedir {

std::string EquationListing(const mechanics::Vector& values, const char* format) {
  std::string text;
  char line[400];  // room for any double in a fixed-point format
  for (int d = 1; d <= values.size(); ++d) {
    std::snprintf(line, sizeof line, format, d, values[d]);
    text += line;
    if (d % 3 == 0) text += "\n";
  }
  return text;
}

}  // namespace zedir
