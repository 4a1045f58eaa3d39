#include "loads/echo/load_echo_reader.h"

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

common::Result TooLargeMessage(const std::string& path) {
  return common::Result::Fail("The file " + path + " is too large, not all LC have been read.", "Hint");
}

}  // namespace pundf
