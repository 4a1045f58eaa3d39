#pragma once
// The lines of an echo text: read whole, comments dropped, code page settled,
// each line classified by the keyword it equals.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace common::echo {

// A section keyword: the whole text of its line, and the kind (1 or more) it
// gives that line.
struct Keyword {
  std::string_view text;
  int kind;
};

// The kind of a line that is no keyword.
inline constexpr int kDataLine = 0;
// The kind of a title line: the line right after a title keyword.
inline constexpr int kTitleLine = -1;

// How a reader takes its echo text.
struct EchoTextRules {
  std::span<const Keyword> keywords;
  // The line after a keyword line of this kind is a title line: never a comment,
  // never a keyword (a title "NODES" stays a title). 0: no title keyword.
  int title_kind = 0;
  // Lines whose first character is ';' are comments and are dropped.
  bool skip_comments = false;
  // Whether a title line is converted from the OEM code page like the other
  // lines; when false it is kept exactly as read.
  bool convert_title_lines = false;
  // At most this many lines are kept (comments not counted); 0: no limit.
  std::size_t max_lines = 0;
};

struct EchoText {
  std::vector<std::string> lines;  // 0-based, without their line ends
  std::vector<int> kinds;          // per line: a keyword's kind, kDataLine or kTitleLine
  bool cut = false;                // max_lines was reached: later lines were not kept
};

// Takes the raw lines of an echo text (line ends already stripped):
// 1. drops comments and classifies each line as a whole against the keywords;
// 2. settles the code page for the whole text: a text that holds one of the
//    ANSI letters Ä Ö Ü ä ö ü ß (bytes 196 214 220 228 246 252 223) is ANSI
//    and stays as it is; any other text is taken as OEM (code page 850) and
//    converted to ANSI, title lines as the rules say.
EchoText ScanEchoLines(std::vector<std::string> raw_lines, const EchoTextRules& rules);

// Reads the file whole (CR LF, LF and a last line without an end alike; only the
// line ends are stripped, lines of any length) and scans it; nullopt when the
// file cannot be opened.
std::optional<EchoText> ReadEchoText(const std::string& path, const EchoTextRules& rules);

// The number of data lines of a section whose first data line is `first`: at
// most `count`, ending before the next keyword line or at the end of the text.
std::size_t SectionLength(std::span<const int> kinds, std::size_t first, std::size_t count);

}  // namespace common::echo
