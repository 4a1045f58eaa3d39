#pragma once
// The load echo text while every load case is rebuilt from it: its lines, changed in memory by
// each store and by each entry kept as it stands, and staged once when the rebuild ends (a text
// staged after every store made the rebuild's work grow with the square of the load cases).
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace pundf {

class RebuiltEcho {
 public:
  // The entry of load case `number` (lines each ended by "\n", as LoadEchoEntry writes it) in
  // place of the text's entry of that number, or at the end when the text has none.
  void PutEntry(int number, std::string_view entry);
  // Lines as they stand (an entry that is not rebuilt), at the end of the text.
  void Append(std::span<const std::string> lines);
  // The text's lines without their ends; "LOAD CASES" first once an entry was put or appended,
  // none before.
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  void Begin();
  std::vector<std::string> lines_;
};

// Puts `entry` (lines each ended by "\n") in place of the entry of load case `number` among the
// lines of an echo text, or at their end when they have none.
void PutLoadEchoEntry(std::vector<std::string>& lines, int number, std::string_view entry);

}  // namespace pundf
