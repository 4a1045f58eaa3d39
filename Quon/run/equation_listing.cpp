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

std::string DisplacementsByNode(const std::vector<double>& u, int n, bool heading_after_last) {
  std::string text = "Node 1\n";
  char line[64];
  for (int d = 1; d <= n; ++d) {
    std::snprintf(line, sizeof line, "%i    %.4E\n", d, u[static_cast<std::size_t>(d)]);
    text += line;
    if (d % 3 == 0 && (d < n || heading_after_last)) {
      std::snprintf(line, sizeof line, "\nNode %i\n", d / 3 + 1);
      text += line;
    }
  }
  return text;
}

}  // namespace zedir
