#include "loads/echo/rebuilt_echo.h"

#include <iterator>

#include "loads/echo/load_echo_entries.h"
#include "loads/store/staged_files.h"
#include "platform/text_file.h"

namespace pundf {

void PutLoadEchoEntry(std::vector<std::string>& lines, int number, std::string_view entry) {
  std::vector<std::string> entry_lines = plat::SplitLines(entry);
  const auto entries = FindLoadEchoEntries(lines);
  std::size_t k = 0;
  while (k < entries.size() && entries[k].number != number) ++k;
  auto at = lines.end();
  if (k < entries.size()) {
    const auto first = lines.begin() + static_cast<std::ptrdiff_t>(entries[k].first);
    at = lines.erase(first, lines.begin() + static_cast<std::ptrdiff_t>(entries[k].last + 1));
  }
  lines.insert(at, std::make_move_iterator(entry_lines.begin()), std::make_move_iterator(entry_lines.end()));
}

void RebuiltEcho::Begin() {
  if (lines_.empty()) lines_.emplace_back(kLoadEchoHeader);
}

void RebuiltEcho::PutEntry(int number, std::string_view entry) {
  Begin();
  PutLoadEchoEntry(lines_, number, entry);
}

void RebuiltEcho::Append(std::span<const std::string> lines) {
  Begin();
  // As the text's file would read them back: each line written with its end, then split again.
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  for (std::string& line : plat::SplitLines(TextBytes(text))) lines_.push_back(std::move(line));
}

}  // namespace pundf
