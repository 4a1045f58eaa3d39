#pragma once
// Reading the load echo text: its lines with their kinds and the entries of
// its load cases.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "common/echo/echo_text.h"
#include "common/result.h"
#include "loads/echo/load_echo_entries.h"

namespace pundf {

// The load cases of a text are read from its first 6000 lines.
inline constexpr std::size_t kMaxLoadEchoLines = 6000;

struct LoadEchoText {
  std::string path;
  common::echo::EchoText text;  // every line of the file, classified
  std::vector<EchoEntry> entries;
  // Entries 1..readable lie wholly within the first 6000 lines; the later
  // ones are not read.
  std::size_t readable = 0;

  bool cut() const { return readable < entries.size(); }
};

// Reads the echo text at `path` whole (a last line without an end, lines of any
// length; only line ends are stripped) and finds its entries. A missing file:
// " The file <path> does not exist" (caption "Hint").
common::Outcome<LoadEchoText> ReadLoadEchoFile(const std::string& path);

// The first line (0-based) that a rebuild would lose because it belongs to no
// load case: a line before the first entry other than "LOAD CASES" and blank
// lines, or an "LC" line that starts no entry (its number 0 or none) and is no
// title line. nullopt when every line has its entry.
std::optional<std::size_t> LineOfNoLoadCase(const LoadEchoText& echo);

// "The file <path> is too large, not all LC have been read." (caption "Hint").
common::Result TooLargeMessage(const std::string& path);

}  // namespace pundf
