#include "loads/echo/load_echo_reader.h"

#include "common/echo/fields.h"

namespace pundf {

common::Outcome<LoadEchoText> ReadLoadEchoFile(const std::string& path) {
  auto text = common::echo::ReadEchoText(path, LoadEchoRules());
  if (!text) return common::Result::Fail(" The file " + path + " does not exist", "Hint");
  LoadEchoText echo;
  echo.path = path;
  echo.text = std::move(*text);
  echo.entries = FindLoadEchoEntries(echo.text.lines);
  while (echo.readable < echo.entries.size() && echo.entries[echo.readable].last < kMaxLoadEchoLines) {
    ++echo.readable;
  }
  return echo;
}

std::optional<std::size_t> LineOfNoLoadCase(const LoadEchoText& echo) {
  const auto& lines = echo.text.lines;
  const std::size_t first_entry = echo.entries.empty() ? lines.size() : echo.entries.front().first;
  for (std::size_t i = 0; i < first_entry; ++i) {
    const auto fields = common::echo::SplitFields(lines[i]);
    const bool header = fields.size() == 2 && fields[0] == "LOAD" && fields[1] == "CASES";
    if (!fields.empty() && !header) return i;
  }
  std::size_t entry = 0;
  for (std::size_t i = first_entry; i < lines.size(); ++i) {
    while (entry < echo.entries.size() && echo.entries[entry].first < i) ++entry;
    const bool starts_entry = entry < echo.entries.size() && echo.entries[entry].first == i;
    if (!starts_entry && echo.text.kinds[i] != common::echo::kTitleLine &&
        common::echo::FirstField(lines[i]) == "LC") {
      return i;
    }
  }
  return std::nullopt;
}

common::Result TooLargeMessage(const std::string& path) {
  return common::Result::Fail("The file " + path + " is too large, not all LC have been read.", "Hint");
}

}  // namespace pundf
