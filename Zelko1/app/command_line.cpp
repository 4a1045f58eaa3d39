#include "Zelko1/app/command_line.h"

namespace zevril {
namespace {

bool IsPrintSwitch(std::string_view word) { return word.size() == 2 && word[0] == '/' && (word[1] | 0x20) == 'p'; }

}  // namespace

ZevrilCommandLine ParseZevrilCommandLine(std::string_view text) {
  ZevrilCommandLine line;
  bool first = true;
  while (true) {
    const std::size_t blank = text.find(' ');
    const std::string_view word = text.substr(0, blank);
    if (IsPrintSwitch(word)) {
      line.print = true;
    } else {
      if (!first) line.file += ' ';
      line.file += word;
      first = false;
    }
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
  // Blanks around the name (the separators of a switch) and its quotes go.
  while (!line.file.empty() && line.file.back() == ' ') line.file.pop_back();
  while (!line.file.empty() && line.file.front() == ' ') line.file.erase(0, 1);
  if (line.file.size() >= 2 && line.file.front() == '"' && line.file.back() == '"') {
    line.file = line.file.substr(1, line.file.size() - 2);
  }
  return line;
}

}  // namespace zevril
