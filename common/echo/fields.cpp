#include "common/echo/fields.h"

namespace common::echo {
namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::vector<std::string_view> SplitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    const std::size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

std::string_view FirstField(std::string_view line) {
  std::size_t start = 0;
  while (start < line.size() && IsBlank(line[start])) ++start;
  std::size_t end = start;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  return line.substr(start, end - start);
}

bool PassesSurplusCheck(std::string_view field) {
  return field.find_first_not_of("0123456789-,.eE") == std::string_view::npos;
}

std::vector<std::string_view> DropSurplusFields(std::span<const std::string_view> fields,
                                                std::span<const ColumnKind> kinds) {
  std::vector<std::string_view> kept(fields.begin(), fields.end());
  const std::size_t n = fields.size();
  if (n <= kinds.size()) return kept;
  // After the removals at the places before i, the places i.. hold the fields
  // source.. followed by copies of the last field.
  std::size_t source = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (i < kinds.size() && IsNumberKind(kinds[i])) {
      while (source + 1 < n && !PassesSurplusCheck(fields[source])) ++source;
    }
    kept[i] = fields[source];
    if (source + 1 < n) ++source;
  }
  return kept;
}

}  // namespace common::echo
