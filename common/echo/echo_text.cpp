#include "common/echo/echo_text.h"

#include <utility>

#include "platform/text_codec.h"
#include "platform/text_file.h"

namespace common::echo {
namespace {

int KindOf(std::string_view line, std::span<const Keyword> keywords) {
  for (const Keyword& keyword : keywords) {
    if (line == keyword.text) return keyword.kind;
  }
  return kDataLine;
}

// Files written here are ANSI; the letters of the German alphabet outside ASCII
// tell them from OEM text, where these bytes are rare symbols.
bool HoldsAnsiLetter(const std::string& line) {
  for (char c : line) {
    switch (static_cast<unsigned char>(c)) {
      case 196: case 214: case 220: case 228: case 246: case 252: case 223: return true;
      default: break;
    }
  }
  return false;
}

}  // namespace

EchoText ScanEchoLines(std::vector<std::string> raw_lines, const EchoTextRules& rules) {
  EchoText text;
  bool next_is_title = false;
  for (std::string& line : raw_lines) {
    if (rules.max_lines != 0 && text.lines.size() == rules.max_lines) {
      text.cut = true;
      break;
    }
    int kind = kTitleLine;
    if (!next_is_title) {
      if (rules.skip_comments && !line.empty() && line[0] == ';') continue;
      kind = KindOf(line, rules.keywords);
    }
    next_is_title = rules.title_kind != 0 && kind == rules.title_kind;
    text.lines.push_back(std::move(line));
    text.kinds.push_back(kind);
  }

  bool ansi = false;
  for (const std::string& line : text.lines) ansi = ansi || HoldsAnsiLetter(line);
  if (!ansi) {
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
      if (text.kinds[i] == kTitleLine && !rules.convert_title_lines) continue;
      text.lines[i] = plat::Cp850ToCp1252(text.lines[i]);
    }
  }
  return text;
}

std::optional<EchoText> ReadEchoText(const std::string& path, const EchoTextRules& rules) {
  std::optional<std::vector<std::string>> lines = plat::ReadLines(path);
  if (!lines) return std::nullopt;
  return ScanEchoLines(std::move(*lines), rules);
}

std::size_t SectionLength(std::span<const int> kinds, std::size_t first, std::size_t count) {
  std::size_t n = 0;
  while (n < count && first + n < kinds.size() && kinds[first + n] <= kDataLine) ++n;
  return n;
}

}  // namespace common::echo
