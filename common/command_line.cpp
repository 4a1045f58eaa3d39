#include "common/command_line.h"

namespace common {
namespace {

// The text without its last character.
std::string_view DropLast(std::string_view text) { return text.empty() ? text : text.substr(0, text.size() - 1); }

}  // namespace

std::optional<CommandLineParts> SplitCommandLine(std::string_view text) {
  const auto first = text.find('@');
  if (first == std::string_view::npos) return std::nullopt;
  CommandLineParts parts;
  parts.suffix = std::string(DropLast(text.substr(0, first)));
  const auto second = text.find('@', first + 1);
  if (second == std::string_view::npos) {
    parts.data_path = std::string(text.substr(first + 1));
  } else {
    parts.data_path = std::string(DropLast(text.substr(first + 1, second - first - 1)));
    parts.third = std::string(text.substr(second + 1));
  }
  return parts;
}

}  // namespace common
