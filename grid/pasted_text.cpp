#include "grid/pasted_text.h"

namespace grid {

namespace {

constexpr std::string_view kSeparators = "\t,\n";
constexpr std::string_view kWhiteSpace = " \t\n\r\f\v";

std::string Trimmed(std::string_view field) {
  const std::size_t first = field.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return std::string();
  const std::size_t last = field.find_last_not_of(kWhiteSpace);
  return std::string(field.substr(first, last - first + 1));
}

std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t at = 0;
  while (true) {
    const std::size_t start = line.find_first_not_of(kSeparators, at);
    if (start == std::string_view::npos) break;
    const std::size_t end = line.find_first_of(kSeparators, start);
    fields.push_back(Trimmed(line.substr(start, end == std::string_view::npos ? end : end - start)));
    if (end == std::string_view::npos) break;
    at = end;
  }
  return fields;
}

}  // namespace

std::vector<std::vector<std::string>> SplitPastedText(std::string_view text) {
  // The text ends at its first zero byte, as a clipboard block does.
  text = text.substr(0, text.find('\0'));
  std::vector<std::vector<std::string>> lines;
  while (true) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      lines.push_back(SplitFields(text));
      break;
    }
    const std::string_view line = text.substr(0, end);
    lines.push_back(line.empty() ? std::vector<std::string>{std::string()} : SplitFields(line));
    text.remove_prefix(end + 1);
  }
  return lines;
}

}  // namespace grid
