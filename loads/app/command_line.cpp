#include "loads/app/command_line.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace pundf {
namespace {

// The text without its last character.
std::string_view DropLast(std::string_view text) { return text.empty() ? text : text.substr(0, text.size() - 1); }

// The decimal number at the start of the text (after blanks), 0 when none,
// kept within the int range.
int LeadingNumber(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(std::string_view text) {
  const auto first = text.find('@');
  if (first == std::string_view::npos) return std::nullopt;
  CommandLine line;
  line.ext = std::string(DropLast(text.substr(0, first)));
  const auto second = text.find('@', first + 1);
  if (second == std::string_view::npos) {
    line.data_path = std::string(text.substr(first + 1));
  } else {
    line.data_path = std::string(DropLast(text.substr(first + 1, second - first - 1)));
    const std::string third(text.substr(second + 1));
    if (!third.empty() && third.front() == 'G') {
      line.rebuild = true;
    } else {
      line.load_case = LeadingNumber(third);
    }
  }
  if (line.ext.empty() || line.data_path.empty()) return std::nullopt;
  return line;
}

}  // namespace pundf
