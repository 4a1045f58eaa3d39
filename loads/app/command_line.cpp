#include "loads/app/command_line.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "common/command_line.h"

namespace pundf {
namespace {

// The decimal number at the start of the text (after blanks), 0 when none,
// kept within the int range.
int LeadingNumber(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

}  // namespace

std::optional<CommandLine> ParseCommandLine(std::string_view text) {
  auto parts = common::SplitCommandLine(text);
  if (!parts || parts->suffix.empty() || parts->data_path.empty()) return std::nullopt;
  if (parts->suffix.size() > kMaxCommandPart || parts->data_path.size() > kMaxCommandPart) return std::nullopt;
  CommandLine line;
  line.ext = std::move(parts->suffix);
  line.data_path = std::move(parts->data_path);
  if (parts->third) {
    if (!parts->third->empty() && parts->third->front() == 'G') {
      line.rebuild = true;
    } else {
      line.load_case = LeadingNumber(*parts->third);
    }
  }
  return line;
}

}  // namespace pundf
